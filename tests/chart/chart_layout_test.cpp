#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/compute_case.h"
#include "chart_recording.h"

namespace tavoro::testing {
namespace {

CalculationCase Inputs(double B) {
  CalculationCase calc;
  calc.GroundwaterDepth = 2;
  calc.ImperviousDepth = 20;
  calc.ExcavationDepth = 10;
  calc.L = 20;
  calc.kn = 0.0001;
  calc.B = B;
  calc.kg = 0.000001;
  calc.PointDistance = 10;
  calc.CalcRange = 100;
  return calc;
}

// Texts of the depth axis ticks, in drawing order: the run of whole numbers
// placed right of nothing but left of the frame, at angle 0.
std::vector<std::string> DepthLabels(const Recording& chart) {
  std::vector<std::string> labels;
  for (const TextCommand& t : chart.Texts()) {
    if (t.angle == 0 && std::abs(t.x + t.width - (kLeft - 80)) < 1e-6) labels.push_back(t.text);
  }
  return labels;
}

std::vector<TextCommand> DistanceLabels(const Recording& chart) {
  std::vector<TextCommand> labels;
  for (const TextCommand& t : chart.Texts()) {
    if (std::abs(t.y - (kBottom + 180)) < 1e-6) labels.push_back(t);
  }
  return labels;
}

std::vector<std::string> Numbers(int first, int last, int step = 1) {
  std::vector<std::string> numbers;
  for (int n = first; n <= last; n += step) numbers.push_back(std::to_string(n));
  return numbers;
}

TEST(ChartAxesTest, DepthTicksRoundTheImperviousDepthHalfToEven) {
  CalculationCase calc = Inputs(0);
  calc.ImperviousDepth = 12.5;
  Recording even;
  even.BuildChart(calc);
  EXPECT_EQ(DepthLabels(even), Numbers(0, 12));

  calc.ImperviousDepth = 12.6;
  Recording up;
  up.BuildChart(calc);
  EXPECT_EQ(DepthLabels(up), Numbers(0, 13));
  // The 13 m tick and its label lie below the bottom edge.
  const double y13 = 13 * (kHeight / 12.6) + kTop;
  EXPECT_GT(y13, kBottom);
  EXPECT_EQ(CountLines(up.Lines(), kLeft, y13, kLeft - 80, y13), 1);
  EXPECT_NEAR(up.TextsReading("13").at(0).y, y13 - 100, 1e-9);
}

TEST(ChartAxesTest, DistanceTicksStepByATenthOfTheRoundedRange) {
  const auto labelsFor = [](double range) {
    CalculationCase calc = Inputs(0);
    calc.CalcRange = range;
    Recording chart;
    chart.BuildChart(calc);
    std::vector<std::string> texts;
    for (const TextCommand& t : DistanceLabels(chart)) texts.push_back(t.text);
    return texts;
  };
  EXPECT_EQ(labelsFor(95), Numbers(0, 90, 9));
  EXPECT_EQ(labelsFor(104.5), Numbers(0, 100, 10));
  EXPECT_EQ(labelsFor(9.5), Numbers(0, 10, 1));
  EXPECT_EQ(labelsFor(9.4), std::vector<std::string>(11, "0"));

  // CalcRange 95: the last tick stops short of the right edge.
  CalculationCase calc = Inputs(0);
  calc.CalcRange = 95;
  Recording chart;
  chart.BuildChart(calc);
  const double x90 = 90 * (kWidth / 95) + kLeft;
  EXPECT_LT(x90, kRight);
  EXPECT_EQ(CountLines(chart.Lines(), x90, kBottom, x90, kBottom + 80), 1);

  // Below 9.5 all eleven ticks stand on the left edge.
  calc.CalcRange = 9.4;
  Recording collapsed;
  collapsed.BuildChart(calc);
  EXPECT_EQ(CountLines(collapsed.Lines(), kLeft, kBottom, kLeft, kBottom + 80), 11);
}

// Everything that belongs to the improved case only.
void ExpectNoImprovedElements(const Recording& chart) {
  EXPECT_FALSE(chart.HasTextContaining("改良範囲"));
  EXPECT_FALSE(chart.HasTextContaining("改良後影響半径"));
  EXPECT_FALSE(chart.HasTextContaining("改良後低下水位曲線"));
  EXPECT_TRUE(chart.Rectangles().empty());
  EXPECT_EQ(chart.Circles().size(), 1u);
  // Columns at 800 (natural) and 1150 (impermeable layer) only.
  for (const TextCommand& t : chart.Texts()) {
    if (t.angle == 900) {
      EXPECT_TRUE(std::abs(t.x - (kLeft - 1000)) < 1e-6 || std::abs(t.x - (kLeft - 1350)) < 1e-6)
          << t.text;
    }
  }
  EXPECT_NEAR(chart.TextsReading("20.000").at(0).x, kLeft - 1350, 1e-6);
}

TEST(ChartImprovementTest, WithoutRingOnlyTheNaturalCaseAndTheShaftWall) {
  // A ring computed earlier must not leak into a run without one.
  CalculationCase calc = Inputs(2);
  ComputeCase(calc);
  calc.B = 0;
  ComputeCase(calc);
  Recording chart;
  chart.BuildChart(calc);
  ExpectNoImprovedElements(chart);
  const double wallX = calc.r * kWidth / 100 + kLeft;
  EXPECT_EQ(CountLines(chart.Lines(), wallX, kTop, wallX, kBottom), 1);
  // One radius row, 1400 below the frame.
  EXPECT_NEAR(chart.TextsReading("改良前影響半径240.000m").at(0).y, kBottom + 1400 - 200, 1e-6);
  // r alone never raises its caption.
  EXPECT_NEAR(chart.TextsReading("換算円半径").at(0).y, kBottom + 1100 - 400, 1e-6);
}

TEST(ChartImprovementTest, NegativeRingWidthIsNoRing) {
  CalculationCase calc = Inputs(2);
  ComputeCase(calc);
  calc.B = -2;
  ComputeCase(calc);
  Recording chart;
  chart.BuildChart(calc);
  ExpectNoImprovedElements(chart);
  EXPECT_FALSE(chart.HasTextContaining("-2.000"));
}

TEST(ChartImprovementTest, RingPastItsRadiusShowsItsValuesButNoStaleCurve) {
  CalculationCase calc = Inputs(2);
  ComputeCase(calc);
  const CalculationCase earlier = calc;
  calc.B = 5;
  ComputeCase(calc);
  ASSERT_FALSE(calc.ImprovedCurveComputed);
  ASSERT_GT(calc.r + calc.B, calc.R[2]);
  Recording chart;
  chart.BuildChart(calc);

  EXPECT_FALSE(chart.HasTextContaining("改良後低下水位曲線"));
  EXPECT_TRUE(chart.HasTextContaining("改良前低下水位曲線"));
  EXPECT_EQ(chart.Circles().size(), 1u);
  const auto lines = chart.Lines();
  const auto X = [](double d) { return d * kWidth / 100 + kLeft; };
  const auto Y = [](double z) { return z * kHeight / 20 + kTop; };
  for (int i = 10; i < kCurvePoints; ++i) {
    EXPECT_EQ(CountLines(lines, X(earlier.CurveX[2][i]), Y(2 + earlier.CurveS[2][i]),
                         X(earlier.CurveX[2][i + 1]), Y(2 + earlier.CurveS[2][i + 1])),
              0)
        << i;
  }
  // What this run computed for the ring still shows.
  EXPECT_EQ(chart.TextsReading("改良後影響半径6.487m").size(), 1u);
  EXPECT_NEAR(chart.TextsReading("0.216").at(0).x, kLeft - 1150 - 200, 1e-6);
  EXPECT_EQ(chart.TextsReading("改良範囲").size(), 1u);
  EXPECT_EQ(chart.Rectangles().size(), 1u);
}

TEST(ChartImprovementTest, NarrowRingRaisesItsCaptionOnlyWhenTheRadiusStaysDown) {
  // A wide shaft (L 200, r ≈ 31.8 m, rLen ≈ 3429) and a 2 m ring (≈ 215).
  CalculationCase calc = Inputs(2);
  calc.L = 200;
  ComputeCase(calc);
  Recording chart;
  chart.BuildChart(calc);
  EXPECT_NEAR(chart.TextsReading("換算円半径").at(0).y, kBottom + 1100 - 400, 1e-6);
  EXPECT_NEAR(chart.TextsReading("改良範囲").at(0).y, kBottom + 1100 - 600, 1e-6);
  // The radius has room beside the ring width: it stays centred over r.
  const double rLen = calc.r * kWidth / 100;
  const double rHalf = std::floor(std::nearbyint(rLen) / 2);
  EXPECT_NEAR(chart.TextsReading("31.831").at(0).x, kLeft + rHalf - 300, 1e-6);
}

TEST(ChartImprovementTest, RadiusEqualToTheRangeHasNoEndExtensionLine) {
  CalculationCase calc = Inputs(0);
  ComputeCase(calc);
  calc.CalcRange = calc.R[1];  // 240, drawn at the right edge
  Recording chart;
  chart.BuildChart(calc);
  EXPECT_EQ(CountLines(chart.Lines(), kLeft, kBottom + 1400, kRight, kBottom + 1400), 1);
  EXPECT_EQ(CountLines(chart.Lines(), kRight, kBottom + 500, kRight, kBottom + 1450), 0);
}

TEST(ChartImprovementTest, PointWithoutValuesHasNoDotButKeepsItsDimension) {
  CalculationCase calc = Inputs(2);
  calc.PointDistance = 4;  // inside the ring: no improved value there
  ComputeCase(calc);
  ASSERT_EQ(calc.PointS[2], 0);
  Recording chart;
  chart.BuildChart(calc);
  EXPECT_EQ(chart.Circles().size(), 1u);
  EXPECT_EQ(chart.TextsReading("4.000m").size(), 1u);
  EXPECT_EQ(chart.TextsReading("着目点").size(), 1u);
}

TEST(ChartOrderTest, HatchAfterTheColumnsThenHorizontalCurveLabelsAndAReset) {
  CalculationCase calc = Inputs(2);
  ComputeCase(calc);
  Recording chart;
  chart.BuildChart(calc);
  const auto& commands = chart.Commands();
  int rectangle = -1;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (std::holds_alternative<RectangleCommand>(commands[i])) rectangle = static_cast<int>(i);
  }
  EXPECT_GT(rectangle, chart.IndexOfText("20.000"));
  EXPECT_LT(rectangle, chart.IndexOfText("改良前低下水位曲線"));
  EXPECT_LT(chart.IndexOfText("GL -7.38"), chart.IndexOfText("0"));
  EXPECT_LT(chart.IndexOfText("100"), chart.IndexOfText("GL"));
  EXPECT_EQ(chart.page().BrushStyle(), kBrushSolid);
  EXPECT_EQ(chart.page().TextAngle(), 0);
  EXPECT_EQ(chart.page().PenWidth(), 10);
  EXPECT_EQ(chart.page().PenStyle(), kPenSolid);
}

}  // namespace
}  // namespace tavoro::testing
