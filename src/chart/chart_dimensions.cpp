#include "chart/chart_dimensions.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "calc/number_format.h"
#include "chart/chart_statement.h"
#include "chart/chart_symbols.h"

namespace tavoro {
namespace {

constexpr double kArrowSize = 50;
// Least space between two labels that share a dimension line.
constexpr double kLabelGap = 100;

std::string Length(double metres) {
  if (!IsComputed(metres)) return kNotComputedMark;
  return FormatNumber(metres, NumberPattern::kThreeDecimals);
}

// Curve point whose drawdown the left columns show: the shaft wall for the
// natural case, the ring's outer edge for the improved one.
int ReferencePoint(int c) {
  return c == kNatural ? 2 : kRingEdgePoint;
}

}  // namespace

void DrawRadiusRow(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  const double lineY = g.Bottom() + 1100;
  std::int16_t m = 2;

  const double rLen = calc.r * g.horizontalScale;
  const double bLen = calc.B * g.horizontalScale;
  std::string label = Length(calc.r);
  RunStatement([&] {
    double x = (g.left + Half(rLen)) - Half(page.TextWidth(label));
    if (chart.improved) {
      // A narrow shaft would print its radius over the ring width on the same
      // line: the radius then gives way to the left.
      const std::string width = Length(calc.B);
      const double widthLeft = ((g.left + rLen) + Half(bLen)) - Half(page.TextWidth(width));
      x = std::min(x, widthLeft - kLabelGap - page.TextWidth(label));
    }
    PlaceText(page, x, lineY - page.TextHeight(label) * 1, label);
  });
  label = "換算円半径";
  if (rLen < 1000 && chart.improved) m = 3;
  RunStatement([&] {
    PlaceText(page, (g.left + Half(rLen)) - Half(page.TextWidth(label)),
              lineY - page.TextHeight(label) * m, label);
  });
  RunStatement([&] { DrawCheckedLine(page, g.left, g.Bottom() + 500, g.left, g.Bottom() + 1150); });
  RunStatement([&] {
    DrawCheckedLine(page, g.left + rLen, g.Bottom() + 500, g.left + rLen, g.Bottom() + 1150);
  });
  DrawArrowMark(page, g.left, lineY, rLen, kArrowDimensionHorizontal, kArrowSize);
  if (!chart.improved) return;

  double cx = std::numeric_limits<double>::quiet_NaN();
  RunStatement([&] { cx = (g.left + rLen) + Half(bLen); });
  label = Length(calc.B);
  RunStatement([&] {
    PlaceText(page, cx - Half(page.TextWidth(label)), lineY - page.TextHeight(label) * 1, label);
  });
  label = "改良範囲";
  m = (bLen < 800 && m == 2) ? 3 : 2;
  RunStatement([&] {
    PlaceText(page, cx - Half(page.TextWidth(label)), lineY - page.TextHeight(label) * m, label);
  });
  RunStatement([&] {
    DrawCheckedLine(page, g.left + rLen + bLen, g.Bottom() + 500, g.left + rLen + bLen,
                    g.Bottom() + 1150);
  });
  DrawArrowMark(page, g.left + rLen, lineY, bLen, kArrowDimensionHorizontal, kArrowSize);
}

void DrawInfluenceRows(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  std::int16_t row = 1;
  const std::vector<int> cases =
      chart.improved ? std::vector<int>{kImproved, kNatural} : std::vector<int>{kNatural};
  for (const int c : cases) {
    ++row;
    const double lineY = (g.Bottom() + 800) + 300 * row;
    const double extensionEnd = (g.Bottom() + 850) + 300 * row;
    std::string name = c == kNatural ? "改良前影響半径" : "改良後影響半径";
    if (calc.ground.radiusMethod != RadiusMethod::kSichardt) {
      name += std::string("（") + RadiusMethodName(calc.ground.radiusMethod) + "）";
    }
    if (!IsComputed(calc.R[c])) {
      // Nothing to measure: the name and the mark stand mid-frame, no dimension.
      const std::string label = name + kNotComputedMark;
      RunStatement([&] {
        PlaceText(page, (g.left + Half(g.width)) - Half(page.TextWidth(label)),
                  lineY - page.TextHeight(label) * 1, label);
      });
      continue;
    }
    const std::string label = name + Length(calc.R[c]) + "m";
    const bool withinRange = calc.CalcRange > calc.R[c];
    const double drawn = withinRange ? calc.R[c] : calc.CalcRange;
    const double len = drawn * g.horizontalScale;
    RunStatement([&] {
      PlaceText(page, (g.left + Half(len)) - Half(page.TextWidth(label)),
                lineY - page.TextHeight(label) * 1, label);
    });
    RunStatement([&] { DrawCheckedLine(page, g.left, g.Bottom() + 500, g.left, extensionEnd); });
    if (withinRange) {
      RunStatement([&] {
        DrawCheckedLine(page, g.left + len, g.Bottom() + 500, g.left + len, extensionEnd);
      });
    }
    DrawArrowMark(page, g.left, lineY, len, kArrowDimensionHorizontal, kArrowSize);
  }
}

void DrawPointDimension(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  const double pLen = calc.PointDistance * g.horizontalScale;
  const double gwLen = calc.GroundwaterDepth * g.verticalScale;
  double midY = std::numeric_limits<double>::quiet_NaN();
  RunStatement([&] { midY = g.top + Half(gwLen); });

  std::string label = Length(calc.PointDistance) + "m";
  RunStatement([&] {
    PlaceText(page, (g.left + Half(pLen)) - Half(page.TextWidth(label)),
              midY - page.TextHeight(label) * 1, label);
  });
  label = "着目点";
  RunStatement([&] {
    PlaceText(page, (g.left + Half(pLen)) - Half(page.TextWidth(label)),
              midY - page.TextHeight(label) * 2, label);
  });
  DrawArrowMark(page, g.left, midY, pLen, kArrowDimensionHorizontal, kArrowSize);
  page.SetPenWidth(0);
  page.SetPenStyle(PenStyle::kDotted);
  RunStatement([&] { DrawCheckedLine(page, g.left + pLen, midY - 50, g.left + pLen, g.Bottom()); });
  page.SetPenWidth(10);
  page.SetPenStyle(PenStyle::kSolid);
}

void DrawDepthColumns(ChartContext& chart) {
  const ChartGeometry& g = chart.geometry;
  const CalculationCase& calc = chart.calc;
  PageSurface& page = chart.page;
  page.SetTextDirection(TextDirection::kRising);
  const double extensionStart = g.left - 600;
  std::int16_t column = 0;
  for (const int c : chart.Cases()) {
    ++column;
    const int p = ReferencePoint(c);
    const double x = g.left - (800 + 350 * (c - 1));
    const double outer = g.left - (850 + 350 * (c - 1));
    const double drawdown = calc.CurveS[c][p];
    const double lowLen = (calc.GroundwaterDepth + drawdown) * g.verticalScale;
    const double restLen = g.height - lowLen;
    const double gwLen = calc.GroundwaterDepth * g.verticalScale;
    const double sLen = g.verticalScale * drawdown;
    if (!IsComputed(drawdown)) {
      // The mark stands in the column below the water table; nothing is measured.
      const std::string mark = kNotComputedMark;
      RunStatement([&] {
        PlaceText(page, x - page.TextHeight(mark),
                  g.top + (Half(g.height - gwLen) + gwLen) + Half(page.TextWidth(mark)), mark);
      });
      for (const double y : {g.top + gwLen, g.Bottom()}) {
        RunStatement([&] { DrawCheckedLine(page, extensionStart, y, outer, y); });
      }
      continue;
    }

    std::string label = Length((calc.ImperviousDepth - drawdown) - calc.GroundwaterDepth);
    RunStatement([&] {
      PlaceText(page, x - page.TextHeight(label),
                g.top + (Half(restLen) + lowLen) + Half(page.TextWidth(label)), label);
    });
    label = Length(drawdown);
    RunStatement([&] {
      PlaceText(page, x - page.TextHeight(label),
                g.top + (Half(lowLen - gwLen) + gwLen) + Half(page.TextWidth(label)), label);
    });
    for (const double y : {g.top + gwLen, g.top + lowLen, g.Bottom()}) {
      RunStatement([&] { DrawCheckedLine(page, extensionStart, y, outer, y); });
    }
    DrawArrowMark(page, x, g.top + gwLen, sLen, kArrowDimensionVertical, kArrowSize);
    DrawArrowMark(page, x, g.top + lowLen, restLen, kArrowDimensionVertical, kArrowSize);
  }

  const double x = g.left - (800 + 350 * column);
  const double outer = g.left - (850 + 350 * column);
  const double dLen = calc.ImperviousDepth * g.verticalScale;
  const std::string label = Length(calc.ImperviousDepth);
  RunStatement([&] {
    PlaceText(page, x - page.TextHeight(label), (g.top + Half(dLen)) + Half(page.TextWidth(label)),
              label);
  });
  RunStatement([&] { DrawCheckedLine(page, extensionStart, g.top, outer, g.top); });
  RunStatement([&] { DrawCheckedLine(page, extensionStart, g.Bottom(), outer, g.Bottom()); });
  DrawArrowMark(page, x, g.top, g.height, kArrowDimensionVertical, kArrowSize);
}

}  // namespace tavoro
