#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "calc/compute_case.h"
#include "chart_recording.h"

namespace tavoro::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t kMaxCommands = 3000;

bool AllFinite(std::initializer_list<double> values) {
  for (const double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool CommandIsFinite(const PageCommand& command) {
  return std::visit(
      [](const auto& c) {
        using T = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<T, TextCommand>) {
          return AllFinite({c.x, c.y, c.width, c.height});
        } else if constexpr (std::is_same_v<T, LineCommand>) {
          return AllFinite({c.x1, c.y1, c.x2, c.y2, c.pen.width});
        } else if constexpr (std::is_same_v<T, CircleCommand>) {
          return AllFinite({c.x, c.y, c.radius});
        } else {
          return AllFinite({c.x1, c.y1, c.x2, c.y2});
        }
      },
      command);
}

CalculationCase WorkedInputs() {
  CalculationCase calc;
  calc.GroundwaterDepth = 2;
  calc.ImperviousDepth = 20;
  calc.ExcavationDepth = 10;
  calc.L = 20;
  calc.kn = 0.0001;
  calc.B = 2;
  calc.kg = 0.000001;
  calc.PointDistance = 10;
  calc.CalcRange = 100;
  return calc;
}

double& Field(CalculationCase& calc, int field) {
  double* fields[] = {&calc.GroundwaterDepth,
                      &calc.ImperviousDepth,
                      &calc.ExcavationDepth,
                      &calc.L,
                      &calc.kn,
                      &calc.B,
                      &calc.kg,
                      &calc.PointDistance,
                      &calc.CalcRange};
  return *fields[field];
}

// Draws calc and checks the page: finished, finite, bounded, quick.
void ExpectSoundChart(const CalculationCase& calc, const std::string& what) {
  Recording chart;
  const auto start = std::chrono::steady_clock::now();
  chart.BuildChart(calc);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::milliseconds(250)) << what;
  ASSERT_TRUE(chart.page().document().finished) << what;
  const auto& commands = chart.Commands();
  EXPECT_LE(commands.size(), kMaxCommands) << what;
  // The frame is always there.
  EXPECT_GE(commands.size(), 4u) << what;
  for (const PageCommand& command : commands) {
    ASSERT_TRUE(CommandIsFinite(command)) << what;
  }
}

TEST(ChartRobustnessTest, ExtremeInputsThroughTheComputationGiveSoundCharts) {
  const double extremes[] = {0, -5, -1e300, 1e300, 1e-300, 32767.5, 40000, 1e9};
  for (int field = 0; field < 9; ++field) {
    for (const double value : extremes) {
      CalculationCase calc = WorkedInputs();
      Field(calc, field) = value;
      ComputeCase(calc);
      ExpectSoundChart(calc, "field " + std::to_string(field) + " = " + std::to_string(value));
    }
  }
  // Every field zero, and every field huge, at once.
  CalculationCase zero;
  ComputeCase(zero);
  ExpectSoundChart(zero, "all zero");
  CalculationCase huge;
  for (int field = 0; field < 9; ++field) Field(huge, field) = 1e300;
  ComputeCase(huge);
  ExpectSoundChart(huge, "all 1e300");
}

TEST(ChartRobustnessTest, NonFiniteResultsAreSkippedWhileTheRestIsDrawn) {
  CalculationCase calc = WorkedInputs();
  ComputeCase(calc);
  for (const double bad : {kInf, -kInf, kNaN}) {
    CalculationCase broken = calc;
    broken.r = bad;
    broken.R[1] = bad;
    broken.R[2] = bad;
    broken.PointS[1] = bad;
    broken.CurveX[1][50] = bad;
    broken.CurveS[2][10] = bad;
    broken.CurveS[2][60] = bad;
    ExpectSoundChart(broken, "non-finite results");
  }
  // A corrupted curve point costs only its two segments.
  CalculationCase one = calc;
  one.CurveS[1][50] = kNaN;
  Recording chart;
  chart.BuildChart(one);
  Recording intact;
  intact.BuildChart(calc);
  EXPECT_EQ(chart.Lines().size() + 2, intact.Lines().size());
}

TEST(ChartRobustnessTest, ZeroDepthOrRangeLeavesTheOtherScaleDrawn) {
  CalculationCase calc = WorkedInputs();
  ComputeCase(calc);
  calc.ImperviousDepth = 0;
  Recording noDepth;
  noDepth.BuildChart(calc);
  // The distance axis still has all eleven labelled ticks.
  EXPECT_EQ(noDepth.TextsReading("100").size(), 1u);
  EXPECT_EQ(noDepth.TextsReading("不透水層").size(), 1u);
  EXPECT_TRUE(noDepth.TextsReading("GL -7.38").empty());

  calc = WorkedInputs();
  ComputeCase(calc);
  calc.CalcRange = 0;
  Recording noRange;
  noRange.BuildChart(calc);
  EXPECT_EQ(noRange.TextsReading("20").size(), 1u);
  EXPECT_EQ(noRange.TextsReading("GL - 2.00").size(), 1u);
  EXPECT_EQ(noRange.TextsReading("20.000").size(), 1u);
  EXPECT_TRUE(noRange.TextsReading("着目点").empty());
}

TEST(ChartRobustnessTest, DepthTicksAreBoundedAndOverflowKeepsOnlyTheFirst) {
  CalculationCase calc = WorkedInputs();
  ComputeCase(calc);
  calc.ImperviousDepth = 30000;
  Recording deep;
  deep.BuildChart(calc);
  EXPECT_EQ(deep.TextsReading("1000").size(), 1u);
  EXPECT_TRUE(deep.TextsReading("1001").empty());
  EXPECT_LE(deep.Commands().size(), kMaxCommands);

  // Beyond the 16-bit range the count is not converted: only tick 0 stands.
  calc.ImperviousDepth = 32767.5;
  Recording overflow;
  overflow.BuildChart(calc);
  EXPECT_EQ(CountLines(overflow.Lines(), kLeft, kTop, kLeft - 80, kTop), 1);
  EXPECT_TRUE(overflow.TextsReading("1").empty());
}

}  // namespace
}  // namespace tavoro::testing
