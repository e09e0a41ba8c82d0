#pragma once

#include "calc/calculation_case.h"

namespace tavoro {

// Where the chart frame sits on the landscape page: 6 cm from the left edge
// (the shaft centre line) and 2 cm from the top (ground level).
inline constexpr double kChartFrameLeft = 8640 / 2.54;
inline constexpr double kChartFrameTop = 2880 / 2.54;

// The chart frame and its two scales, in page twips. The frame's top edge is
// ground level, its bottom edge the impermeable layer, its left edge the
// shaft centre line. A scale is not finite when ImperviousDepth or CalcRange
// is zero; positions derived from it are then not finite either.
struct ChartGeometry {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double verticalScale = 0;    // twips per metre of depth
  double horizontalScale = 0;  // twips per metre of distance

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  // Page x of a distance d (m) from the shaft centre.
  double X(double d) const { return d * horizontalScale + left; }
  // Page y of a depth z (m) below ground level.
  double Y(double z) const { return z * verticalScale + top; }
};

// The 19 × 14 cm frame at (frameLeft, frameTop), scaled so that the
// impermeable layer meets the bottom edge and CalcRange the right edge.
ChartGeometry MakeChartGeometry(const CalculationCase& calc, double frameTop, double frameLeft);

}  // namespace tavoro
