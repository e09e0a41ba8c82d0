#pragma once

#include <vector>

#include "calc/calculation_case.h"
#include "chart/chart_geometry.h"
#include "page/page_surface.h"

namespace tavoro {

// What every step of one chart drawing reads: the page, the case, the frame
// with its scales, and which case-2 elements this chart shows.
struct ChartContext {
  PageSurface& page;
  const CalculationCase& calc;
  ChartGeometry geometry;
  // A ring of positive width: the ring's dimensions, its radius of
  // influence, its drawdown at the ring edge and the hatched zone show.
  bool improved = false;
  // The latest run also computed the improved curve: its curve, its
  // point-of-interest dot and its curve label show.
  bool improvedCurve = false;

  // Cases 1 then 2, case 2 only with improvement.
  std::vector<int> Cases() const;
  // Cases 1 then 2, case 2 only with a freshly computed improved curve.
  std::vector<int> CurveCases() const;
};

// The context of one chart of calc on page, frame at (frameLeft, frameTop).
ChartContext MakeChartContext(PageSurface& page, const CalculationCase& calc, double frameTop,
                              double frameLeft);

}  // namespace tavoro
