// The chart beyond its golden display lists: the scales' rounding over many ranges and what an
// earlier run left in the improved slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/compute_case.h"
#include "chart/chart.h"
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

// The texts reading text.
std::vector<TextCommand> Texts(const Commands& chart, std::string_view text) {
  auto found = All<TextCommand>(chart);
  std::erase_if(found, [&](const TextCommand& t) { return t.text != text; });
  return found;
}

// How many lines run from (x1, y1) to (x2, y2).
int Lines(const Commands& chart, double x1, double y1, double x2, double y2) {
  return std::ranges::count_if(All<LineCommand>(chart), [&](const LineCommand& l) {
    return Near(l.x1, x1) && Near(l.y1, y1) && Near(l.x2, x2) && Near(l.y2, y2);
  });
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
    }
  }
}

}  // namespace
}  // namespace tavoro::testing
