#include "calc/compute_case.h"

#include <cmath>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "worked_example.h"

namespace tavoro {
namespace {

constexpr double kSentinel = -777;

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
