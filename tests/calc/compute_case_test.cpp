#include "calc/compute_case.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "worked_example.h"

namespace tavoro {
namespace {

using testing::SixDigits;
using testing::WorkedExample;

constexpr double kSentinel = -777;

void FillCase2(CalculationCase& calc, double value) {
  for (int i = 1; i <= kCurvePoints; ++i) {
    calc.CurveX[kImproved][i] = value;
    calc.CurveY[kImproved][i] = value;
    calc.CurveS[kImproved][i] = value;
  }
  calc.Q[kImproved] = calc.R[kImproved] = value;
  calc.PointY[kImproved] = calc.PointS[kImproved] = value;
}

TEST(ComputeCaseTest, WorkedExampleNaturalGround) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  EXPECT_EQ(calc.H, 18);
  EXPECT_EQ(calc.S[kNatural], 8);
  EXPECT_EQ(calc.h[kNatural], 10);
  EXPECT_TRUE(SixDigits(calc.r, 3.18310));
  EXPECT_TRUE(SixDigits(calc.R[kNatural], 240));
  EXPECT_TRUE(SixDigits(calc.Q[kNatural], 0.976755));
  EXPECT_TRUE(SixDigits(calc.CurveX[kNatural][3] - calc.r, 0.987928));
  EXPECT_TRUE(SixDigits(calc.CurveX[kNatural][50], 50.6036));
  EXPECT_TRUE(SixDigits(calc.CurveY[kNatural][50], 15.5993));
  EXPECT_DOUBLE_EQ(calc.CurveX[kNatural][100], 100);
  EXPECT_TRUE(SixDigits(calc.PointY[kNatural], 12.6221));
  EXPECT_TRUE(SixDigits(calc.PointS[kNatural], 5.37787));
  EXPECT_EQ(calc.h[kImproved], 0);
  EXPECT_EQ(calc.S[kImproved], 0);
}

TEST(ComputeCaseTest, WorkedExampleImprovedGround) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  const auto& x = calc.CurveX[kImproved];
  const auto& y = calc.CurveY[kImproved];
  EXPECT_TRUE(calc.ImprovedCurveComputed);
  EXPECT_TRUE(SixDigits(calc.Q[kImproved], 0.0802871));
  EXPECT_TRUE(SixDigits(y[kRingEdgePoint], 17.5404));
  EXPECT_TRUE(SixDigits(calc.CurveS[kImproved][kRingEdgePoint], 0.459637));
  EXPECT_TRUE(SixDigits(calc.R[kImproved], 13.7891));
  EXPECT_TRUE(SixDigits(x[3] - x[2], 0.25));
  EXPECT_TRUE(SixDigits(x[11] - x[10], 0.0956223));
  EXPECT_TRUE(SixDigits(x[5], 3.93310));
  EXPECT_TRUE(SixDigits(y[5], 13.7883));
  EXPECT_TRUE(SixDigits(x[50], 9.00799));
  EXPECT_TRUE(SixDigits(y[50], 17.8015));
  EXPECT_TRUE(SixDigits(x[100], 13.7891));
  EXPECT_TRUE(SixDigits(calc.PointY[kImproved], 17.8504));
  EXPECT_TRUE(SixDigits(calc.PointS[kImproved], 0.149622));

  // The flow outside the ring, recovered from the parabola through point 11.
  const double kn60 = 3.14159265358979 * calc.kn * 60;
  const double ln = std::log(x[11] / (calc.r + calc.B)) / std::log(2.718282);
  EXPECT_TRUE(SixDigits((y[11] * y[11] - y[10] * y[10]) * kn60 / ln, 0.314694));
}

TEST(ComputeCaseTest, CurvesStartAtTheShaftAndKeepDrawdownConsistent) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  for (int c = kNatural; c <= kImproved; ++c) {
    EXPECT_EQ(calc.CurveX[c][1], 0);
    EXPECT_EQ(calc.CurveX[c][2], calc.r);
    EXPECT_EQ(calc.CurveY[c][2], calc.h[kNatural]);
    EXPECT_EQ(calc.CurveS[c][2], calc.S[kNatural]);
    for (int i = 2; i <= kCurvePoints; ++i) {
      EXPECT_GT(calc.CurveX[c][i], calc.CurveX[c][i - 1]) << c << "," << i;
      if (i >= 3) {
        EXPECT_EQ(calc.CurveS[c][i], calc.H - calc.CurveY[c][i]) << c << "," << i;
      }
    }
  }
}

TEST(ComputeCaseTest, ShorterCalcRangeChangesOnlyTheNaturalCurve) {
  CalculationCase wide = WorkedExample(100);
  CalculationCase narrow = WorkedExample(30);
  ComputeCase(wide);
  ComputeCase(narrow);
  EXPECT_TRUE(SixDigits(narrow.CurveX[kNatural][3] - narrow.r, 0.273642));
  EXPECT_DOUBLE_EQ(narrow.CurveX[kNatural][100], 30);
  EXPECT_TRUE(SixDigits(narrow.CurveX[kNatural][50], 16.3179));
  EXPECT_TRUE(SixDigits(narrow.CurveY[kNatural][50], 13.5902));
  EXPECT_EQ(narrow.Q, wide.Q);
  EXPECT_EQ(narrow.R, wide.R);
  EXPECT_EQ(narrow.PointY, wide.PointY);
  EXPECT_EQ(narrow.CurveX[kImproved], wide.CurveX[kImproved]);
  EXPECT_EQ(narrow.CurveY[kImproved], wide.CurveY[kImproved]);
}

TEST(ComputeCaseTest, ZeroPerimeterStoresNothingThatDividesByTheRadius) {
  CalculationCase calc = WorkedExample();
  calc.L = 0;
  calc.Q[kNatural] = kSentinel;
  calc.CurveY[kNatural][40] = kSentinel;
  calc.CurveY[kImproved][5] = kSentinel;
  ComputeCase(calc);
  EXPECT_EQ(calc.r, 0);
  EXPECT_EQ(calc.Q[kNatural], kSentinel);  // ln*(R1 / 0)
  EXPECT_EQ(calc.CurveY[kNatural][40], kSentinel);
  EXPECT_EQ(calc.CurveS[kNatural][40], calc.H - kSentinel);
  EXPECT_EQ(calc.PointY[kNatural], 0);  // reset, then ln*(x / 0) fails
  EXPECT_EQ(calc.PointS[kNatural], calc.H);
  EXPECT_EQ(calc.CurveY[kImproved][5], kSentinel);  // inside the ring
  EXPECT_TRUE(calc.ImprovedCurveComputed);          // the run still reaches the outer curve
  EXPECT_TRUE(std::isfinite(calc.CurveY[kImproved][50]));
}

TEST(ComputeCaseTest, RadiusOfInfluenceAtTheWallStoresAnInfiniteInflow) {
  // kn = 2^-14 m/s gives R1 = 3000 · 8 · 2^-7 = 187.5 m exactly.
  CalculationCase calc = WorkedExample();
  calc.kn = std::ldexp(1.0, -14);
  calc.B = 0;
  calc.L = 187.5 * 2 * 3.14159265358979;
  ComputeCase(calc);
  ASSERT_EQ(calc.R[kNatural], 187.5);
  ASSERT_EQ(calc.r, calc.R[kNatural]);
  EXPECT_EQ(calc.Q[kNatural], std::numeric_limits<double>::infinity());
  EXPECT_EQ(calc.CurveY[kNatural][50], 0);  // the parabola of an infinite flow stores nothing
}

TEST(ComputeCaseTest, NegativeRadicandLeavesTheCurvePointAlone) {
  // A dry shaft (h = 0) and a range inside the wall: ln* < 0 under the root.
  CalculationCase calc = WorkedExample();
  calc.ExcavationDepth = 20;
  calc.CalcRange = 1;
  calc.B = 0;
  for (int i = 1; i <= kCurvePoints; ++i) calc.CurveY[kNatural][i] = kSentinel;
  ComputeCase(calc);
  ASSERT_LT(calc.CurveX[kNatural][3], calc.r);
  EXPECT_EQ(calc.CurveY[kNatural][3], kSentinel);
  EXPECT_EQ(calc.CurveY[kNatural][100], kSentinel);
  EXPECT_EQ(calc.CurveS[kNatural][100], calc.H - kSentinel);
  EXPECT_EQ(calc.CurveY[kNatural][2], 0);  // the wall point is written as h
}

TEST(ComputeCaseTest, RunWithoutRingKeepsTheEarlierImprovedCase) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  const CalculationCase first = calc;
  calc.B = 0;
  calc.CalcRange = 30;
  ComputeCase(calc);
  EXPECT_FALSE(calc.ImprovedCurveComputed);
  EXPECT_EQ(calc.Q[kImproved], first.Q[kImproved]);
  EXPECT_EQ(calc.R[kImproved], first.R[kImproved]);
  EXPECT_EQ(calc.CurveX[kImproved], first.CurveX[kImproved]);
  EXPECT_EQ(calc.CurveY[kImproved], first.CurveY[kImproved]);
  EXPECT_EQ(calc.CurveS[kImproved], first.CurveS[kImproved]);
  EXPECT_EQ(calc.PointY[kImproved], first.PointY[kImproved]);
  EXPECT_EQ(calc.PointS[kImproved], first.PointS[kImproved]);
  EXPECT_NE(calc.CurveX[kNatural], first.CurveX[kNatural]);
}

TEST(ComputeCaseTest, RingPastR2WritesOnlyTheRingEdge) {
  CalculationCase calc = WorkedExample();
  FillCase2(calc, kSentinel);
  calc.B = 30;
  ComputeCase(calc);
  ASSERT_GT(calc.r + calc.B, calc.R[kImproved]);
  EXPECT_FALSE(calc.ImprovedCurveComputed);
  EXPECT_NE(calc.Q[kImproved], kSentinel);
  EXPECT_EQ(calc.CurveX[kImproved][2], calc.r);
  EXPECT_EQ(calc.CurveX[kImproved][kRingEdgePoint], calc.r + calc.B);
  EXPECT_NE(calc.CurveY[kImproved][kRingEdgePoint], kSentinel);
  EXPECT_EQ(calc.CurveS[kImproved][kRingEdgePoint],
            calc.H - calc.CurveY[kImproved][kRingEdgePoint]);
  EXPECT_NE(calc.R[kImproved], kSentinel);
  for (int i : {3, 9, 11, 100}) {
    EXPECT_EQ(calc.CurveX[kImproved][i], kSentinel) << i;
    EXPECT_EQ(calc.CurveY[kImproved][i], kSentinel) << i;
  }
  EXPECT_EQ(calc.PointY[kImproved], kSentinel);
  EXPECT_EQ(calc.PointS[kImproved], kSentinel);
}

TEST(ComputeCaseTest, PointOfInterestAtTheWallAndAtTheRingEdge) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  calc.PointDistance = calc.r;
  ComputeCase(calc);
  EXPECT_EQ(calc.PointY[kNatural], calc.h[kNatural]);
  EXPECT_EQ(calc.PointS[kNatural], calc.H - calc.h[kNatural]);
  EXPECT_EQ(calc.PointY[kImproved], 0);  // inside the ring
  EXPECT_EQ(calc.PointS[kImproved], 0);

  calc.PointDistance = calc.r + calc.B;
  ComputeCase(calc);
  EXPECT_EQ(calc.PointY[kImproved], calc.CurveY[kImproved][kRingEdgePoint]);
  EXPECT_EQ(calc.PointS[kImproved], calc.CurveS[kImproved][kRingEdgePoint]);
}

TEST(ComputeCaseTest, PointOfInterestOutsideTheStretchReadsZero) {
  CalculationCase calc = WorkedExample();
  ComputeCase(calc);
  calc.PointDistance = calc.CalcRange;  // the range end itself is outside
  ComputeCase(calc);
  EXPECT_EQ(calc.PointY[kNatural], 0);
  EXPECT_EQ(calc.PointS[kNatural], 0);
  EXPECT_EQ(calc.PointY[kImproved], 0);
  EXPECT_EQ(calc.PointS[kImproved], 0);

  calc.PointDistance = 12;  // inside R1 and R2, beyond CalcRange
  calc.CalcRange = 11;
  ComputeCase(calc);
  EXPECT_EQ(calc.PointY[kNatural], 0);
  EXPECT_EQ(calc.PointY[kImproved], 0);

  calc.CalcRange = 300;
  calc.PointDistance = 240;  // at R1, beyond R2
  ComputeCase(calc);
  EXPECT_EQ(calc.PointY[kNatural], 0);
  EXPECT_EQ(calc.PointY[kImproved], 0);
  EXPECT_TRUE(SixDigits(calc.CurveX[kNatural][100], 240));
}

TEST(ComputeCaseTest, ImpermeableRingStoresNoSeriesInflow) {
  CalculationCase calc = WorkedExample();
  calc.Q[kImproved] = kSentinel;
  calc.kg = 0;  // an empty kg field
  ComputeCase(calc);
  EXPECT_EQ(calc.Q[kImproved], kSentinel);  // kn / kg overflows before the last logarithm
  EXPECT_TRUE(std::isfinite(calc.Q[kNatural]));
}

}  // namespace
}  // namespace tavoro
