#include "chart/chart_geometry.h"

namespace tavoro {

ChartGeometry MakeChartGeometry(const CalculationCase& calc, double frameTop, double frameLeft) {
  ChartGeometry geometry;
  geometry.width = 27360 / 2.54;
  geometry.height = 20160 / 2.54;
  geometry.left = frameLeft;
  geometry.top = frameTop;
  geometry.verticalScale = geometry.height / calc.ImperviousDepth;
  geometry.horizontalScale = geometry.width / calc.CalcRange;
  return geometry;
}

}  // namespace tavoro
