// The chart beyond its golden display lists: the scales' rounding over many ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "chart/chart.h"
#include "page/fixed_pitch_measurer.h"
#include "worked_example.h"

namespace tavoro::testing {
namespace {

// The 19 × 14 cm chart frame, 6 cm from the left and 2 cm from the top, in twips.
constexpr double kLeft = 6 * 1440 / 2.54, kTop = 2 * 1440 / 2.54;
constexpr double kRight = 25 * 1440 / 2.54, kBottom = 16 * 1440 / 2.54;

// Whether two page positions agree to a millionth of a twip.
constexpr auto Near = [](double a, double b) { return std::abs(a - b) < 1e-6; };

// The chart of calc recorded with the fixed-pitch measurer: at the chart's 10 pt an ASCII
// character is 100 twips wide, any other 200, a line 200 high.
using Commands = std::vector<PageCommand>;
Commands Draw(const CalculationCase& calc) {
  FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  page.StartDoc();
  BuildChartPage(page, calc, settings);
  return page.document().pages.at(0).commands;
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

// How many lines run from (x1, y1) to (x2, y2).
int Lines(const Commands& chart, double x1, double y1, double x2, double y2) {
  return std::ranges::count_if(All<LineCommand>(chart), [&](const LineCommand& l) {
    return Near(l.x1, x1) && Near(l.y1, y1) && Near(l.x2, x2) && Near(l.y2, y2);
  });
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
      if (t.direction == TextDirection::kHorizontal && Near(t.x + t.width, kLeft - 80))
        depths.push_back(t.text);
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

}  // namespace
}  // namespace tavoro::testing
