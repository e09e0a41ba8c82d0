#pragma once

#include "chart/chart_context.h"

namespace tavoro {

// Names each drawn curve: the name stands on a horizontal underline at the
// end of a leader from an arrowhead on the first curve point (of points 1 to
// 99) that reaches the curve's threshold near the right edge. A curve that
// never reaches it gets its name at the threshold on the water table line.
void DrawCurveLabels(ChartContext& chart);

}  // namespace tavoro
