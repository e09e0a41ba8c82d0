#include "export_command.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "json_values.h"

namespace tavoro {
namespace {

using Args = std::vector<std::string>;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Export(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunExport(args, out, err);
  return {status, out.str(), err.str()};
}

Args WorkedExample(const Args& more) {
  Args args = {"--groundwater", "2",      "--impervious", "20",   "--excavation", "10",
               "--perimeter",   "20",     "--kn",         "0.01", "--width",      "2",
               "--kg",          "0.0001", "--point",      "10",   "--range",      "100"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(ExportCommandTest, JsonToStandardOutput) {
  const Outcome run = Export(WorkedExample({"--json", "-"}));
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(testing::JsonNumbers(run.out, "R").at(0), 240);
  EXPECT_EQ(testing::JsonNumbers(run.out, "r").at(0), 3.1830988618379101);  // π as 3.14159265358979
  EXPECT_EQ(run.out.substr(run.out.size() - 31), "\"ImprovedCurveComputed\": true}\n");
}

TEST(ExportCommandTest, GuardStopWritesNothing) {
  const Outcome run = Export({"--groundwater", "10", "--excavation=10", "--json", "-"});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(
      run.err,
      "tavoro: nothing computed: the excavation depth --excavation (掘削深度, \"10\") must be "
      "greater than the groundwater depth --groundwater (地下水位, \"10\")\n");
  EXPECT_EQ(Export({"--json", "-"}).status, kExitUsage);  // every field empty
}

TEST(ExportCommandTest, RejectedNumberNamesOptionAndField) {
  const Outcome rejected =
      Export({"--groundwater", "2", "--excavation", "10", "--range", "1e400", "--json", "-"});
  EXPECT_EQ(rejected.status, kExitUsage);
  EXPECT_EQ(rejected.out, "");
  EXPECT_EQ(rejected.err,
            "tavoro: --range (計算範囲): \"1e400\" lies beyond the range of a double\n");
}

TEST(ExportCommandTest, UsageErrorsAndHelp) {
  const Outcome unknown = Export({"--json", "-", "--colour", "red"});
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_EQ(unknown.err, "tavoro: unknown option --colour\n(see tavoro export --help)\n");
  EXPECT_EQ(unknown.out, "");

  const Outcome help = Export({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  for (const char* option : {"--groundwater", "--impervious", "--excavation", "--perimeter", "--kn",
                             "--width", "--kg", "--point", "--range", "--json", "--report",
                             "--chart", "--dpi", "改良後の透水係数", "cm/sec"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
}

TEST(ExportCommandTest, UnwritableFilesFail) {
  const Outcome json = Export(WorkedExample({"--json", "/nonexistent-dir/case.json"}));
  EXPECT_EQ(json.status, kExitFailed);
  EXPECT_EQ(json.err, "tavoro: cannot write /nonexistent-dir/case.json\n");
  const Outcome report = Export(WorkedExample({"--report", "/nonexistent-dir/report.pdf"}));
  EXPECT_EQ(report.status, kExitFailed);
  EXPECT_EQ(report.err.rfind("tavoro: ", 0), 0u);
}

}  // namespace
}  // namespace tavoro
