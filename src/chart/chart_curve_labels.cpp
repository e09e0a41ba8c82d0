#include "chart/chart_curve_labels.h"

#include <cmath>
#include <string>

#include "chart/chart_statement.h"
#include "chart/chart_symbols.h"

namespace tavoro {
namespace {

// A curve's name and how its label sits: back moves the threshold left, the
// leader runs dx right and dy down from the curve.
struct CurveLabelStyle {
  const char* text;
  double back;
  double dx;
  double dy;
};

CurveLabelStyle StyleOf(int c) {
  if (c == kNatural) return {"改良前低下水位曲線", 500, 400, 1000};
  return {"改良後低下水位曲線", 0, 200, 500};
}

// Arrowhead at (ax, ay), leader down to the right, the name on its underline.
void DrawCurveLabel(PageSurface& page, const CurveLabelStyle& style, double ax, double ay) {
  const std::string label = style.text;
  RunStatement([&] {
    PlaceText(page, ax + style.dx + 100, (ay + style.dy) - page.TextHeight(label), label);
  });
  bool leaderDrawn = false;
  RunStatement([&] {
    DrawCheckedLine(page, ax, ay, ax + style.dx, ay + style.dy);
    leaderDrawn = true;
  });
  if (leaderDrawn) {
    RunStatement([&] {
      DrawCheckedLineTo(page, (ax + style.dx + 100) + page.TextWidth(label), ay + style.dy);
    });
  }
  DrawArrowMark(page, ax, ay, 160, kArrowHeadClosedToward, 50);
}

}  // namespace

void DrawCurveLabels(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  page.SetTextDirection(TextDirection::kHorizontal);
  for (const int c : chart.CurveCases()) {
    const CurveLabelStyle style = StyleOf(c);
    const double threshold = ((g.Right() - page.TextWidth(style.text)) - 500) - style.back;
    bool placed = false;
    for (int i = 1; i < kCurvePoints && !placed; ++i) {
      const double ax = g.X(calc.CurveX[c][i]);
      const double ay = g.Y(calc.GroundwaterDepth + calc.CurveS[c][i]);
      // A point that cannot be placed on the page does not take the label.
      if (std::isfinite(ax) && std::isfinite(ay) && ax >= threshold) {
        DrawCurveLabel(page, style, ax, ay);
        placed = true;
      }
    }
    if (!placed) DrawCurveLabel(page, style, threshold, g.Y(calc.GroundwaterDepth));
  }
}

}  // namespace tavoro
