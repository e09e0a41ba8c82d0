#include "ui/zoom_steps.h"

#include <cmath>
#include <iterator>

namespace tavoro {

double SteppedZoom(double current, int steps) {
  double factor = std::isfinite(current) && current > 0 ? current : 1.0;
  constexpr double kSlack = 1e-6;  // a fitted 0.7499999 is the 75 % step
  const int count = static_cast<int>(std::size(kZoomLevels));
  for (int step = 0; step < count && step < std::abs(steps); ++step) {
    // The ladder is ascending: the first step above, the last one below.
    double next = factor;
    for (const double level : kZoomLevels) {
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
