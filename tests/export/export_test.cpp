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

// CSV cells: the text between the commas of row (0-based) of block 1, or of
// the curve table.
std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> cells(1);
  for (const char c : line) {
    if (c == ',') {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

std::vector<std::string> Lines(const std::string& csv) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < csv.size()) {
    const std::size_t end = csv.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(csv.substr(at, end - at));
    at = end + 2;
  }
  return lines;
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
  const std::string csv = CaseToCsv(calc);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  const std::vector<std::string> lines = Lines(csv.substr(3));
  ASSERT_EQ(lines.size(), 1u + 21u + 1u + 1u + 100u);
  EXPECT_EQ(lines[0], "記号,値,単位");
  EXPECT_EQ(lines[1], "GL-,2,m");
  EXPECT_EQ(lines[5], "kn,0.0001,m/s");
  EXPECT_EQ(lines[22], "");
  EXPECT_EQ(lines[23], "点,x1 (m),y1 (m),s1 (m),x2 (m),y2 (m),s2 (m)");

  const auto row = [&](const std::string& symbol) {
    for (int i = 1; i <= 21; ++i) {
      const std::vector<std::string> cells = Split(lines[static_cast<std::size_t>(i)]);
      if (cells.at(0) == symbol) return cells;
    }
    ADD_FAILURE() << symbol;
    return std::vector<std::string>{"", "", ""};
  };
  EXPECT_EQ(Number(row("r")[1]), calc.r);
  EXPECT_EQ(Number(row("Q1")[1]), calc.Q[kNatural]);
  EXPECT_EQ(row("Q1")[2], "m3/min");
  EXPECT_EQ(Number(row("R2")[1]), calc.R[kImproved]);
  EXPECT_EQ(Number(row("s2(x)")[1]), calc.PointS[kImproved]);
  for (int point = 1; point <= kCurvePoints; ++point) {
    const std::vector<std::string> cells = Split(lines[static_cast<std::size_t>(23 + point)]);
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
  const std::vector<std::string> lines = Lines(CaseToCsv(calc).substr(3));
  EXPECT_EQ(lines[17], std::string("Q2,") + kNotComputedMark + ",m3/min");
  EXPECT_EQ(lines[10], "H,0,m");
  EXPECT_EQ(Split(lines[23 + 50]).at(5), kNotComputedMark);
  // After the curves, why: one row per reason.
  ASSERT_EQ(lines.size(), 124u + 3u);
  EXPECT_EQ(lines[125], "注記,内容");
  EXPECT_EQ(lines[126].rfind("improved-not-computed,地盤改良を施した場合の値に算定不能", 0), 0u);
}

}  // namespace
}  // namespace tavoro
