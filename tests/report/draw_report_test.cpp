#include "report/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/compute_case.h"
#include "page/fixed_pitch_measurer.h"
#include "recorded_page.h"

namespace tavoro {
namespace {

class DrawReportTest : public ::testing::Test {
 protected:
  DrawReportTest() : page_(measurer_) {}

  // The worked example: a 20 m perimeter shaft dug 8 m below the water
  // table, with a 2 m ring a hundred times tighter than the ground.
  void UseWorkedExample() {
    calc_.GroundwaterDepth = 2;
    calc_.ImperviousDepth = 20;
    calc_.ExcavationDepth = 10;
    calc_.L = 20;
    calc_.kn = 0.0001;
    calc_.B = 2;
    calc_.kg = 0.000001;
    calc_.PointDistance = 10;
    calc_.CalcRange = 100;
    ComputeCase(calc_);
  }

  ReportOutcome Draw() { return DrawReport(page_, calc_, settings_, counter_); }

  const Page& PageAt(std::size_t index) const { return page_.document().pages.at(index); }

  // Expects text at the left edge of grid column `column`, top of row `row`.
  void ExpectAt(std::size_t pageIndex, const std::string& text, int column, int row) const {
    const TextCommand command = TextReading(PageAt(pageIndex), text);
    EXPECT_DOUBLE_EQ(command.x, settings_.ColX[column]) << text;
    EXPECT_DOUBLE_EQ(command.y, settings_.RowY[row]) << text;
  }

  // Expects text (among others that read the same) at grid column
  // `column`, centred on the bar of a formula line based on row `row`
  // (MidTop: 49 + 197 twips below the row top with the fixed-pitch
  // 200-twip line).
  void ExpectOnBarOfRow(std::size_t pageIndex, const std::string& text, int column, int row) const {
    const double x = settings_.ColX[column];
    const double y = settings_.RowY[row] + 246;
    bool found = false;
    for (const TextCommand& command : TextsOf(PageAt(pageIndex))) {
      found = found || (command.text == text && std::abs(command.x - x) < 1e-9 &&
                        std::abs(command.y - y) < 1e-9);
    }
    EXPECT_TRUE(found) << text << " at " << x << ", " << y;
  }

  FixedPitchMeasurer measurer_;
  PageSurface page_;
  CalculationCase calc_;
  PageSettings settings_;
  ReportLineCounter counter_;
};

TEST_F(DrawReportTest, WithoutImprovementOnePageWithTheSymbolListFromRowThirteen) {
  UseWorkedExample();
  calc_.B = 0;

  const ReportOutcome outcome = Draw();

  ASSERT_TRUE(outcome.completed) << outcome.error;
  EXPECT_TRUE(page_.document().finished);
  EXPECT_FALSE(page_.document().landscape);
  ASSERT_EQ(page_.document().pages.size(), 1u);
  EXPECT_EQ(settings_.CharHeight, 200);
  ExpectAt(0, "立坑内湧水量及び地下水位降下高さの算定", 0, 1);
  ExpectAt(0, "1.湧水量の算定", 1, 3);
  ExpectAt(0, "地盤改良なしの場合の湧水量 : Q1", 3, 5);
  ExpectOnBarOfRow(0, "Q1", 5, 7);
  for (const TextCommand& text : TextsOf(PageAt(0))) {
    EXPECT_EQ(text.text.find("Q2"), std::string::npos) << text.text;
  }
  ExpectAt(0, "ここに、", 5, 13);
  ExpectAt(0, "H", 10, 13);
  ExpectAt(0, ": 地下水位から不透水層までの高さ", 12, 13);
  ExpectAt(0, "18.000 (m)", 35, 13);
  ExpectAt(0, "10.000 (m)", 35, 14);
  ExpectAt(0, "0.006000 (m/min)", 35, 15);
  ExpectAt(0, "kg", 10, 16);
  ExpectAt(0, "(m/min)", 35, 16);
  ExpectAt(0, ": 影響範囲(m) Sichrdt の式より算定する", 12, 17);
  ExpectOnBarOfRow(0, "R1", 13, 18);
  ExpectAt(0, "8.000 (m)", 35, 22);
  ExpectAt(0, ": 立坑周長を浸透面とした円換算半径", 12, 23);
  ExpectOnBarOfRow(0, "r", 13, 24);
  ExpectAt(0, "20.000 (m)", 35, 28);
  ExpectAt(0, "B", 10, 29);
  ExpectAt(0, "(m)", 35, 29);
  EXPECT_EQ(counter_.value, 29);
}

TEST_F(DrawReportTest, WorkedExampleFillsTwoPagesWithItsValues) {
  UseWorkedExample();

  const ReportOutcome outcome = Draw();

  ASSERT_TRUE(outcome.completed) << outcome.error;
  EXPECT_TRUE(page_.document().finished);
  ASSERT_EQ(page_.document().pages.size(), 2u);

  // Page 1: both inflows, then the symbol list from row 23 to row 39.
  TextReading(PageAt(0), "  =  0.977 (m");
  ExpectAt(0, "地盤改良を施した場合の湧水量 : Q2", 3, 13);
  ExpectOnBarOfRow(0, "Q2", 5, 15);
  TextReading(PageAt(0), "=  0.080 (m");
  ExpectAt(0, "ここに、", 5, 23);
  ExpectAt(0, "H", 10, 23);
  ExpectAt(0, "18.000 (m)", 35, 23);
  ExpectAt(0, "10.000 (m)", 35, 24);
  ExpectAt(0, "0.006000 (m/min)", 35, 25);
  ExpectAt(0, "0.000060 (m/min)", 35, 26);
  ExpectOnBarOfRow(0, "R1", 13, 28);
  TextReading(PageAt(0), "　=　240.000 (m)");
  ExpectAt(0, "8.000 (m)", 35, 32);
  TextReading(PageAt(0), "　=　3.183 (m)");
  ExpectAt(0, "20.000 (m)", 35, 38);
  ExpectAt(0, "2.000 (m)", 35, 39);

  // Page 2: the note and the h2, S2 and R2 blocks on rows 4, 12 and 16.
  ExpectAt(1,
           "地盤改良を施した場合の影響範囲R2は、改良外円の水位高さを求め、この水位を未改良地盤の"
           "最低水位",
           3, 1);
  ExpectAt(1, "として求める。", 2, 2);
  ExpectOnBarOfRow(1, "改良外円の水位高", 4, 4);
  ExpectOnBarOfRow(1, "h2", 13, 4);
  TextReading(PageAt(1), "=  17.540　(m) ");
  ExpectOnBarOfRow(1, "水位降下高さ", 4, 12);
  TextReading(PageAt(1), "=   18.000 - 17.540");
  TextReading(PageAt(1), "  =   0.460 (m)");
  ExpectOnBarOfRow(1, "影響範囲", 4, 16);
  ExpectOnBarOfRow(1, "R2", 13, 16);
  TextReading(PageAt(1), "　=　13.789 (m)");
}

TEST_F(DrawReportTest, NegativeWidthIsNoImprovement) {
  UseWorkedExample();
  calc_.B = -2;
  ComputeCase(calc_);

  ASSERT_TRUE(Draw().completed);
  ASSERT_EQ(page_.document().pages.size(), 1u);
  ExpectAt(0, "(m/min)", 35, 16);
  ExpectAt(0, "(m)", 35, 29);
}

TEST_F(DrawReportTest, NonFiniteResultsReadAsSymbols) {
  UseWorkedExample();
  calc_.Q[1] = std::numeric_limits<double>::infinity();
  calc_.Q[2] = std::numeric_limits<double>::quiet_NaN();
  calc_.CurveS[2][10] = -std::numeric_limits<double>::infinity();

  ASSERT_TRUE(Draw().completed);
  TextReading(PageAt(0), "  =  ∞ (m");
  TextReading(PageAt(0), "=  NaN (m");
  TextReading(PageAt(1), "  =   -∞ (m)");
}

TEST_F(DrawReportTest, EmptyAndHugeCasesStillDrawWholeReports) {
  // Nothing entered yet: every value zero, a one-page report of zeros.
  ASSERT_TRUE(Draw().completed);
  ASSERT_EQ(page_.document().pages.size(), 1u);
  ExpectAt(0, "0.000000 (m/min)", 35, 15);

  // Lengths near the top of the double range print in full.
  calc_.H = 1e300;
  calc_.B = 2e300;
  calc_.R[1] = 1e300;
  calc_.kg = 1e-300;
  const ReportOutcome outcome = Draw();
  ASSERT_TRUE(outcome.completed) << outcome.error;
  ASSERT_EQ(page_.document().pages.size(), 2u);
  const TextCommand hValue = TextReading(PageAt(0), "1" + std::string(300, '0') + ".000 (m)");
  EXPECT_DOUBLE_EQ(hValue.y, settings_.RowY[23]);
}

TEST_F(DrawReportTest, PermeabilityBeyondMetresPerMinuteStopsTheReportAndSaysSo) {
  UseWorkedExample();
  calc_.kn = 1e307;  // × 60 overflows

  const ReportOutcome outcome = Draw();

  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(outcome.error.find("kn"), std::string::npos) << outcome.error;
  EXPECT_FALSE(page_.document().finished);
  ASSERT_EQ(page_.document().pages.size(), 1u);
  // The drawing stops in the substituted line of Q1, after its equals sign.
  const auto texts = TextsOf(PageAt(0));
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().text, "=  ");
  EXPECT_EQ(LinesOf(PageAt(0)).size(), 1u);
}

TEST_F(DrawReportTest, ImprovedPermeabilityBeyondMetresPerMinuteStopsInTheQ2Block) {
  UseWorkedExample();
  calc_.kg = 1e307;

  const ReportOutcome outcome = Draw();

  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(outcome.error.find("kg"), std::string::npos) << outcome.error;
  EXPECT_FALSE(page_.document().finished);
  TextReading(PageAt(0), "  =  0.977 (m");
  EXPECT_EQ(TextsOf(PageAt(0)).back().text, "=  ");
}

}  // namespace
}  // namespace tavoro
