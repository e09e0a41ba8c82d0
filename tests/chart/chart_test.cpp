#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include "calc/compute_case.h"
#include "chart/chart.h"
#include "chart/chart_symbols.h"
#include "page/fixed_pitch_measurer.h"
#include "worked_example.h"

namespace tavoro::testing {
namespace {

// The 19 × 14 cm chart frame, 6 cm from the left and 2 cm from the top, in twips.
constexpr double kLeft = 6 * 1440 / 2.54, kTop = 2 * 1440 / 2.54;
constexpr double kRight = 25 * 1440 / 2.54, kBottom = 16 * 1440 / 2.54;

// Page x of a distance and y of a depth (m) on the worked example's scales:
// 100 m across the frame, 20 m down it.
constexpr auto X = [](double d) { return d * (kRight - kLeft) / 100 + kLeft; };
constexpr auto Y = [](double z) { return z * (kBottom - kTop) / 20 + kTop; };
// Whether two page positions agree to a millionth of a twip.
constexpr auto Near = [](double a, double b) { return std::abs(a - b) < 1e-6; };

CalculationCase Computed(CalculationCase calc) {
  ComputeCase(calc);
  return calc;
}

// What draw records on a fresh page with the fixed-pitch measurer: at the
// chart's 10 pt an ASCII character is 100 twips wide, any other 200, a line 200 high.
using Commands = std::vector<PageCommand>;
Commands Record(const std::function<void(PageSurface&)>& draw) {
  FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  page.StartDoc();
  draw(page);
  return page.document().pages.at(0).commands;
}
// The chart of calc.
Commands Draw(const CalculationCase& calc) {
  PageSettings settings;
  return Record([&](PageSurface& page) { BuildChartPage(page, calc, settings); });
}

// Every command of type T in chart, in drawing order.
template <typename T>
std::vector<T> All(const Commands& chart) {
  std::vector<T> found;
  for (const PageCommand& command : chart) {
    if (const auto* c = std::get_if<T>(&command)) found.push_back(*c);
  }
  return found;
}

// The texts reading text, and how many of them stand at (x, y) in the direction angle.
std::vector<TextCommand> Texts(const Commands& chart, std::string_view text) {
  auto found = All<TextCommand>(chart);
  std::erase_if(found, [&](const TextCommand& t) { return t.text != text; });
  return found;
}
int TextsAt(const Commands& chart, std::string_view text, double x, double y, int angle = 0) {
  return std::ranges::count_if(Texts(chart, text), [&](const TextCommand& t) {
    return Near(t.x, x) && Near(t.y, y) && t.angle == angle;
  });
}

// How many lines run from (x1, y1) to (x2, y2).
int Lines(const Commands& chart, double x1, double y1, double x2, double y2) {
  return std::ranges::count_if(All<LineCommand>(chart), [&](const LineCommand& l) {
    return Near(l.x1, x1) && Near(l.y1, y1) && Near(l.x2, x2) && Near(l.y2, y2);
  });
}

// The lines on page as x1 y1 x2 y2 …, to a hundredth of a twip when rounded.
std::vector<double> Polyline(const Commands& page, bool rounded = false) {
  std::vector<double> xy;
  for (const LineCommand& l : All<LineCommand>(page)) xy.insert(xy.end(), {l.x1, l.y1, l.x2, l.y2});
  for (double& v : xy) v = rounded ? std::round(v * 100) / 100 : v;
  return xy;
}

// How many of the 98 segments of curve c in curves, from the shaft wall on, chart drew.
int CurveSegments(const Commands& chart, const CalculationCase& curves, int c) {
  int drawn = 0;
  for (int i = 2; i < kCurvePoints; ++i) {
    drawn += Lines(chart, X(curves.CurveX[c][i]), Y(2 + curves.CurveS[c][i]),
                   X(curves.CurveX[c][i + 1]), Y(2 + curves.CurveS[c][i + 1]));
  }
  return drawn;
}

TEST(ChartSymbolsTest, ArrowMarksOfEveryKind) {
  using Row = std::tuple<std::int16_t, double, std::vector<double>>;  // kind, length, lines
  const Row rows[] = {
      {1, 3000, {100, 200,  80,  240,  80, 240,  120, 240,  120, 240,  100, 200,  100, 200,
                 100, 3200, 100, 3200, 80, 3160, 80,  3160, 120, 3160, 120, 3160, 100, 3200}},
      {2, 3000, {100,  200, 140,  220, 140,  220, 140,  180, 140,  180, 100,  200, 100,  200,
                 3100, 200, 3100, 200, 3060, 220, 3060, 220, 3060, 180, 3060, 180, 3100, 200}},
      {3, 1000, {100, 200, 100, 1200, 80, 1160, 100, 1200, 120, 1160, 100, 1200}},
      {4, 1000, {100, 200, -900, 200, -900, 200, -860, 180, -900, 200, -860, 220}},
      {5, 1000, {100, 200, 100, -800, 100, -800, 120, -760, 100, -800, 80, -760}},
      {6, 1000, {100, 200, 1100, 200, 1100, 200, 1060, 220, 1100, 200, 1060, 180}},
      {7, 160, {100, 200, 145.89, 265.53, 100, 200, 106.97, 279.7, 145.89, 265.53, 106.97, 279.7}},
      {8, 1000, {100, 200, 120, 160, 120, 160, 80, 160, 80, 160, 100, 200}},
      {9, 160, {100, 200, 122.94, 232.77, 100, 200, 103.49, 239.85}},
      // Unknown kinds, and a dimension line that would leave a lone head, draw nothing.
      {0, 500, {}},
      {10, 500, {}},
      {2, HUGE_VAL, {}}};
  for (const auto& [kind, length, xy] : rows) {  // from (100, 200), heads 40
    // Kinds 7 and 9 open toward 160°: their corners are given to a hundredth.
    const auto arrow =
        Record([&](PageSurface& p) { DrawArrowMark(p, 100, 200, length, kind, 40); });
    EXPECT_EQ(Polyline(arrow, kind == 7 || kind == 9), xy) << kind;
  }
}

TEST(ChartSymbolsTest, WaterLevelAndGroundMarks) {
  EXPECT_EQ(Polyline(Record([](PageSurface& p) { DrawWaterLevelMark(p, 1000, 2000, 150); })),
            (std::vector<double>{1000, 2000, 1075, 1900, 1000,  2000,   925,    1900,
                                 925,  1900, 1075, 1900, 887.5, 2037.5, 1112.5, 2037.5,
                                 925,  2075, 1075, 2075, 962.5, 2112.5, 1037.5, 2112.5}));

  // Groups of five strokes 4.5 units wide every 4 units, the unit the width
  // rounded half to even, tenth toward zero; up to three whole groups.
  // Rows: width, groups, unit, groups drawn.
  const double rows[][4] = {{400, 3, 40, 3},   {415, 1, 41, 1},   {419.5, 1, 42, 1},
                            {404.5, 1, 40, 1}, {400, 2.5, 40, 2}, {400, 0.99, 40, 0},
                            {400, 7, 40, 3},   {9.4, 3, 0, 0},    {9.5, 3, 1, 3}};
  for (const auto& [width, groups, unit, drawn] : rows) {
    std::vector<double> xy;
    for (double x = 1000, u = unit; x < 1000 + 4 * u * drawn; x += 4 * u) {
      xy.insert(xy.end(), {x,         2100, x + u,       2000, x + u,       2100, x + 2 * u, 2000,
                           x + 2 * u, 2100, x + 3 * u,   2000, x + 2.5 * u, 2050, x + 4 * u, 2100,
                           x + 3 * u, 2000, x + 4.5 * u, 2050});
    }
    const auto ground =
        Record([&](PageSurface& p) { DrawGroundMark(p, 1000, 2000, width, 100, groups); });
    EXPECT_EQ(Polyline(ground), xy) << width << " " << groups;
  }
}

TEST(WorkedExampleChart, ScalesWaterLevelsLeftColumnsAndCurves) {
  const CalculationCase calc = Computed(WorkedExample());
  const Commands chart = Draw(calc);
  for (int j = 0; j <= 21; ++j) EXPECT_EQ(Lines(chart, kLeft, Y(j), kLeft - 80, Y(j)), j <= 20);
  for (int d = 0; d <= 100; d += 10) EXPECT_EQ(Lines(chart, X(d), kBottom, X(d), kBottom + 80), 1);
  // Distance labels stand centred under their tick.
  EXPECT_EQ(TextsAt(chart, "100", kRight - 150, kBottom + 180), 1);

  EXPECT_EQ(All<CircleCommand>(chart).size(), 2u);
  EXPECT_EQ(TextsAt(chart, "GL -7.38", X(10) + 100, Y(2 + calc.PointS[1]) + 100), 1);
  EXPECT_EQ(TextsAt(chart, "GL -2.15", X(10) + 100, Y(2 + calc.PointS[2]) + 100), 1);
  // The static table runs from the shaft wall; its level ends at the right edge.
  EXPECT_EQ(Lines(chart, X(calc.r), Y(2), kRight, Y(2)), 1);
  EXPECT_EQ(TextsAt(chart, "GL - 2.00", kRight - 900, Y(2) - 200), 1);

  // Rising values centred on their spans: the natural case at 800 (10 m of
  // water under a drawdown of 8), the improved at 1150, the layer at 1500.
  EXPECT_EQ(TextsAt(chart, "10.000", kLeft - 1000, Y(10) + 1984 + 300, 900), 1);
  EXPECT_EQ(TextsAt(chart, "8.000", kLeft - 1000, Y(2) + 1587 + 250, 900), 1);
  EXPECT_NEAR(Texts(chart, "0.460").at(0).x, kLeft - 1350, 1e-6);
  EXPECT_NEAR(Texts(chart, "17.540").at(0).x, kLeft - 1350, 1e-6);
  EXPECT_EQ(TextsAt(chart, "20.000", kLeft - 1700, kTop + 3968 + 300, 900), 1);
  // The hatched ring stands in for the shaft wall line.
  EXPECT_EQ(All<RectangleCommand>(chart).size(), 1u);
  EXPECT_EQ(Lines(chart, X(calc.r), kTop, X(calc.r), kBottom), 0);

  EXPECT_EQ(CurveSegments(chart, calc, 1) + CurveSegments(chart, calc, 2), 2 * 98);
  // The natural label hangs from the first curve point past kRight - 2800;
  // the improved curve ends at R2, so its label hangs from the water table.
  int p = 2;
  while (p < kCurvePoints && X(calc.CurveX[1][p]) < kRight - 2800) ++p;
  const double ax = X(calc.CurveX[1][p]), ay = Y(2 + calc.CurveS[1][p]);
  EXPECT_EQ(TextsAt(chart, "改良前低下水位曲線", ax + 500, ay + 800), 1);
  EXPECT_EQ(Lines(chart, ax, ay, ax + 400, ay + 1000), 1);
  EXPECT_EQ(TextsAt(chart, "改良後低下水位曲線", kRight - 2000, Y(2) + 300), 1);
  EXPECT_EQ(Lines(chart, kRight - 2300, Y(2), kRight - 2100, Y(2) + 500), 1);
}

TEST(WorkedExampleChart, DimensionRowsUnderTheFrame) {
  const CalculationCase calc = Computed(WorkedExample());
  const Commands chart = Draw(calc);
  const double wall = X(calc.r);  // 343 twips from the centre line: a narrow shaft
  const double rowY = kBottom + 1100;
  EXPECT_EQ(TextsAt(chart, "換算円半径", kLeft + 171 - 500, rowY - 600), 1);
  EXPECT_EQ(TextsAt(chart, "改良範囲", wall + 107 - 400, rowY - 400), 1);
  EXPECT_EQ(TextsAt(chart, "2.000", wall + 107 - 250, rowY - 200), 1);
  // Centred over r, "3.183" would run into "2.000": it ends 100 twips before it.
  EXPECT_EQ(TextsAt(chart, "3.183", wall + 107 - 250 - 100 - 500, rowY - 200), 1);
  for (const double x : {kLeft, wall, X(calc.r + 2)}) {
    EXPECT_EQ(Lines(chart, x, kBottom + 500, x, kBottom + 1150), 1) << x;
  }

  // The improved radius (1485 twips) first, with its end extension line; the
  // natural one below it, cut at the right edge without one.
  const double end2 = X(calc.R[2]);
  EXPECT_EQ(TextsAt(chart, "改良後影響半径13.789m", kLeft + 742 - 1050, kBottom + 1200), 1);
  EXPECT_EQ(Lines(chart, kLeft, kBottom + 1400, end2, kBottom + 1400), 1);
  EXPECT_EQ(Lines(chart, end2, kBottom + 500, end2, kBottom + 1450), 1);
  EXPECT_EQ(TextsAt(chart, "改良前影響半径240.000m", kLeft + 5386 - 1100, kBottom + 1500), 1);
  EXPECT_EQ(Lines(chart, kLeft, kBottom + 1700, kRight, kBottom + 1700), 1);
  EXPECT_EQ(Lines(chart, kLeft, kBottom + 500, kLeft, kBottom + 1750), 1);
  EXPECT_EQ(Lines(chart, kRight, kBottom + 500, kRight, kBottom + 1750), 0);

  // A wide shaft (r 31.8 m, 3429 twips) keeps its radius centred and raises
  // the ring's caption instead.
  CalculationCase wide = WorkedExample();
  wide.L = 200;
  const Commands wideChart = Draw(wide = Computed(wide));
  EXPECT_EQ(TextsAt(wideChart, "31.831", kLeft + 1714 - 300, rowY - 200), 1);
  EXPECT_EQ(TextsAt(wideChart, "換算円半径", kLeft + 1714 - 500, rowY - 400), 1);
  EXPECT_EQ(TextsAt(wideChart, "改良範囲", X(wide.r) + 107 - 400, rowY - 600), 1);
}

TEST(ChartTicksTest, DepthRoundsHalfToEvenAndDistanceStepsByATenthOfTheRoundedRange) {
  // Rows: impervious depth, range, last depth tick, distance tick step.
  const double rows[][4] = {{12.5, 100, 12, 10},
                            {12.6, 100, 13, 10},
                            {20, 95, 20, 9},
                            {20, 104.5, 20, 10},
                            {20, 9.5, 20, 1},
                            {20, 9.4, 20, 0},
                            // Beyond the 16-bit range; depth ticks stop at the 1000th metre.
                            {40000, 40000, 1000, 4000},
                            {20, 32767.5, 20, 3276}};
  for (const auto& [depth, range, lastDepth, step] : rows) {
    CalculationCase calc = WorkedExample(range);
    calc.ImperviousDepth = depth;
    const Commands chart = Draw(calc);
    std::vector<std::string> depths, distances, wantDepths, wantDistances;
    for (const TextCommand& t : All<TextCommand>(chart)) {
      if (t.angle == 0 && Near(t.x + t.width, kLeft - 80)) depths.push_back(t.text);
      if (Near(t.y, kBottom + 180)) distances.push_back(t.text);
    }
    for (int n = 0; n <= lastDepth; ++n) wantDepths.push_back(std::to_string(n));
    for (int n = 0; n <= 10; ++n)
      wantDistances.push_back(std::to_string(n * static_cast<int>(step)));
    EXPECT_EQ(depths, wantDepths) << depth;
    EXPECT_EQ(distances, wantDistances) << range;
    // The last ticks stand where their value falls on the scale: 13 m below
    // the frame, 90 m short of its edge, eleven ticks at once on the centre line.
    const double y = lastDepth * (kBottom - kTop) / depth + kTop;
    const double x = 10 * step * (kRight - kLeft) / range + kLeft;
    EXPECT_EQ(Lines(chart, kLeft, y, kLeft - 80, y), 1) << depth;
    EXPECT_EQ(Lines(chart, x, kBottom, x, kBottom + 80), step == 0 ? 11 : 1) << range;
  }
}

TEST(ChartImprovementTest, NoRingOrARingPastItsRadiusLeavesNoImprovedCurveOfAnEarlierRun) {
  const CalculationCase earlier = Computed(WorkedExample());
  for (const double B : {0.0, -2.0, 5.0}) {
    CalculationCase calc = earlier;
    calc.B = B;
    const Commands chart = Draw(calc = Computed(calc));
    EXPECT_EQ(CurveSegments(chart, earlier, 2), 0) << B;
    EXPECT_TRUE(Texts(chart, "改良後低下水位曲線").empty()) << B;
    EXPECT_EQ(All<CircleCommand>(chart).size(), 1u) << B;
    // The ring past R2 keeps what this run computed for it.
    EXPECT_EQ(Texts(chart, "改良後影響半径6.487m").size(), B > 0 ? 1u : 0u);
    EXPECT_EQ(Texts(chart, "0.216").size(), B > 0 ? 1u : 0u);
    EXPECT_EQ(All<RectangleCommand>(chart).size(), B > 0 ? 1u : 0u);
    if (B > 0) continue;
    for (const TextCommand& t : All<TextCommand>(chart)) {
      const std::string& s = t.text;
      EXPECT_TRUE(s.find("改良後") == s.npos && s != "改良範囲" && s != "0.000" && s != "-2.000")
          << s;
      // Columns only at 800 (natural) and 1150 (impermeable layer).
      EXPECT_TRUE(t.angle == 0 || Near(t.x, kLeft - 1000) || Near(t.x, kLeft - 1350)) << s;
    }
    EXPECT_EQ(Lines(chart, X(calc.r), kTop, X(calc.r), kBottom), 1);
    EXPECT_EQ(TextsAt(chart, "換算円半径", kLeft + 171 - 500, kBottom + 700), 1);
    EXPECT_EQ(TextsAt(chart, "改良前影響半径240.000m", kLeft + 5386 - 1100, kBottom + 1200), 1);
  }
}

// A value not computed shows the mark where its number would stand, and nothing is measured
// from it: no dimension line for R2, no drawdown column for S2, no dot for the point.
TEST(ChartNotComputedTest, MarkInPlaceOfTheValueAndNothingDrawnFromIt) {
  CalculationCase calc = Computed(WorkedExample());
  const Commands full = Draw(calc);
  calc.R[2] = calc.CurveS[2][kRingEdgePoint] = calc.PointS[1] = std::nan("");
  const Commands chart = Draw(calc);
  const double row2 = kBottom + 800 + 600;  // the R2 row
  EXPECT_EQ(TextsAt(chart, "改良後影響半径算定不能", kLeft + 5386 - 1100, row2 - 200), 1);
  EXPECT_EQ(Texts(chart, "算定不能").size(), 1u);  // one mark for the ring-edge column
  EXPECT_EQ(Texts(chart, "GL -算定不能").size(), 1u);
  EXPECT_EQ(All<CircleCommand>(chart).size(), 1u);  // only the improved point's dot
  for (const LineCommand& l : All<LineCommand>(chart)) {
    EXPECT_FALSE(Near(l.y1, row2) && Near(l.y2, row2)) << l.x1;
    EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                std::isfinite(l.y2));
  }
  // The R2 row's arrow (2 paths of 4) and the ring edge's drawdown arrows and level line go.
  EXPECT_EQ(All<LineCommand>(full).size() - All<LineCommand>(chart).size(), 8u + 1 + 16 + 1);
  for (const TextCommand& t : All<TextCommand>(chart)) {
    EXPECT_EQ(t.text.find("NaN"), std::string::npos);
  }
}

TEST(ChartRobustnessTest, ExtremeAndDegenerateInputsGiveBoundedFiniteChartsQuickly) {
  using C = CalculationCase;
  std::vector<C> cases = {C{}};
  for (double C::*field : {&C::GroundwaterDepth, &C::ImperviousDepth, &C::ExcavationDepth, &C::L,
                           &C::kn, &C::B, &C::kg, &C::PointDistance, &C::CalcRange}) {
    for (const double value : {0.0, -5.0, -1e300, 1e300, 1e-300, 5.0, 30000.0, 32767.5, 1e9}) {
      cases.push_back(WorkedExample());
      cases.back().*field = value;  // B 5 puts the ring past R2
    }
  }
  for (const C& calc : cases) {
    const auto start = std::chrono::steady_clock::now();
    const Commands chart = Draw(Computed(calc));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_LE(chart.size(), 3000u);
    for (const PageCommand& command : chart) {
      const std::vector<double> xy = std::visit(
          [](const auto& c) {
            if constexpr (requires { c.x1; })
              return std::vector<double>{c.x1, c.y1, c.x2, c.y2};
            else
              return std::vector<double>{c.x, c.y};
          },
          command);
      ASSERT_TRUE(std::ranges::all_of(xy, [](double v) { return std::isfinite(v); }));
    }
  }
}

TEST(WorkedExampleChart, ProjectHeaderInTheTopMarginMovesNothingOfTheChart) {
  const CalculationCase calc = Computed(WorkedExample());
  PageSettings settings;
  const Commands plain = Draw(calc);
  const Commands headed = Record([&](PageSurface& page) {
    BuildChartPage(page, calc, settings, {"", "1号立坑", "", "2024-05-01", ""});
  });

  ASSERT_EQ(headed.size(), plain.size() + 2);
  const auto& name = std::get<TextCommand>(headed[0]);
  const auto& date = std::get<TextCommand>(headed[1]);
  EXPECT_EQ(name.text, "立坑名：1号立坑");
  EXPECT_EQ(date.text, "2024-05-01");
  // Landscape: the date ends 20 mm from the right paper edge.
  EXPECT_DOUBLE_EQ(date.x + date.width, (297 - 20) * 1440 / 25.4);
  EXPECT_LT(name.y + name.height, 15 * 1440 / 25.4);
  EXPECT_TRUE(std::equal(headed.begin() + 2, headed.end(), plain.begin()));
}

// Drawings carry their kind for CAD layers: the frame, the scale ticks, the
// water tables with their curves and marks, the hatched ring, and the dotted
// dimension lines each on their own.
TEST(WorkedExampleChart, EveryDrawingIsOnTheLayerOfItsKind) {
  const Commands chart = Draw(Computed(WorkedExample()));
  for (const LineCommand& line : All<LineCommand>(chart)) {
    EXPECT_NE(line.layer, DrawingLayer::kNone) << line.x1 << " " << line.y1;
    if (line.pen.style == kPenDotted) {
      EXPECT_EQ(line.layer, DrawingLayer::kDimension);
    }
  }
  for (const CircleCommand& circle : All<CircleCommand>(chart)) {
    EXPECT_EQ(circle.layer, DrawingLayer::kWater);
  }
  EXPECT_EQ(All<RectangleCommand>(chart).at(0).layer, DrawingLayer::kImprovement);
  const auto on = [&](double x1, double y1, double x2, double y2) {
    for (const LineCommand& line : All<LineCommand>(chart)) {
      if (Near(line.x1, x1) && Near(line.y1, y1) && Near(line.x2, x2) && Near(line.y2, y2)) {
        return line.layer;
      }
    }
    return DrawingLayer::kNone;
  };
  EXPECT_EQ(on(kLeft, Y(5), kLeft - 80, Y(5)), DrawingLayer::kScale);
  EXPECT_EQ(on(X(3.1830988618379101), Y(2), kRight, Y(2)), DrawingLayer::kWater);
}

}  // namespace
}  // namespace tavoro::testing
