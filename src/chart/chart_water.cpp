#include "chart/chart_water.h"

#include <string>

#include "calc/number_format.h"
#include "chart/chart_statement.h"
#include "chart/chart_symbols.h"

namespace tavoro {

void DrawStaticWaterTable(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  RunStatement([&] {
    DrawCheckedLine(chart.page, g.X(calc.r), g.Y(calc.GroundwaterDepth), g.Right(),
                    g.Y(calc.GroundwaterDepth));
  });
}

void DrawDrawdownCurves(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  for (const int c : chart.CurveCases()) {
    const CurvePoints& xs = calc.CurveX[c];
    const CurvePoints& ss = calc.CurveS[c];
    for (int i = 1; i < kCurvePoints; ++i) {
      RunStatement([&] {
        DrawCheckedLine(chart.page, g.X(xs[i]), g.Y(calc.GroundwaterDepth + ss[i]), g.X(xs[i + 1]),
                        g.Y(calc.GroundwaterDepth + ss[i + 1]));
      });
    }
  }
}

void DrawPointLevels(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  page.SetBrushStyle(BrushStyle::kSolid);
  for (const int c : chart.CurveCases()) {
    const double px = g.X(calc.PointDistance);
    if (!IsComputed(calc.PointY[c]) || !IsComputed(calc.PointS[c])) {
      // No level to mark: the mark stands at the point, on the static water table.
      const std::string label = std::string("GL -") + kNotComputedMark;
      RunStatement([&] {
        PlaceText(page, px + 100, g.Y(calc.GroundwaterDepth) + page.TextHeight(label) * 0.5, label);
      });
      continue;
    }
    if (calc.PointY[c] == 0 || calc.PointS[c] == 0) continue;
    const double py = g.Y(calc.GroundwaterDepth + calc.PointS[c]);
    RunStatement([&] { page.DrawCircle(Finite(px), Finite(py), 0.5 * 1440 / 25.4); });
    const std::string label =
        "GL -" + FormatNumber(calc.GroundwaterDepth + calc.PointS[c], NumberPattern::kTwoDecimals);
    RunStatement([&] { PlaceText(page, px + 100, py + page.TextHeight(label) * 0.5, label); });
  }
}

void DrawStaticWaterLevel(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  const std::string label =
      "GL - " + FormatNumber(calc.GroundwaterDepth, NumberPattern::kTwoDecimals);
  const double lx = g.Right() - page.TextWidth(label);
  const double ly = g.Y(calc.GroundwaterDepth);
  RunStatement([&] { PlaceText(page, lx, ly - page.TextHeight(label), label); });
  DrawWaterLevelMark(page, lx - 150, ly, 150);
}

}  // namespace tavoro
