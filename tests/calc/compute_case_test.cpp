#include "calc/compute_case.h"

#include <cmath>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "worked_example.h"

namespace tavoro {
namespace {

constexpr double kSentinel = -777;

// Slot 2 past the ring edge: all that a run ending at the ring check leaves alone.
auto PastTheRingEdge(CalculationCase c) {
  c.CurveX[2][kRingEdgePoint] = c.CurveY[2][kRingEdgePoint] = c.CurveS[2][kRingEdgePoint] = 0;
  return std::tuple(c.CurveX[2], c.CurveY[2], c.CurveS[2], c.PointY[2], c.PointS[2]);
}

// Every tabulated value to six significant digits, with CalcRange 100 and 30: the range moves
// only the natural curve (its step d1, point 50 and its end).
TEST(ComputeCaseTest, WorkedExampleWithRange100And30) {
  for (const auto& [end, d1, x50, y50] : {std::tuple{100.0, 0.987928, 50.6036, 15.5993},
                                          std::tuple{30.0, 0.273642, 16.3179, 13.5902}}) {
    SCOPED_TRACE(end);
    CalculationCase c = testing::WorkedExample(end);
    ComputeCase(c);
    EXPECT_EQ(std::tuple(c.H, c.S[1], c.h[1], c.ImprovedCurveComputed),
              std::tuple(18, 8, 10, true));
    const auto &x1 = c.CurveX[1], &y1 = c.CurveY[1], &x2 = c.CurveX[2], &y2 = c.CurveY[2];
    const std::pair<double, double> quoted[] = {
        {c.r, 3.18310},         {c.R[1], 240},          {c.Q[1], 0.976755},
        {x1[3] - x1[2], d1},    {x1[50], x50},          {y1[50], y50},
        {x1[100], end},         {c.PointY[1], 12.6221}, {c.PointS[1], 5.37787},
        {c.Q[2], 0.0802871},    {y2[10], 17.5404},      {c.CurveS[2][10], 0.459637},
        {c.R[2], 13.7891},      {x2[3] - x2[2], 0.25},  {x2[11] - x2[10], 0.0956223},
        {x2[5], 3.93310},       {y2[5], 13.7883},       {x2[50], 9.00799},
        {y2[50], 17.8015},      {x2[100], 13.7891},     {c.PointY[2], 17.8504},
        {c.PointS[2], 0.149622}};
    // Every logarithm is log(z) / log(2.718282), so Q1 = (18² - 10²)·π·kn·60 / ln*(R1 / r) comes
    // out larger than with the exact ln, by the factor log(2.718282) = 1.0000000631.
    const double inflowWithLn = 224 * 3.14159265358979 * 0.0001 * 60 / std::log(240 / c.r);
    EXPECT_NEAR(c.Q[1] / inflowWithLn, 1.0000000631, 1e-10);
    for (const auto& [actual, value] : quoted)
      EXPECT_NEAR(actual, value, 0.5 * std::pow(10, std::floor(std::log10(value)) - 5));
  }
}

// A bad logarithm or square root stores nothing and the run goes on; a division by zero in a
// statement's last arithmetic stores its infinite result.
TEST(ComputeCaseTest, ContinueOnError) {
  // L = 0: r = 0, and every quotient by r fails.
  CalculationCase c = testing::WorkedExample();
  c.L = 0;
  c.Q[1] = c.PointY[1] = c.CurveY[1][40] = kSentinel;
  ComputeCase(c);
  EXPECT_EQ(c.Q[1], kSentinel);  // ln*(R1 / 0)
  EXPECT_EQ(c.CurveY[1][40], kSentinel);
  EXPECT_EQ(c.CurveS[1][40], c.H - kSentinel);
  EXPECT_EQ(c.PointY[1], 0);             // reset, then ln*(x / 0) fails
  EXPECT_TRUE(c.ImprovedCurveComputed);  // the run still reaches the outer curve

  // R1 = r: kn = 2^-14 m/s gives R1 = 3000 · 8 · 2^-7 = 187.5 m exactly.
  c = testing::WorkedExample();
  c.kn = std::ldexp(1.0, -14);
  c.L = 187.5 * 2 * 3.14159265358979;
  ComputeCase(c);
  ASSERT_EQ(c.r, c.R[1]);
  EXPECT_EQ(c.Q[1], std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(c.CurveY[1][50]));  // the parabola of an infinite flow stores nothing

  // A dry shaft (h = 0) and a range inside the wall: ln* < 0 under the root.
  c = testing::WorkedExample(1);
  c.ExcavationDepth = 20;
  c.CurveY[1][3] = kSentinel;
  ComputeCase(c);
  ASSERT_LT(c.CurveX[1][3], c.r);
  EXPECT_EQ(c.CurveY[1][3], kSentinel);
  EXPECT_EQ(c.CurveS[1][3], c.H - kSentinel);
}

TEST(ComputeCaseTest, EarlyEndsKeepWhatAnEarlierRunLeftInSlotTwo) {
  CalculationCase c = testing::WorkedExample();
  ComputeCase(c);
  const CalculationCase first = c;
  c.B = 0;  // no ring: nothing of slot 2 is written
  ComputeCase(c);
  EXPECT_FALSE(c.ImprovedCurveComputed);
  EXPECT_EQ(PastTheRingEdge(c), PastTheRingEdge(first));
  EXPECT_EQ(std::tuple(c.Q[2], c.R[2], c.CurveY[2][kRingEdgePoint]),
            std::tuple(first.Q[2], first.R[2], first.CurveY[2][kRingEdgePoint]));

  c.B = 2;  // a full run again: the flag must fall back with the next early end
  ComputeCase(c);
  c.B = 30;  // the ring reaches past R2: only Q2, R2 and the ring edge are written
  ComputeCase(c);
  ASSERT_GT(c.r + c.B, c.R[2]);
  EXPECT_FALSE(c.ImprovedCurveComputed);
  EXPECT_EQ(PastTheRingEdge(c), PastTheRingEdge(first));
  EXPECT_EQ(c.CurveX[2][kRingEdgePoint], c.r + c.B);
  EXPECT_NE(c.Q[2], first.Q[2]);
  EXPECT_NE(c.R[2], first.R[2]);
}

TEST(ComputeCaseTest, PointOfInterestAtTheWallTheRingEdgeAndBeyondTheRange) {
  CalculationCase c = testing::WorkedExample();
  ComputeCase(c);
  c.PointDistance = c.r;
  ComputeCase(c);
  EXPECT_EQ(std::tuple(c.PointY[1], c.PointS[1], c.PointY[2]), std::tuple(10, 8, 0));
  c.PointDistance = c.r + c.B;
  ComputeCase(c);
  EXPECT_EQ(std::tuple(c.PointY[2], c.PointS[2]), std::tuple(c.CurveY[2][10], c.CurveS[2][10]));
  // At the range end inside R1 and R2; at R1, beyond R2 and inside the range.
  for (const auto& [x, range] : {std::pair{12.0, 12.0}, {240.0, 300.0}}) {
    c.PointDistance = x;
    c.CalcRange = range;
    ComputeCase(c);
    EXPECT_EQ(c.PointY, CaseValues{}) << x;
    EXPECT_EQ(c.PointS, CaseValues{}) << x;
  }
  EXPECT_DOUBLE_EQ(c.CurveX[1][100], 240);  // a range past R1 ends the natural curve at R1
}

}  // namespace
}  // namespace tavoro
