#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/compute_case.h"
#include "recorded_page.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// The fixed-pitch line is 200 twips high, so text centred on a formula
// line's bar stands 49 + 197 twips below the line's row top.
constexpr double kOnBar = 246;

class DrawReportTest : public RecordedPageTest {
 protected:
  DrawReportTest() : calc_(testing::WorkedExample()) { ComputeCase(calc_); }

  ReportOutcome Draw() { return DrawReport(page_, calc_, settings_, counter_); }

  // How many pieces on page `index` read text; "text@" matches any place.
  long CountOf(std::size_t index, const std::string& text) const {
    const Strings pieces = OnPage(index).texts;
    return std::count_if(pieces.begin(), pieces.end(), [&](const std::string& piece) {
      return piece == text || (text.ends_with('@') && piece.starts_with(text));
    });
  }

  // The piece reading text at grid column `column`, dy below row `row`'s top.
  std::string OnGrid(const char* text, int column, int row, double dy = 0) const {
    return Piece(text, settings_.ColX[column], settings_.RowY[row] + dy);
  }

  // Expects each piece (or "text@") exactly once on page `index`.
  void ExpectEach(std::size_t index, const Strings& pieces) const {
    for (const std::string& piece : pieces) EXPECT_EQ(CountOf(index, piece), 1) << piece;
  }

  CalculationCase calc_;
  PageSettings settings_;
  ReportLineCounter counter_;
};

TEST_F(DrawReportTest, ZeroOrNegativeWidthGivesOnePageWithTheSymbolListFromRowThirteen) {
  for (const double width : {0.0, -2.0}) {
    SCOPED_TRACE(width);
    calc_.B = width;
    ComputeCase(calc_);

    ASSERT_TRUE(Draw().completed);
    ASSERT_EQ(page_.document().pages.size(), 1u);
    EXPECT_EQ(CountOf(0, "地盤改良を施した場合の湧水量 : Q2@") + CountOf(0, "Q2@"), 0);
    ExpectEach(
        0, {OnGrid("Q1", 5, 7, kOnBar), OnGrid("ここに、", 5, 13), OnGrid("H", 10, 13),
            OnGrid("18.000 (m)", 35, 13), OnGrid("(m/min)", 35, 16), OnGrid("R1", 13, 18, kOnBar),
            OnGrid("r", 13, 24, kOnBar), OnGrid("(m)", 35, 29)});
  }
}

TEST_F(DrawReportTest, WorkedExampleShowsItsValuesInTheirTexts) {
  ASSERT_TRUE(Draw().completed);
  EXPECT_TRUE(page_.document().finished);
  ASSERT_EQ(page_.document().pages.size(), 2u);

  // Page 1: both inflows, then the symbol list from row 23 to row 39.
  ExpectEach(0, {OnGrid("地盤改良を施した場合の湧水量 : Q2", 3, 13), OnGrid("Q2", 5, 15, kOnBar),
                 "  =  0.977 (m@", "=  0.080 (m@", OnGrid("ここに、", 5, 23),
                 OnGrid("18.000 (m)", 35, 23), OnGrid("10.000 (m)", 35, 24),
                 OnGrid("0.006000 (m/min)", 35, 25), OnGrid("0.000060 (m/min)", 35, 26),
                 OnGrid("R1", 13, 28, kOnBar), "　=　240.000 (m)@", OnGrid("8.000 (m)", 35, 32),
                 "　=　3.183 (m)@", OnGrid("20.000 (m)", 35, 38), OnGrid("2.000 (m)", 35, 39)});
  // Page 2: the note and the h2, S2 and R2 blocks on rows 4, 12 and 16;
  // under the R2 radical kn stays in m/s.
  ExpectEach(1, {OnGrid("として求める。", 2, 2), OnGrid("h2", 13, 4, kOnBar), "=  17.540　(m) @",
                 OnGrid("S2", 13, 12, kOnBar), "=   18.000 - 17.540@", "  =   0.460 (m)@",
                 OnGrid("R2", 13, 16, kOnBar), " 0.000100 @", "　=　13.789 (m)@"});
}

// A value the run could not compute reads as the mark wherever it is printed.
TEST_F(DrawReportTest, ValuesNotComputedShowTheMark) {
  calc_.Q[2] = calc_.R[2] = calc_.CurveY[2][kRingEdgePoint] = std::nan("");
  ASSERT_TRUE(Draw().completed);
  ExpectEach(0, {"  =  0.977 (m@", "=  算定不能 (m@"});
  ExpectEach(1, {"=  算定不能　(m) @", "=   18.000 - 算定不能@", "　=　算定不能 (m)@"});
  for (std::size_t page = 0; page < 2; ++page) {
    for (const std::string& piece : OnPage(page).texts) {
      EXPECT_EQ(piece.find("NaN"), std::string::npos) << piece;
    }
  }
}

TEST_F(DrawReportTest, PermeabilityBeyondMetresPerMinuteStopsTheReportAndSaysSo) {
  const CalculationCase workedExample = calc_;
  for (const bool natural : {true, false}) {
    SCOPED_TRACE(natural ? "kn" : "kg");
    calc_ = workedExample;
    (natural ? calc_.kn : calc_.kg) = 1e307;  // × 60 overflows

    const ReportOutcome outcome = Draw();

    EXPECT_FALSE(outcome.completed);
    EXPECT_NE(outcome.error.find(natural ? "kn" : "kg"), std::string::npos) << outcome.error;
    EXPECT_FALSE(page_.document().finished);
    // It stops on page 1 in the substituted line of Q1 (or Q2), after its
    // equals sign.
    EXPECT_EQ(CountOf(0, "  =  0.977 (m@"), natural ? 0 : 1);
    EXPECT_EQ(OnPage().texts.back(), OnGrid("=  ", 7, natural ? 7 : 15, 693.2 + kOnBar));
  }
}

TEST_F(DrawReportTest, ProjectTextsAddTheHeaderAndPageNumbersAndMoveNothingOfTheBody) {
  ASSERT_TRUE(Draw().completed);
  const Document plain = page_.document();
  const ProjectInfo project{"A工事", "1号立坑", "", "2024-05-01", ""};
  ASSERT_TRUE(DrawReport(page_, calc_, settings_, counter_, project).completed);

  const Document& headed = page_.document();
  ASSERT_EQ(headed.pages.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const auto& commands = headed.pages[i].commands;
    ASSERT_EQ(commands.size(), plain.pages[i].commands.size() + 3);
    EXPECT_EQ(std::get<TextCommand>(commands[0]).text, "工事名：A工事　　立坑名：1号立坑");
    EXPECT_EQ(std::get<TextCommand>(commands[1]).text, "2024-05-01");
    EXPECT_TRUE(
        std::equal(commands.begin() + 2, commands.end() - 1, plain.pages[i].commands.begin()));
    // 「n / N」 at 9 points (ASCII 90 twips wide, 180 high), centred in the
    // paper's width and in the 20 mm bottom margin.
    const auto& number = std::get<TextCommand>(commands.back());
    EXPECT_EQ(number.text, std::to_string(i + 1) + " / 2");
    EXPECT_DOUBLE_EQ(number.x, (210 * 1440 / 25.4 - 5 * 90) / 2);
    EXPECT_DOUBLE_EQ(number.y, 297 * 1440 / 25.4 - (20 * 1440 / 25.4 + 180) / 2);
  }
}

}  // namespace
}  // namespace tavoro
