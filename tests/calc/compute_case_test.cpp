#include "calc/compute_case.h"

#include <tuple>

#include <gtest/gtest.h>

#include "worked_example.h"

namespace tavoro {
namespace {

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
