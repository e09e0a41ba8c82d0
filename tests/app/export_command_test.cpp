#include "export_command.h"

#include "export_options.h"

#include <sstream>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "case_json.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using Args = std::vector<std::string>;

// Status, standard output and standard error of `tavoro export args`.
std::tuple<int, std::string, std::string> Export(const Args& args) {
  std::ostringstream out, err;
  const int status = RunExport(args, out, err);
  return {status, out.str(), err.str()};
}

// Both spellings, the form's order whatever the command line's, omitted fields empty.
TEST(ExportCommandTest, OptionsInFormOrder) {
  const ParsedExportOptions parsed =
      ParseExportOptions({"--groundwater", "2", "--impervious=20", "--point", "", "--excavation",
                          "-10", "--perimeter=20 m", "--kn", "a=b", "--kg=1e-4",
                          "--range=", "--json", "-", "--chart=c.png", "--dpi", "300"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const ExportOptions& options = *parsed.options;
  EXPECT_EQ(options.texts, (InputTexts{"2", "20", "-10", "20 m", "a=b", "", "1e-4", "", ""}));
  EXPECT_EQ(std::tie(options.jsonPath, options.chartPath, options.reportPath, options.dpi),
            std::tuple("-", "c.png", std::nullopt, 300));
}

// The CalcRange 30 variant of the worked example as an engineer types it (permeabilities in
// cm/sec); the built program runs the worked example itself.
TEST(ExportCommandTest, JsonOfTheWorkedExample) {
  CalculationCase expected = testing::WorkedExample(30);
  ComputeCase(expected);
  EXPECT_EQ(Export({"--groundwater", "2", "--impervious", "20", "--excavation", "10", "--perimeter",
                    "20", "--kn", "0.01", "--width", "2", "--kg", "0.0001", "--point", "10",
                    "--range=30", "--json", "-"}),
            std::tuple(kExitOk, CaseToJson(expected), ""));
}

// A command line or a run that cannot go ahead writes nothing, says why and exits with 2; a file
// that cannot be written exits with 1.
TEST(ExportCommandTest, Failures) {
  const std::pair<Args, std::string> usage[] = {
      {{"--kn", "1"}, "nothing to write: give --json, --report or --chart"},
      {{"--json", "-", "--depth=3"}, "unknown option --depth"},
      {{"--json", "-", "--kn"}, "--kn needs a value"},
      {{"--json", "-", "7"}, "unexpected argument \"7\""},
      {{"--json", "-", "--kn", "1", "--kn=2"}, "--kn is given twice"},
      {{"--chart", "c.png", "--dpi", "9"}, "--dpi needs a whole number from 10 to 600, not \"9\""},
      {{"--chart", "c.png", "--dpi", "601"},
       "--dpi needs a whole number from 10 to 600, not \"601\""}};
  for (const auto& [args, error] : usage) {
    EXPECT_EQ(Export(args),
              std::tuple(kExitUsage, "", "tavoro: " + error + "\n(see tavoro export --help)\n"));
  }
  EXPECT_EQ(Export({"--groundwater", "10", "--excavation=10", "--json", "-"}),
            std::tuple(kExitUsage, "",
                       "tavoro: nothing computed: the excavation depth --excavation (掘削深度, "
                       "\"10\") must be greater than the groundwater depth --groundwater "
                       "(地下水位, \"10\")\n"));
  EXPECT_EQ(
      Export({"--excavation", "10", "--range", "1e400", "--json", "-"}),
      std::tuple(kExitUsage, "",
                 "tavoro: --range (計算範囲): \"1e400\" lies beyond the range of a double\n"));
  EXPECT_EQ(Export({"--excavation", "10", "--json", "/nonexistent-dir/case.json"}),
            std::tuple(kExitFailed, "", "tavoro: cannot write /nonexistent-dir/case.json\n"));
}

TEST(ExportCommandTest, HelpNamesEveryOption) {
  const auto [status, out, err] = Export({"--help"});
  EXPECT_EQ(status, kExitOk);
  for (const char* option : {"--groundwater", "--impervious", "--excavation", "--perimeter", "--kn",
                             "--width", "--kg", "--point", "--range", "--json", "cm/sec"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace tavoro
