#include "ui/zoom_steps.h"

#include <cmath>
#include <cstdlib>

namespace tavoro {

double SteppedZoom(std::span<const double> ladder, double current, int steps) {
  double factor = std::isfinite(current) && current > 0 ? current : 1.0;
  constexpr double kSlack = 1e-6;  // a fitted 0.7499999 is the 75 % step
  const int count = static_cast<int>(ladder.size());
  for (int step = 0; step < count && step < std::abs(steps); ++step) {
    // The first step above, the last one below.
    double next = factor;
    for (const double level : ladder) {
      if (steps > 0 && level > factor * (1 + kSlack)) {
        next = level;
        break;
      }
      if (steps < 0 && level < factor * (1 - kSlack)) next = level;
    }
    factor = next;
  }
  return factor;
}

}  // namespace tavoro
