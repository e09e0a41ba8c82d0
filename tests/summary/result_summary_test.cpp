#include "summary/result_summary.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>
#include <vector>

#include "calc/compute_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

CalculationCase ComputedExample() {
  CalculationCase calc = testing::WorkedExample();
  ComputeCase(calc);
  return calc;
}

TEST(ResultSummary, ListsInputsAndResultsAsTabSeparatedLines) {
  const std::string text = ResultSummary(ComputedExample());
  ASSERT_EQ(text.back(), '\n');
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 22u);
  for (const std::string& line : lines) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
  }
  const std::vector<std::string> head(lines.begin(), lines.begin() + 15);
  const std::vector<std::string> expected = {
      "項目\t記号\t値\t単位",
      "地下水位\tGL-\t2\tm",
      "不透水層深度\tHf\t20\tm",
      "掘削深度\tHt\t10\tm",
      "立坑周長\tL\t20\tm",
      "透水係数\tkn\t0.01\tcm/sec",  // as typed, not 0.0001 m/s
      "改良幅\tB\t2\tm",
      "改良後の透水係数\tkg\t0.0001\tcm/sec",
      "着目点\tx\t10\tm",
      "計算範囲\t\t100\tm",
      "円換算半径\tr\t3.18309886183791\tm",
      "地下水位から不透水層までの高さ\tH\t18\tm",
      "立坑底から不透水層までの高さ\th\t10\tm",
      "地下水位から掘削底までの高さ\tS\t8\tm",
      "影響範囲（地盤改良なし）\tR1\t240\tm",
  };
  EXPECT_EQ(head, expected);
  EXPECT_EQ(lines[15].rfind("湧水量（地盤改良なし）\tQ1\t", 0), 0u) << lines[15];
  EXPECT_EQ(lines[17].rfind("湧水量（地盤改良あり）\tQ2\t", 0), 0u) << lines[17];
  EXPECT_EQ(lines[20].rfind("影響範囲（地盤改良あり）\tR2\t13.789", 0), 0u) << lines[20];
  EXPECT_EQ(lines[21].rfind("着目点の水位低下量（地盤改良あり）\tS(x)\t", 0), 0u) << lines[21];
}

TEST(ResultSummary, WithoutImprovementStopsAtThePointAndMarksWhatWasNotComputed) {
  CalculationCase calc = testing::WorkedExample();
  calc.B = 0;
  ComputeCase(calc);
  calc.Q[1] = std::nan("");
  calc.R[1] = HUGE_VAL;
  const std::vector<std::string> lines = Lines(ResultSummary(calc));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[14], "影響範囲（地盤改良なし）\tR1\t算定不能\tm");
  EXPECT_EQ(lines[15], "湧水量（地盤改良なし）\tQ1\t算定不能\tm3/min");
  EXPECT_EQ(lines[16].rfind("着目点の水位低下量（地盤改良なし）\tS(x)\t", 0), 0u);
  EXPECT_EQ(lines[17].rfind("注記\t\t地盤改良なしの場合の値に算定不能があります", 0), 0u);
}

TEST(ResultSummary, KeepsTheFullStopUnderADecimalCommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string text = ResultSummary(ComputedExample());
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_NE(text.find("\tr\t3.18309886183791\t"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
