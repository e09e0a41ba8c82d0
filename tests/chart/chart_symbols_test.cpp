#include "chart/chart_symbols.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "chart_recording.h"

namespace tavoro::testing {
namespace {

struct Segment {
  double x1, y1, x2, y2;
};

void ExpectSegments(const std::vector<LineCommand>& lines, const std::vector<Segment>& expected,
                    double tolerance = 1e-9) {
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Segment& e = expected[i];
    EXPECT_TRUE(LineIs(lines[i], e.x1, e.y1, e.x2, e.y2, tolerance))
        << "segment " << i << ": (" << lines[i].x1 << ", " << lines[i].y1 << ")-(" << lines[i].x2
        << ", " << lines[i].y2 << ")";
  }
}

TEST(ArrowMarkTest, DimensionLinesAreOnePolylineWithClosedHeadsAtBothEnds) {
  Recording vertical;
  DrawArrowMark(vertical.Open(), 1000, 2000, 3000, 1, 50);
  ExpectSegments(vertical.Lines(), {{1000, 2000, 975, 2050},
                                    {975, 2050, 1025, 2050},
                                    {1025, 2050, 1000, 2000},
                                    {1000, 2000, 1000, 5000},
                                    {1000, 5000, 975, 4950},
                                    {975, 4950, 1025, 4950},
                                    {1025, 4950, 1000, 5000}});

  Recording horizontal;
  DrawArrowMark(horizontal.Open(), 1000, 2000, 3000, 2, 50);
  ExpectSegments(horizontal.Lines(), {{1000, 2000, 1050, 2025},
                                      {1050, 2025, 1050, 1975},
                                      {1050, 1975, 1000, 2000},
                                      {1000, 2000, 4000, 2000},
                                      {4000, 2000, 3950, 2025},
                                      {3950, 2025, 3950, 1975},
                                      {3950, 1975, 4000, 2000}});
}

TEST(ArrowMarkTest, OpenArrowsAndLoneHeads) {
  Recording down;
  DrawArrowMark(down.Open(), 100, 200, 1000, 3, 40);
  ExpectSegments(down.Lines(),
                 {{100, 200, 100, 1200}, {80, 1160, 100, 1200}, {120, 1160, 100, 1200}});

  Recording left;
  DrawArrowMark(left.Open(), 100, 200, 1000, 4, 40);
  ExpectSegments(left.Lines(),
                 {{100, 200, -900, 200}, {-900, 200, -860, 180}, {-900, 200, -860, 220}});

  Recording up;
  DrawArrowMark(up.Open(), 100, 200, 1000, 5, 40);
  ExpectSegments(up.Lines(),
                 {{100, 200, 100, -800}, {100, -800, 120, -760}, {100, -800, 80, -760}});

  Recording right;
  DrawArrowMark(right.Open(), 100, 200, 1000, 6, 40);
  ExpectSegments(right.Lines(),
                 {{100, 200, 1100, 200}, {1100, 200, 1060, 220}, {1100, 200, 1060, 180}});

  Recording pointingDown;
  DrawArrowMark(pointingDown.Open(), 100, 200, 1000, 8, 40);
  ExpectSegments(pointingDown.Lines(),
                 {{100, 200, 120, 160}, {120, 160, 80, 160}, {80, 160, 100, 200}});
}

TEST(ArrowMarkTest, DirectedHeadsOpenTowardTheirAngle) {
  Recording closed;
  DrawArrowMark(closed.Open(), 1000, 1000, 160, 7, 50);
  ExpectSegments(closed.Lines(),
                 {{1000, 1000, 1057.36, 1081.92},
                  {1000, 1000, 1008.72, 1099.62},
                  {1057.36, 1081.92, 1008.72, 1099.62}},
                 0.005);

  Recording open;
  DrawArrowMark(open.Open(), 1000, 1000, 160, 9, 50);
  ExpectSegments(open.Lines(), {{1000, 1000, 1028.68, 1040.96}, {1000, 1000, 1004.36, 1049.81}},
                 0.005);
}

TEST(ArrowMarkTest, UnknownKindsAndNonFiniteArgumentsDrawNothing) {
  Recording recording;
  PageSurface& page = recording.Open();
  DrawArrowMark(page, 1000, 1000, 500, 0, 50);
  DrawArrowMark(page, 1000, 1000, 500, 10, 50);
  DrawArrowMark(page, 1000, 1000, 500, -2, 50);
  // A half-drawn dimension line would leave a lone arrowhead.
  DrawArrowMark(page, 1000, 1000, std::numeric_limits<double>::infinity(), 2, 50);
  DrawArrowMark(page, 1000, std::numeric_limits<double>::quiet_NaN(), 500, 1, 50);
  EXPECT_TRUE(recording.Lines().empty());
}

TEST(WaterLevelMarkTest, TriangleOnTheLineAndThreeShorteningBars) {
  Recording recording;
  DrawWaterLevelMark(recording.Open(), 1000, 2000, 150);
  ExpectSegments(recording.Lines(), {{1000, 2000, 1075, 1900},
                                     {1000, 2000, 925, 1900},
                                     {925, 1900, 1075, 1900},
                                     {887.5, 2037.5, 1112.5, 2037.5},
                                     {925, 2075, 1075, 2075},
                                     {962.5, 2112.5, 1037.5, 2112.5}});
}

TEST(GroundMarkTest, ThreeGroupsOfFiveStrokesEveryFourUnits) {
  Recording recording;
  DrawGroundMark(recording.Open(), 1000, 2000, 400, 100, 3);
  std::vector<Segment> expected;
  for (const double o : {0.0, 160.0, 320.0}) {
    const double x = 1000 + o;
    expected.push_back({x, 2100, x + 40, 2000});
    expected.push_back({x + 40, 2100, x + 80, 2000});
    expected.push_back({x + 80, 2100, x + 120, 2000});
    expected.push_back({x + 100, 2050, x + 160, 2100});
    expected.push_back({x + 120, 2000, x + 180, 2050});
  }
  ExpectSegments(recording.Lines(), expected);
  EXPECT_DOUBLE_EQ(recording.Lines().back().x2, 1500);
}

TEST(GroundMarkTest, UnitRoundsHalvesToEvenAndGroupsCompareAsReals) {
  // The unit shows in the first stroke's width: u = width to even / 10.
  const auto firstStrokeWidth = [](double width) {
    Recording recording;
    DrawGroundMark(recording.Open(), 0, 0, width, 100, 1);
    const LineCommand first = recording.Lines().at(0);
    return first.x2 - first.x1;
  };
  EXPECT_DOUBLE_EQ(firstStrokeWidth(415), 41);
  EXPECT_DOUBLE_EQ(firstStrokeWidth(419.5), 42);
  EXPECT_DOUBLE_EQ(firstStrokeWidth(404.5), 40);

  const auto strokes = [](double width, double groups) {
    Recording recording;
    DrawGroundMark(recording.Open(), 0, 0, width, 100, groups);
    return recording.Lines();
  };
  EXPECT_EQ(strokes(400, 2).size(), 10u);
  EXPECT_DOUBLE_EQ(strokes(400, 2).back().x2, 340);
  EXPECT_EQ(strokes(400, 2.5).size(), 10u);
  EXPECT_EQ(strokes(400, 0.99).size(), 0u);
  EXPECT_EQ(strokes(400, 7).size(), 15u);
  // Below 9.5 twips the unit is 0 and the strokes would collapse.
  EXPECT_EQ(strokes(9.4, 3).size(), 0u);
  EXPECT_EQ(strokes(9.5, 3).size(), 15u);
}

}  // namespace
}  // namespace tavoro::testing
