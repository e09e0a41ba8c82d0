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
  EXPECT_EQ(lines[16].rfind("着目点の水位低下量（地盤改良なし）\tSx1\t", 0), 0u);
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
