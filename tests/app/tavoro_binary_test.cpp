// Runs the built tavoro program on the worked example.
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "json_values.h"

namespace tavoro {
namespace {

struct Result {
  int status = -1;
  std::string out;
};

// Runs `tavoro <args>` with standard error discarded.
Result RunTavoro(const std::string& args) {
  const std::string command = std::string(TAVORO_BINARY) + " " + args + " 2>/dev/null";
  Result result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

::testing::AssertionResult SixDigits(double actual, double quoted) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(quoted))) - 5);
  if (std::fabs(actual - quoted) <= 0.5 * unit * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not " << quoted << " to six digits";
}

const std::string kWorkedExample =
    "export --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 "
    "--width 2 --kg 0.0001 --point 10";

TEST(TavoroBinaryTest, ExportsTheWorkedExample) {
  const Result run = RunTavoro(kWorkedExample + " --range 100 --json -");
  ASSERT_EQ(run.status, 0);
  using testing::JsonNumbers;
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "r").at(0), 3.18310));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "R").at(0), 240));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "Q").at(0), 0.976755));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "Q").at(1), 0.0802871));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "R").at(1), 13.7891));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "PointY").at(0), 12.6221));
  EXPECT_TRUE(SixDigits(JsonNumbers(run.out, "PointS").at(1), 0.149622));
  const auto x = JsonNumbers(run.out, "CurveX");
  const auto y = JsonNumbers(run.out, "CurveY");
  ASSERT_EQ(x.size(), 200u);
  ASSERT_EQ(y.size(), 200u);
  EXPECT_TRUE(SixDigits(x[49], 50.6036));
  EXPECT_TRUE(SixDigits(y[49], 15.5993));
  EXPECT_TRUE(SixDigits(y[100 + 9], 17.5404));
  EXPECT_TRUE(SixDigits(x[100 + 49], 9.00799));
  EXPECT_TRUE(SixDigits(y[100 + 49], 17.8015));
}

TEST(TavoroBinaryTest, ShorterRangeChangesOnlyTheNaturalCurve) {
  const Result run = RunTavoro(kWorkedExample + " --range=30 --json=-");
  ASSERT_EQ(run.status, 0);
  const auto x = testing::JsonNumbers(run.out, "CurveX");
  const auto y = testing::JsonNumbers(run.out, "CurveY");
  ASSERT_EQ(x.size(), 200u);
  EXPECT_TRUE(SixDigits(x[49], 16.3179));
  EXPECT_TRUE(SixDigits(y[49], 13.5902));
  EXPECT_DOUBLE_EQ(x[99], 30);
  EXPECT_TRUE(SixDigits(y[100 + 49], 17.8015));
}

TEST(TavoroBinaryTest, ExitStatuses) {
  EXPECT_EQ(RunTavoro("export --groundwater 5 --excavation 5 --json -").status, 2);
  EXPECT_EQ(RunTavoro("export --groundwater 5 --excavation 5 --json -").out, "");
  EXPECT_EQ(RunTavoro("export --kn 1e999 --excavation 5 --json -").status, 2);
  EXPECT_EQ(RunTavoro("export --excavation 5").status, 2);
  EXPECT_EQ(RunTavoro("frobnicate").status, 2);
  const Result help = RunTavoro("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tavoro export"), std::string::npos);
  EXPECT_EQ(RunTavoro("export --help").status, 0);
}

}  // namespace
}  // namespace tavoro
