#include "chart/chart_context.h"

namespace tavoro {

std::vector<int> ChartContext::Cases() const {
  if (improved) return {kNatural, kImproved};
  return {kNatural};
}

std::vector<int> ChartContext::CurveCases() const {
  if (improvedCurve) return {kNatural, kImproved};
  return {kNatural};
}

ChartContext MakeChartContext(PageSurface& page, const CalculationCase& calc, double frameTop,
                              double frameLeft) {
  ChartContext context{page, calc, MakeChartGeometry(calc, frameTop, frameLeft)};
  // A negative width is no ring at all, as in the computation.
  context.improved = calc.B > 0;
  context.improvedCurve = context.improved && calc.ImprovedCurveComputed;
  return context;
}

}  // namespace tavoro
