#pragma once

#include <span>

namespace tavoro {

// The preview's zoom ladder, 10 % to 400 % of real size (1.0 = 100 %).
inline constexpr double kZoomLevels[] = {0.10, 0.25, 0.50, 0.75, 1.00,
                                         1.25, 1.50, 2.00, 3.00, 4.00};

// The input form's ladder: 100 % (the form as designed) to 200 %.
inline constexpr double kFormZoomLevels[] = {1.00, 1.25, 1.50, 1.75, 2.00};

// The next step of ladder (ascending) above (steps > 0) or below (steps < 0)
// the factor current, moved |steps| times; a factor at or beyond the
// ladder's end in that direction stays. A fitted factor between two steps
// moves to the neighbouring step first. A non-finite or non-positive current
// counts as 100 %.
double SteppedZoom(std::span<const double> ladder, double current, int steps);

// The same on the preview's ladder.
inline double SteppedZoom(double current, int steps) {
  return SteppedZoom(kZoomLevels, current, steps);
}

}  // namespace tavoro
