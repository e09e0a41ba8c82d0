#include "page/qt/qt_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavoro {
namespace {

void ExpectLine(const std::optional<QLineF>& line, double x1, double y1, double x2, double y2) {
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->x1(), x1, 1e-3);
  EXPECT_NEAR(line->y1(), y1, 1e-3);
  EXPECT_NEAR(line->x2(), x2, 1e-3);
  EXPECT_NEAR(line->y2(), y2, 1e-3);
}

TEST(ClipSegmentTest, KeepsOnlyThePartInsideTheBound) {
  const QRectF bound(0, 0, 1000, 2000);
  ExpectLine(ClipSegment(10, 20, 30, 40, bound), 10, 20, 30, 40);
  ExpectLine(ClipSegment(-1e12, 500, 1e12, 500, bound), 0, 500, 1000, 500);
  ExpectLine(ClipSegment(500, 3000, 500, -3000, bound), 500, 2000, 500, 0);
  ExpectLine(ClipSegment(-1000, -1000, 3000, 3000, bound), 0, 0, 1000, 1000);

  EXPECT_FALSE(ClipSegment(-10, 5, -1, 5, bound));
  EXPECT_FALSE(ClipSegment(2000, -5000, 5000, 100, bound));
  EXPECT_FALSE(ClipSegment(-1.7e308, 5, 1.7e308, 5, bound));
  EXPECT_FALSE(ClipSegment(std::numeric_limits<double>::quiet_NaN(), 5, 1, 5, bound));
}

TEST(HatchLinesTest, DiagonalCrossHatchOnAPageGrid) {
  const double step = 100 * std::sqrt(2.0);
  const auto lines = HatchLines(QRectF(0, 0, 1000, 500), 7, 100);
  int rising = 0;
  int falling = 0;
  for (const QLineF& line : lines) {
    const double slope = line.dy() / line.dx();
    if (std::abs(slope + 1) < 1e-9) {
      ++rising;  // x + y constant, on the grid
      const double c = line.x1() + line.y1();
      EXPECT_NEAR(std::remainder(c, step), 0, 1e-3);
    } else {
      EXPECT_NEAR(slope, 1, 1e-9);
      ++falling;
      const double c = line.x1() - line.y1();
      EXPECT_NEAR(std::remainder(c, step), 0, 1e-3);
    }
  }
  // x + y spans 0..1500 and x - y spans -500..1000, every 141.42 twips.
  EXPECT_EQ(rising, 11);
  EXPECT_EQ(falling, 11);

  EXPECT_TRUE(HatchLines(QRectF(0, 0, 1000, 500), 0, 100).empty());
  EXPECT_TRUE(HatchLines(QRectF(0, 0, 1000, 500), 1, 100).empty());
  EXPECT_TRUE(HatchLines(QRectF(0, 0, 1000, 500), 7, 0).empty());
  EXPECT_EQ(HatchLines(QRectF(0, 0, 1000, 500), 6, 100).size(), 6u + 11u);
}

}  // namespace
}  // namespace tavoro
