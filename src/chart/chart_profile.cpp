#include "chart/chart_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/number_format.h"
#include "chart/chart_statement.h"
#include "chart/chart_symbols.h"

namespace tavoro {

void DrawChartFrame(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  PageSurface& page = chart.page;
  page.DrawLine(g.left, g.top, g.Right(), g.top);
  page.DrawLine(g.Right(), g.Bottom());
  page.DrawLine(g.left, g.Bottom());
  page.DrawLine(g.left, g.top);
}

void DrawDepthAxis(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  PageSurface& page = chart.page;
  double n = 0;
  RunStatement([&] { n = WholeNumber(chart.calc.ImperviousDepth); });
  const int last = static_cast<int>(std::min<double>(n, kMaxDepthTick));
  for (int j = 0; j <= last; ++j) {
    const double y = j * g.verticalScale + g.top;
    RunStatement([&] { DrawCheckedLine(page, g.left, y, g.left - 80, y); });
    const std::string t = FormatNumber(j, NumberPattern::kWhole);
    RunStatement([&] {
      PlaceText(page, (g.left - 80) - page.TextWidth(t), y - Half(page.TextHeight(t)), t);
    });
  }
}

void DrawDistanceAxis(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  PageSurface& page = chart.page;
  double step = 0;
  RunStatement([&] { step = std::trunc(WholeNumber(chart.calc.CalcRange) / 10); });
  for (int j = 0; j <= 10; ++j) {
    const double d = j * step;
    const double x = d * g.horizontalScale + g.left;
    RunStatement([&] { DrawCheckedLine(page, x, g.Bottom(), x, g.Bottom() + 80); });
    const std::string t = FormatNumber(d, NumberPattern::kWhole);
    RunStatement([&] {
      PlaceText(page, x - Half(page.TextWidth(t)), (g.Bottom() + 80) + Half(page.TextHeight(t)), t);
    });
  }
}

void DrawGroundLevel(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  PageSurface& page = chart.page;
  const std::string label = "GL";
  const double gx = (g.Right() - page.TextWidth(label)) - 200;
  RunStatement([&] { PlaceText(page, gx, g.top - page.TextHeight(label), label); });
  DrawGroundMark(page, gx - 200, g.top, 400, 100, 3);
}

void DrawImperviousLabel(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  PageSurface& page = chart.page;
  const std::string label = "不透水層";
  RunStatement([&] {
    PlaceText(page, (g.Right() - page.TextWidth(label)) - 500, g.Bottom() - page.TextHeight(label),
              label);
  });
}

void DrawShaftBottom(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  const double x = g.X(calc.CurveX[kNatural][1]);
  const double y = g.Y(calc.GroundwaterDepth + calc.CurveS[kNatural][1]);
  DrawGroundMark(chart.page, x + 50, y, 400, 100, 2);
}

void DrawShaftOrRing(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  if (chart.improved) {
    page.SetBrushStyle(BrushStyle::kDiagonalCross);
    RunStatement([&] {
      page.DrawRectangle(Finite(g.X(calc.r)), Finite(g.Y(calc.GroundwaterDepth - 1)),
                         Finite(g.X(calc.r + calc.B)), g.Bottom());
    });
  } else {
    RunStatement([&] { DrawCheckedLine(page, g.X(calc.r), g.top, g.X(calc.r), g.Bottom()); });
  }
}

}  // namespace tavoro
