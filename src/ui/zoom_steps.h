#pragma once

namespace tavoro {

// The preview's zoom ladder, 10 % to 400 % of real size (1.0 = 100 %).
inline constexpr double kZoomLevels[] = {0.10, 0.25, 0.50, 0.75, 1.00,
                                         1.25, 1.50, 2.00, 3.00, 4.00};

// The next step of the ladder above (steps > 0) or below (steps < 0) the
// factor current, moved |steps| times; a factor at or beyond the ladder's
// end in that direction stays. A fitted factor between two steps moves to
// the neighbouring step first. A non-finite or non-positive current counts
// as 100 %.
double SteppedZoom(double current, int steps);

}  // namespace tavoro
