// Runs the built tavoro program.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "case_json.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// Exit status and standard output of `tavoro <args>` under a decimal-comma locale.
std::pair<int, std::string> RunTavoro(const std::string& args) {
  const std::string command = "LC_ALL=de_DE.UTF-8 " TAVORO_BINARY " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// The worked example end to end: the computed case, its first results in full digits.
TEST(TavoroBinaryTest, ExportsTheWorkedExampleAsJson) {
  const auto [status, json] = RunTavoro(
      "export --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 --width 2 "
      "--kg 0.0001 --point 10 --range 100 --json -");
  CalculationCase expected = testing::WorkedExample();
  ComputeCase(expected);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(json, CaseToJson(expected));
  EXPECT_NE(json.find("\"H\": 18, \"r\": 3.1830988618379101, \"h\": [10, 0], \"S\": [8, 0], "
                      "\"R\": [240, 13.789"),
            std::string::npos);
  EXPECT_EQ(RunTavoro("export --groundwater 5 --excavation 5 --json -"),
            std::pair(2, std::string()));
  EXPECT_EQ(RunTavoro("frobnicate").first, 2);
}

}  // namespace
}  // namespace tavoro
