// Output names by extension, and the case as CSV.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/compute_case.h"
#include "calc/number_format.h"
#include "export/case_csv.h"
#include "export/output_formats.h"
#include "files.h"
#include "worked_example.h"

namespace tavoro {
namespace {

TEST(OutputFormatsTest, PagesOfAManyPageDocumentAreNumberedBeforeTheExtension) {
  using std::filesystem::path;
  EXPECT_EQ(PagePath("out.png", 0, 1), path("out.png"));
  EXPECT_EQ(PagePath("out.png", 1, 2), path("out-2.png"));
  EXPECT_EQ(PagePath("run.v2/report.svg", 0, 2), path("run.v2/report-1.svg"));
  EXPECT_EQ(PagePath("run.v2/report", 0, 2), path("run.v2/report-1"));
}

using Cells = std::vector<std::string>;

// The rows of the case's CSV, each ending in CR LF, after its byte-order mark.
std::vector<Cells> Rows(const std::string& csv) {
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  std::size_t lf = 0, crlf = 0;
  for (std::size_t at = 0; (at = csv.find('\n', at)) != std::string::npos; ++at, ++lf) {
    crlf += at > 0 && csv[at - 1] == '\r';
  }
  EXPECT_EQ(crlf, lf) << "every line ends in CR LF";
  return testing::CsvCells(csv);
}

double Number(const std::string& cell) {
  double value = std::numeric_limits<double>::quiet_NaN();
  const auto result = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  EXPECT_TRUE(result.ec == std::errc() && result.ptr == cell.data() + cell.size()) << cell;
  return value;
}

TEST(CaseCsvTest, WorkedExampleReadsBackToTheSameDoubles) {
  CalculationCase calc = testing::WorkedExample();
  ComputeCase(calc);
  const std::vector<Cells> lines = Rows(CaseToCsv(calc));
  ASSERT_EQ(lines.size(), 1u + 21u + 1u + 1u + 100u);
  EXPECT_EQ(lines[0], (Cells{"記号", "値", "単位"}));
  EXPECT_EQ(lines[1], (Cells{"GL-", "2", "m"}));
  EXPECT_EQ(lines[5], (Cells{"kn", "0.0001", "m/s"}));
  EXPECT_EQ(lines[22], Cells{""});
  EXPECT_EQ(lines[23], (Cells{"点", "x1 (m)", "y1 (m)", "s1 (m)", "x2 (m)", "y2 (m)", "s2 (m)"}));

  const auto row = [&](const std::string& symbol) {
    for (std::size_t i = 1; i <= 21; ++i) {
      if (lines[i].at(0) == symbol) return lines[i];
    }
    ADD_FAILURE() << symbol;
    return Cells{"", "", ""};
  };
  EXPECT_EQ(Number(row("r")[1]), calc.r);
  EXPECT_EQ(Number(row("Q1")[1]), calc.Q[kNatural]);
  EXPECT_EQ(row("Q1")[2], "m3/min");
  EXPECT_EQ(Number(row("R2")[1]), calc.R[kImproved]);
  EXPECT_EQ(Number(row("Sx2")[1]), calc.PointS[kImproved]);
  for (int point = 1; point <= kCurvePoints; ++point) {
    const Cells& cells = lines[static_cast<std::size_t>(23 + point)];
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[0], std::to_string(point));
    for (int k = kNatural; k <= kImproved; ++k) {
      const std::size_t at = 1 + 3 * static_cast<std::size_t>(k - 1);
      const auto same = [](const std::string& cell, double value) {
        return IsComputed(value) ? Number(cell) == value : cell == kNotComputedMark;
      };
      EXPECT_TRUE(same(cells[at], calc.CurveX[k][point])) << point;
      EXPECT_TRUE(same(cells[at + 1], calc.CurveY[k][point])) << point;
      EXPECT_TRUE(same(cells[at + 2], calc.CurveS[k][point])) << point;
    }
  }
}

TEST(CaseCsvTest, AValueNotComputedIsMarked) {
  CalculationCase calc = testing::WorkedExample();
  ComputeCase(calc);
  calc.Q[kImproved] = std::numeric_limits<double>::quiet_NaN();
  calc.CurveY[kImproved][50] = std::numeric_limits<double>::infinity();
  calc.H = -0.0;
  const std::vector<Cells> lines = Rows(CaseToCsv(calc));
  EXPECT_EQ(lines[17], (Cells{"Q2", kNotComputedMark, "m3/min"}));
  EXPECT_EQ(lines[10], (Cells{"H", "0", "m"}));
  EXPECT_EQ(lines[23 + 50].at(5), kNotComputedMark);
  // After the curves, why: one row per reason.
  ASSERT_EQ(lines.size(), 124u + 3u);
  EXPECT_EQ(lines[125], (Cells{"注記", "内容"}));
  EXPECT_EQ(lines[126].at(0), "improved-not-computed");
  EXPECT_EQ(lines[126].at(1).rfind("地盤改良を施した場合の値に算定不能", 0), 0u);
}

}  // namespace
}  // namespace tavoro
