// The summary of a batch: file names, summary.csv and the summary pages.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "batch/output_names.h"
#include "batch/summary_columns.h"
#include "batch/summary_csv.h"
#include "batch/summary_pages.h"
#include "page/text_fit.h"
#include "calc/run_case.h"
#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

const InputTexts kWorkedExample = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};

ShaftOutcome Computed(int number, std::string shaft, const InputTexts& inputs) {
  ShaftOutcome outcome;
  outcome.row.number = number;
  outcome.row.inputs = inputs;
  outcome.row.project.shaft = std::move(shaft);
  const CaseRun run = RunCase(inputs, 0);
  outcome.computed = !run.rejection;
  outcome.calc = run.calc;
  if (run.rejection) outcome.failure = run.rejection->message;
  return outcome;
}

TEST(OutputNamesTest, PadsTheNumberAndMakesTheShaftNameSafe) {
  EXPECT_EQ(ShaftFileStem(1, ""), "001");
  EXPECT_EQ(ShaftFileStem(42, "No.1 立坑"), "042-No.1 立坑");
  EXPECT_EQ(ShaftFileStem(1234, "a/b\\c:d*e?f\"g<h>i|j\tk"), "1234-a_b_c_d_e_f_g_h_i_j_k");
  EXPECT_EQ(ShaftFileStem(3, " ..立坑. "), "003-立坑");
  EXPECT_EQ(ShaftFileStem(3, " . "), "003");
  // 27 three-byte characters are 81 bytes: the last one does not fit.
  std::string long_name;
  for (int i = 0; i < 27; ++i) long_name += "坑";
  EXPECT_EQ(ShaftFileStem(1, long_name), "001-" + long_name.substr(0, 78));
}

// 保存 proposes the shaft's name, else the case file's, else the document's own.
TEST(OutputNamesTest, ProposedDocumentNameFallsBackFromShaftToCaseToDocument) {
  EXPECT_EQ(ProposedDocumentStem("No.1 立坑", "a", "計算書"), "No.1 立坑_計算書");
  EXPECT_EQ(ProposedDocumentStem("A/B:1?", "", "地下水位降下曲線"), "A_B_1__地下水位降下曲線");
  EXPECT_EQ(ProposedDocumentStem(" . ", "現場A", "計算書"), "現場A_計算書");
  EXPECT_EQ(ProposedDocumentStem("", "", "計算書"), "計算書");
}

TEST(SummaryColumnsTest, WritesTheShortestTextThatReadsBack) {
  EXPECT_EQ(ShortestNumberText(1e-7), "1e-07");
  EXPECT_EQ(ShortestNumberText(2e15), "2e+15");
  EXPECT_EQ(ShortestNumberText(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(ShortestNumberText(std::nan("")), "");
  EXPECT_EQ(ShortestNumberText(-INFINITY), "-inf");
  for (const double value : {3.18309886183791, 1.2345678901234567e-06, 123456789012345.67}) {
    const std::string text = ShortestNumberText(value);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, value) << text;
  }
}

TEST(SummaryCsvTest, ListsEveryShaftWithItsStatusInputsAndResults) {
  const std::vector<ShaftOutcome> outcomes = {
      Computed(1, "No.1", kWorkedExample),
      Computed(2, "No.2, \"東\"", {"2", "20", "10", "20", "0.01", "0", "", "10", "100"}),
      Computed(4, "", {"5", "20", "4", "20", "0.01", "2", "0.0001", "10", "100"}),
  };
  const std::string csv = SummaryCsv(outcomes);
  ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
  std::vector<std::string> lines;
  for (std::size_t start = 3, end; (end = csv.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(csv.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 4u);
  // Without a ring the improved results are empty; a name with a comma is quoted.
  EXPECT_EQ(lines[2].rfind("2,\"No.2, \"\"東\"\"\",計算済み,", 0), 0u);
  const std::string noRingEnd = "," + ShortestNumberText(outcomes[1].calc.Q[kNatural]) + ",,,,," +
                                ShortestNumberText(outcomes[1].calc.PointS[kNatural]) +
                                ",,作成しました,";
  EXPECT_EQ(lines[2].substr(lines[2].size() - noRingEnd.size()), noRingEnd);

  // A rejected row keeps its inputs, with no result at all, and its reason.
  ASSERT_FALSE(outcomes[2].computed);
  EXPECT_EQ(lines[3], "4,,計算不可,5,20,4,20,0.01,2,0.0001,10,100,,,,,,,,,,,,,作成していません," +
                          outcomes[2].failure);
}

// A name a spreadsheet would run as a formula shows as typed; numbers stay numbers.
TEST(SummaryCsvTest, FormulaLikeNamesShowAsTyped) {
  const std::pair<std::string, std::string> names[] = {
      {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
      {"@SUM(1)", "'@SUM(1)"}, {"+1+1", "'+1+1"}, {"-", "'-"}, {"\tA", "'\tA"},
      {"\r=1", "\"'\r=1\""}, {"-5", "-5"}, {"+1.5e-3", "+1.5e-3"}, {"a=1", "a=1"},
  };
  for (const auto& [name, cell] : names) {
    const std::string csv = SummaryCsv({Computed(7, name, kWorkedExample)});
    EXPECT_NE(csv.find("\r\n7," + cell + ",計算済み,"), std::string::npos) << name << "\n" << csv;
  }
}

TEST(TextFitTest, CutsAndWrapsBetweenCharacters) {
  const FixedPitchMeasurer measurer;
  const FontSpec font{"ＭＳ 明朝", 10};  // 200 twips a character, 100 for ASCII
  const TextWidthOf widthOf = [&](std::string_view text) { return measurer.TextWidth(font, text); };
  EXPECT_EQ(FitText(widthOf, "立坑名", 600), "立坑名");
  EXPECT_EQ(FitText(widthOf, "立坑名です", 600), "立坑…");
  EXPECT_EQ(WrapText(widthOf, "掘削深度は地下水位より深く", 800, 3),
            (std::vector<std::string>{"掘削深度", "は地下水", "位より…"}));
  EXPECT_EQ(WrapText(widthOf, "ab", 50, 5), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(WrapText(widthOf, "", 800, 3).empty());
  // A huge text is cut before it is measured, and still ends in "…".
  const std::string huge(1 << 20, 'x');
  EXPECT_EQ(FitText(widthOf, huge, 1000), std::string(8, 'x') + "…");
}

// Rows split into pages in order; an empty batch still has its one page.
TEST(SummaryPagesTest, SplitsRowsIntoPagesInOrder) {
  using Pages = std::vector<std::pair<std::size_t, std::size_t>>;
  EXPECT_EQ(SplitIntoPages({}, 100), Pages{});
  EXPECT_EQ(SplitIntoPages({40, 40, 20, 30, 71}, 100), (Pages{{0, 3}, {3, 4}, {4, 5}}));
  EXPECT_EQ(SplitIntoPages({150, 10}, 100), (Pages{{0, 1}, {1, 2}}));
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  DrawSummaryPages(page, {}, ProjectInfo{});
  EXPECT_EQ(page.document().pages.size(), 1u);
}

TEST(SummaryPagesTest, TheProjectComesFromTheFirstRowsThatNameIt) {
  std::vector<BatchRow> rows(3);
  rows[0].project = {"", "No.1", "", "", ""};
  rows[1].project = {"○○工事", "No.2", "", "2026-12-01", ""};
  rows[2].project = {"△△工事", "No.3", "山田", "2026-12-02", ""};
  EXPECT_EQ(SummaryProject(rows), (ProjectInfo{"○○工事", "", "山田", "2026-12-01", "", ""}));
}

}  // namespace
}  // namespace tavoro
