#include "report/formula_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "recorded_page.h"
#include "report/report_error.h"
#include "report/report_text.h"

namespace tavoro {
namespace {

TEST(FormulaLayoutTest, MarginsAndCentringRoundHalvesToEvenThenHalveTowardZero) {
  // CharHeight, RowMargin, PairMargin.
  const std::tuple<double, int, int> cases[] = {{240, 29, 177},  {300, -1, 147},  {297.1, 0, 149},
                                                {295.1, 1, 150}, {294.1, 2, 150}, {300.6, -1, 147}};
  for (const auto& [charHeight, rowMargin, pairMargin] : cases) {
    EXPECT_EQ(RowMargin(charHeight), rowMargin) << charHeight;
    EXPECT_EQ(PairMargin(charHeight), pairMargin) << charHeight;
  }
  // A negative margin is applied as it is.
  EXPECT_DOUBLE_EQ(FormulaLineAt(1000, 300).numTop, 999);
  EXPECT_DOUBLE_EQ(FormulaLineAt(1000, 300).denTop, 1295.6);
  EXPECT_THROW(RowMargin(std::numeric_limits<double>::quiet_NaN()), ReportError);

  // Centring over 1000..xe: span end, piece width, left edge. A piece 600
  // wider than the span starts 300 left of it.
  const std::tuple<double, double, double> spans[] = {{2000, 400, 1300},    {1400, 1000, 700},
                                                      {2601, 1000, 1300},   {1400, 1001, 700},
                                                      {2600.5, 1000, 1300}, {2601.5, 1000, 1301}};
  for (const auto& [xe, width, left] : spans) EXPECT_EQ(CentredLeft(1000, xe, width), left) << xe;
}

using TypesettingTest = RecordedPageTest;

TEST_F(TypesettingTest, RadicalSignTouchesItsFivePointsInOrder) {
  page_.SetCurrentX(4321);
  page_.SetCurrentY(1234);
  DrawRadicalSign(page_, 3000, 4500, RadicalHeightsAt(1000, 240));

  EXPECT_EQ(OnPage().lines, (Strings{"2850,1140>2900,1140", "2900,1140>2920,1240",
                                     "2920,1240>3000,920", "3000,920>4500,920"}));
  // Drawing leaves the text position alone.
  EXPECT_EQ(page_.CurrentX(), 4321);
  EXPECT_EQ(page_.CurrentY(), 1234);
}

TEST(ReportTextTest, AdvanceLinesAddsAndRefusesToLeaveSixteenBits) {
  ReportLineCounter counter{1};
  EXPECT_EQ(AdvanceLines(counter, 2), 3);
  EXPECT_EQ(counter.value, 3);

  counter.value = -32760;
  EXPECT_EQ(AdvanceLines(counter, -8), -32768);
  EXPECT_THROW(AdvanceLines(counter, -1), ReportError);
  EXPECT_EQ(counter.value, -32768);
  counter.value = 32767;
  EXPECT_THROW(AdvanceLines(counter, 1), ReportError);
}

TEST_F(TypesettingTest, SuperscriptIsTwoThirdsSizeOnTheLineTopAndRestoresTheLine) {
  PrintAt(page_, 1000, 2000, "H");
  PrintSuperscript(page_, "2");
  page_.Text("x");
  // Whole points (halves to even), then thirds dropping the remainder.
  for (const double size : {11.0, 12.0, 8.5, 9.5}) {
    page_.SetFontSize(size);
    PrintSuperscript(page_, "3");
    EXPECT_EQ(page_.FontSize(), size);
  }

  EXPECT_EQ(OnPage().texts, (Strings{"H@1000,2000", "2@1100,2000/6", "x@1160,2000", "3@1260,2000/6",
                                     "3@1320,2000/8", "3@1400,2000/4", "3@1440,2000/6"}));
  EXPECT_EQ(page_.CurrentX(), 1500);
  EXPECT_EQ(page_.CurrentY(), 2000);
}

}  // namespace
}  // namespace tavoro
