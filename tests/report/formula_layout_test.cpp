#include "report/formula_layout.h"

#include <gtest/gtest.h>

#include <limits>

#include "recorded_page.h"
#include "report/report_error.h"

namespace tavoro {
namespace {

TEST(FormulaMarginsTest, RoundHalvesToEvenThenHalveTowardZero) {
  EXPECT_EQ(RowMargin(240), 29);    // 57.6 -> 58 -> 29
  EXPECT_EQ(PairMargin(240), 177);  // 355.2 -> 355 -> 177
  EXPECT_EQ(RowMargin(300), -1);    // -2.4 -> -2 -> -1
  EXPECT_EQ(PairMargin(300), 147);
  EXPECT_EQ(RowMargin(200), 49);    // 97.6 -> 98
  EXPECT_EQ(PairMargin(200), 197);  // 395.2 -> 395
  EXPECT_EQ(RowMargin(294.6), 1);   // 3 -> 1
  EXPECT_EQ(RowMargin(300.6), -1);  // -3 -> -1, toward zero
  EXPECT_EQ(RowMargin(297.1), 0);   // 0.5 -> 0 (even)
  EXPECT_EQ(RowMargin(295.1), 1);   // 2.5 -> 2 -> 1
  EXPECT_EQ(RowMargin(294.1), 2);   // 3.5 -> 4 -> 2
}

TEST(FormulaMarginsTest, UnusableCharHeightIsAnError) {
  EXPECT_THROW(RowMargin(std::numeric_limits<double>::quiet_NaN()), ReportError);
  EXPECT_THROW(PairMargin(std::numeric_limits<double>::infinity()), ReportError);
  EXPECT_THROW(RowMargin(1e12), ReportError);
}

TEST(FormulaLineTest, HeightsForCharHeight240And300) {
  const FormulaLine line = FormulaLineAt(1000, 240);
  EXPECT_EQ(line.base, 1000);
  EXPECT_DOUBLE_EQ(line.numTop, 1029);
  EXPECT_DOUBLE_EQ(line.barY, 1326.6);
  EXPECT_DOUBLE_EQ(line.denTop, 1355.6);
  EXPECT_DOUBLE_EQ(line.midTop, 1206);

  // A negative margin is applied as it is.
  const FormulaLine tall = FormulaLineAt(1000, 300);
  EXPECT_DOUBLE_EQ(tall.numTop, 999);
  EXPECT_DOUBLE_EQ(tall.barY, 1296.6);
  EXPECT_DOUBLE_EQ(tall.denTop, 1295.6);
  EXPECT_DOUBLE_EQ(tall.midTop, 1146);
}

TEST(CentredLeftTest, HalvesTheRoundedDifferenceTowardZero) {
  EXPECT_EQ(CentredLeft(1000, 2000, 400), 1300);
  // A piece 600 twips wider than the span starts 300 left of it.
  EXPECT_EQ(CentredLeft(1000, 1400, 1000), 700);
  EXPECT_EQ(CentredLeft(1000, 2601, 1000), 1300);    // 601 -> 300
  EXPECT_EQ(CentredLeft(1000, 1400, 1001), 700);     // -601 -> -300
  EXPECT_EQ(CentredLeft(1000, 2600.5, 1000), 1300);  // 600.5 -> 600
  EXPECT_EQ(CentredLeft(1000, 2601.5, 1000), 1301);  // 601.5 -> 602
}

using FormulaDrawingTest = RecordedPageTest;

TEST_F(FormulaDrawingTest, RadicalSignTouchesItsFivePointsInOrder) {
  page_.SetPenWidth(7);
  page_.SetCurrentX(4321);
  page_.SetCurrentY(1234);
  DrawRadicalSign(page_, 3000, 4500, RadicalHeightsAt(1000, 240));

  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], (LineCommand{2850, 1140, 2900, 1140, Pen{7, kPenSolid}}));
  EXPECT_EQ(lines[1], (LineCommand{2900, 1140, 2920, 1240, Pen{7, kPenSolid}}));
  EXPECT_EQ(lines[2], (LineCommand{2920, 1240, 3000, 920, Pen{7, kPenSolid}}));
  EXPECT_EQ(lines[3], (LineCommand{3000, 920, 4500, 920, Pen{7, kPenSolid}}));
  // Drawing leaves the text position alone.
  EXPECT_EQ(page_.CurrentX(), 4321);
  EXPECT_EQ(page_.CurrentY(), 1234);
}

TEST_F(FormulaDrawingTest, LineAdvanceStartsFromTheLastTextTop) {
  StartFormulaBlock(page_, 500, 800);
  EXPECT_EQ(page_.PenWidth(), 7);
  page_.SetCurrentX(3000);
  page_.SetCurrentY(1355.6);
  AdvanceFormulaLine(page_, 500);
  EXPECT_EQ(page_.CurrentX(), 500);
  EXPECT_DOUBLE_EQ(page_.CurrentY(), 1653.2);
  AdvanceFormulaLine(page_, 500, 200);
  EXPECT_DOUBLE_EQ(page_.CurrentY(), 2150.8);
}

}  // namespace
}  // namespace tavoro
