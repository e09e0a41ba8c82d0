#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/compute_case.h"
#include "chart_recording.h"

namespace tavoro::testing {
namespace {

constexpr double kVerticalScale = 396.8503937007874;     // twips per metre of depth
constexpr double kHorizontalScale = 107.71653543307086;  // twips per metre of distance

double X(double d) {
  return d * kHorizontalScale + kLeft;
}
double Y(double z) {
  return z * kVerticalScale + kTop;
}

CalculationCase WorkedExample() {
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
  ComputeCase(calc);
  return calc;
}

class WorkedExampleChart : public ::testing::Test {
 protected:
  void SetUp() override {
    calc_ = WorkedExample();
    ASSERT_TRUE(calc_.ImprovedCurveComputed);
    chart_.BuildChart(calc_);
  }

  // Exactly one text reading text stands at (x, y), in the direction angle.
  void ExpectText(const std::string& text, double x, double y, int angle = 0) {
    int matches = 0;
    for (const TextCommand& t : chart_.TextsReading(text)) {
      if (std::abs(t.x - x) < 1e-6 && std::abs(t.y - y) < 1e-6 && t.angle == angle) ++matches;
    }
    EXPECT_EQ(matches, 1) << text << " at (" << x << ", " << y << ")";
  }

  CalculationCase calc_;
  Recording chart_;
};

TEST_F(WorkedExampleChart, PageIsOneFinishedLandscapeDocument) {
  const Document& document = chart_.page().document();
  EXPECT_TRUE(document.landscape);
  EXPECT_TRUE(document.finished);
  EXPECT_EQ(document.pages.size(), 1u);
}

TEST_F(WorkedExampleChart, FrameAndAxisTicksFollowTheScales) {
  const auto lines = chart_.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_TRUE(LineIs(lines[0], kLeft, kTop, kRight, kTop));
  EXPECT_TRUE(LineIs(lines[1], kRight, kTop, kRight, kBottom));
  EXPECT_TRUE(LineIs(lines[2], kRight, kBottom, kLeft, kBottom));
  EXPECT_TRUE(LineIs(lines[3], kLeft, kBottom, kLeft, kTop));

  for (int j = 0; j <= 20; ++j) {
    EXPECT_EQ(CountLines(lines, kLeft, Y(j), kLeft - 80, Y(j)), 1) << j;
  }
  EXPECT_EQ(CountLines(lines, kLeft, Y(21), kLeft - 80, Y(21)), 0);
  // Right-aligned against the tick, centred on it: "7" is 100 wide, "20" 200.
  ExpectText("7", kLeft - 80 - 100, Y(7) - 100);
  ExpectText("20", kLeft - 80 - 200, kBottom - 100);

  for (int d = 0; d <= 100; d += 10) {
    EXPECT_EQ(CountLines(lines, X(d), kBottom, X(d), kBottom + 80), 1) << d;
  }
  // half(300) = 150 under the last tick, half(100) = 50 under the first.
  ExpectText("100", kRight - 150, kBottom + 80 + 100);
  ExpectText("0", kLeft - 50, kBottom + 180);
  ExpectText("50", X(50) - 100, kBottom + 180);
}

TEST_F(WorkedExampleChart, WaterLevelsAtThePointOfInterestAndTheStaticTable) {
  const auto circles = chart_.Circles();
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_NEAR(circles[0].radius, 28.346456692913385, 1e-9);
  EXPECT_EQ(circles[0].brush, kBrushSolid);
  const double py1 = Y(2 + calc_.PointS[1]);
  const double py2 = Y(2 + calc_.PointS[2]);
  EXPECT_NEAR(circles[0].x, X(10), 1e-9);
  EXPECT_NEAR(circles[0].y, py1, 1e-9);
  EXPECT_NEAR(circles[1].y, py2, 1e-9);
  ExpectText("GL -7.38", X(10) + 100, py1 + 100);
  ExpectText("GL -2.15", X(10) + 100, py2 + 100);

  // Nine ASCII characters end at the right edge, standing on the table.
  ExpectText("GL - 2.00", kRight - 900, Y(2) - 200);
  const auto lines = chart_.Lines();
  EXPECT_EQ(CountLines(lines, X(calc_.r), Y(2), kRight, Y(2)), 1);
  const double apex = kRight - 900 - 150;
  EXPECT_EQ(CountLines(lines, apex, Y(2), apex + 75, Y(2) - 100), 1);

  ExpectText("GL", kRight - 400, kTop - 200);
  EXPECT_EQ(CountLines(lines, kRight - 600, kTop + 100, kRight - 560, kTop), 1);
  ExpectText("不透水層", kRight - 800 - 500, kBottom - 200);
  // Two floor strokes groups at the excavation floor on the centre line.
  EXPECT_EQ(CountLines(lines, kLeft + 50, Y(10) + 100, kLeft + 90, Y(10)), 1);
  EXPECT_EQ(CountLines(lines, kLeft + 50 + 160, Y(10) + 100, kLeft + 90 + 160, Y(10)), 1);
}

TEST_F(WorkedExampleChart, RadiusAndRingRowUnderTheFrame) {
  const double rLen = calc_.r * kHorizontalScale;
  const double bLen = 2 * kHorizontalScale;
  const double lineY = kBottom + 1100;
  // rLen ≈ 342.9 is narrow: the caption stands three text heights up.
  ExpectText("換算円半径", kLeft + 171 - 500, lineY - 600);
  const double cx = kLeft + rLen + 107;
  ExpectText("2.000", cx - 250, lineY - 200);
  // Centred over r, "3.183" would run into "2.000": it ends 100 twips before it.
  ExpectText("3.183", cx - 250 - 100 - 500, lineY - 200);
  ExpectText("改良範囲", cx - 400, lineY - 400);

  const auto lines = chart_.Lines();
  EXPECT_EQ(CountLines(lines, kLeft, kBottom + 500, kLeft, kBottom + 1150), 1);
  EXPECT_EQ(CountLines(lines, kLeft + rLen, kBottom + 500, kLeft + rLen, kBottom + 1150), 1);
  EXPECT_EQ(
      CountLines(lines, kLeft + rLen + bLen, kBottom + 500, kLeft + rLen + bLen, kBottom + 1150),
      1);
  EXPECT_EQ(CountLines(lines, kLeft, lineY, kLeft + rLen, lineY), 1);
  EXPECT_EQ(CountLines(lines, kLeft + rLen, lineY, kLeft + rLen + bLen, lineY), 1);
}

TEST_F(WorkedExampleChart, RadiusOfInfluenceRowsImprovedFirst) {
  const auto lines = chart_.Lines();
  // Improved: 1400 below, ≈ 1485.3 long, with its end extension line.
  const double len2 = calc_.R[2] * kHorizontalScale;
  EXPECT_NEAR(len2, 1485.3, 0.1);
  ExpectText("改良後影響半径13.789m", kLeft + 742 - 1050, kBottom + 1400 - 200);
  EXPECT_EQ(CountLines(lines, kLeft, kBottom + 1400, kLeft + len2, kBottom + 1400), 1);
  EXPECT_EQ(CountLines(lines, kLeft, kBottom + 500, kLeft, kBottom + 1450), 1);
  EXPECT_EQ(CountLines(lines, kLeft + len2, kBottom + 500, kLeft + len2, kBottom + 1450), 1);

  // Natural: 1700 below, cut at the right edge, no end extension line.
  ExpectText("改良前影響半径240.000m", kLeft + 5386 - 1100, kBottom + 1700 - 200);
  EXPECT_EQ(CountLines(lines, kLeft, kBottom + 1700, kRight, kBottom + 1700), 1);
  EXPECT_EQ(CountLines(lines, kLeft, kBottom + 500, kLeft, kBottom + 1750), 1);
  EXPECT_EQ(CountLines(lines, kRight, kBottom + 500, kRight, kBottom + 1750), 0);
}

TEST_F(WorkedExampleChart, PointOfInterestDimensionWithDottedThinLine) {
  const double midY = kTop + 397;  // half(2 m × 396.85) = 397
  ExpectText("10.000m", kLeft + 538 - 350, midY - 200);
  ExpectText("着目点", kLeft + 538 - 300, midY - 400);
  const auto lines = chart_.Lines();
  int dotted = 0;
  for (const LineCommand& line : lines) {
    if (line.pen.style != kPenDotted) continue;
    ++dotted;
    EXPECT_TRUE(LineIs(line, X(10), midY - 50, X(10), kBottom));
    EXPECT_EQ(line.pen.width, 0);
  }
  EXPECT_EQ(dotted, 1);
  EXPECT_EQ(CountLines(lines, kLeft, midY, X(10), midY), 1);
}

TEST_F(WorkedExampleChart, LeftColumnsShowDrawdownWaterHeightAndImperviousDepth) {
  // Natural case at 800: drawdown 8 at the shaft wall, 10 m of water below.
  const double lowLen1 = 10 * kVerticalScale;
  const double gwLen = 2 * kVerticalScale;
  ExpectText("10.000", kLeft - 800 - 200, kTop + (1984 + lowLen1) + 300, 900);
  ExpectText("8.000", kLeft - 800 - 200, kTop + (1587 + gwLen) + 250, 900);
  // Improved case at 1150, read at the ring's outer edge.
  ASSERT_FALSE(chart_.TextsReading("0.460").empty());
  EXPECT_NEAR(chart_.TextsReading("0.460")[0].x, kLeft - 1150 - 200, 1e-9);
  EXPECT_EQ(chart_.TextsReading("0.460")[0].angle, 900);
  ASSERT_FALSE(chart_.TextsReading("17.540").empty());
  EXPECT_NEAR(chart_.TextsReading("17.540")[0].x, kLeft - 1150 - 200, 1e-9);
  // Impermeable layer at 1500: centred on the whole frame height.
  ExpectText("20.000", kLeft - 1500 - 200, (kTop + 3968) + 300, 900);

  const auto lines = chart_.Lines();
  EXPECT_EQ(CountLines(lines, kLeft - 1500, kTop, kLeft - 1500, kBottom), 1);
  EXPECT_EQ(CountLines(lines, kLeft - 600, kTop, kLeft - 1550, kTop), 1);
  EXPECT_EQ(CountLines(lines, kLeft - 600, Y(10), kLeft - 850, Y(10)), 1);
  EXPECT_EQ(CountLines(lines, kLeft - 800, Y(2), kLeft - 800, Y(10)), 1);
}

TEST_F(WorkedExampleChart, HatchedRingBetweenShaftWallAndRingEdge) {
  const auto rectangles = chart_.Rectangles();
  ASSERT_EQ(rectangles.size(), 1u);
  EXPECT_NEAR(rectangles[0].x1, X(calc_.r), 1e-9);
  EXPECT_NEAR(rectangles[0].y1, Y(1), 1e-9);
  EXPECT_NEAR(rectangles[0].x2, X(calc_.r + 2), 1e-9);
  EXPECT_NEAR(rectangles[0].y2, kBottom, 1e-9);
  EXPECT_EQ(rectangles[0].brush, kBrushCrossHatch);
  // No wall line with a ring.
  EXPECT_EQ(CountLines(chart_.Lines(), X(calc_.r), kTop, X(calc_.r), kBottom), 0);
}

TEST_F(WorkedExampleChart, NaturalCurveLabelOnTheCurveImprovedLabelFromTheWaterTable) {
  // Natural: threshold 1800 + 500 + 500 left of the right edge, reached by
  // the curve; the leader drops 1000 and runs 400 right.
  const double threshold1 = kRight - 2800;
  int first = 0;
  for (int i = 1; i < kCurvePoints && first == 0; ++i) {
    if (X(calc_.CurveX[1][i]) >= threshold1) first = i;
  }
  ASSERT_GT(first, 2);
  const double ax = X(calc_.CurveX[1][first]);
  const double ay = Y(2 + calc_.CurveS[1][first]);
  EXPECT_GT(ay, Y(2) + 100);
  ExpectText("改良前低下水位曲線", ax + 500, ay + 1000 - 200);
  const auto lines = chart_.Lines();
  EXPECT_EQ(CountLines(lines, ax, ay, ax + 400, ay + 1000), 1);
  EXPECT_EQ(CountLines(lines, ax + 400, ay + 1000, ax + 500 + 1800, ay + 1000), 1);

  // Improved: the curve ends at R2, so the label hangs from the table.
  const double threshold2 = kRight - 2300;
  ExpectText("改良後低下水位曲線", threshold2 + 300, Y(2) + 500 - 200);
  EXPECT_EQ(CountLines(lines, threshold2, Y(2), threshold2 + 200, Y(2) + 500), 1);
  EXPECT_EQ(CountLines(lines, threshold2 + 200, Y(2) + 500, threshold2 + 2100, Y(2) + 500), 1);
}

TEST_F(WorkedExampleChart, BothCurvesRunNinetyNineSegments) {
  const auto lines = chart_.Lines();
  const auto segment = [&](int c, int i) {
    return CountLines(lines, X(calc_.CurveX[c][i]), Y(2 + calc_.CurveS[c][i]),
                      X(calc_.CurveX[c][i + 1]), Y(2 + calc_.CurveS[c][i + 1]));
  };
  // Both curves start with the same floor segment from the centre line to the wall.
  EXPECT_EQ(segment(1, 1), 2);
  for (int c = 1; c <= 2; ++c) {
    int segments = 0;
    for (int i = 2; i < kCurvePoints; ++i) segments += segment(c, i);
    EXPECT_EQ(segments, 98) << c;
  }
}

}  // namespace
}  // namespace tavoro::testing
