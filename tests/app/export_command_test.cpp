// tavoro export: the worked example's JSON against figures worked out independently of the
// program (to six significant digits, or exact), the ground options, case files and project texts.
#include "export_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "casefile/case_file.h"
#include "files.h"
#include "worked_example.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

struct Figure {
  const char* pointer;
  double value;
};

// Slot 0 is the ground without the ring, slot 1 with it; curve points count from 0.
constexpr Figure kWorkedExample[] = {
    {"/inputs/GroundwaterDepth", 2}, {"/inputs/ImperviousDepth", 20},
    {"/inputs/ExcavationDepth", 10}, {"/inputs/L", 20},
    {"/inputs/kn", 1e-4},            {"/inputs/B", 2},
    {"/inputs/kg", 1e-6},            {"/inputs/PointDistance", 10},
    {"/inputs/CalcRange", 100},      {"/H", 18},
    {"/r", 3.18310},                 {"/h/0", 10},
    {"/S/0", 8},                     {"/R/0", 240},
    {"/Q/0", 0.976755},              {"/CurveX/0/49", 50.6036},
    {"/CurveY/0/49", 15.5993},       {"/PointY/0", 12.6221},
    {"/PointS/0", 5.37787},          {"/Q/1", 0.0802871},
    {"/CurveY/1/9", 17.5404},        {"/CurveS/1/9", 0.459637},
    {"/R/1", 13.7891},               {"/CurveX/1/4", 3.93310},
    {"/CurveY/1/4", 13.7883},        {"/CurveX/1/49", 9.00799},
    {"/CurveY/1/49", 17.8015},       {"/CurveX/1/99", 13.7891},
    {"/PointY/1", 17.8504},          {"/PointS/1", 0.149622},
};

using Args = std::vector<std::string>;

std::tuple<int, std::string, std::string> Export(const Args& args) {
  std::ostringstream out, err;
  const int status = RunExport(args, out, err);
  return {status, out.str(), err.str()};
}

nlohmann::json ExportJson(std::vector<std::string> args) {
  args.insert(args.end(), {"--json", "-"});
  const auto [status, out, err] = Export(args);
  EXPECT_EQ(status, kExitOk) << err;
  return nlohmann::json::parse(out);
}

TEST(ExportJsonTest, WorkedExampleCarriesTheFiguresWorkedOutByHand) {
  const nlohmann::json json = ExportJson(testing::kWorkedExampleArgs);
  for (const auto& [pointer, value] : kWorkedExample) {
    const nlohmann::json& got = json.at(nlohmann::json::json_pointer(pointer));
    ASSERT_TRUE(got.is_number()) << pointer;
    // Half a unit of the sixth significant digit.
    const double tolerance = 0.5 * std::pow(10.0, std::floor(std::log10(value)) - 5);
    EXPECT_NEAR(got.get<double>(), value, tolerance) << pointer;
  }
  // Without a ring, nothing of the improved case is reported.
  std::vector<std::string> noRing = testing::kWorkedExampleArgs;
  noRing[11] = "0";
  const nlohmann::json plain = ExportJson(noRing);
  EXPECT_NEAR(plain["Q"][0].get<double>(), 0.976755, 5e-7);
  EXPECT_TRUE(plain["Q"][1].is_null());
  EXPECT_TRUE(plain["R"][1].is_null());
  EXPECT_TRUE(plain["PointS"][1].is_null());
}

// The ground options against figures worked out by hand.
TEST(ExportCommandTest, GroundOptions) {
  struct Row {
    Args args;
    std::string method;
    double R1;
    double F;  // 0: no uplift check
  };
  const Row rows[] = {
      {{"--radius-method=Kusakin"}, "kusakin", 575 * 8 * std::sqrt(18 * 1e-4), 0},
      {{"--radius-method=given", "--radius=５００ ｍ", "--radius-note=河川までの距離の2倍"},
       "given", 500, 0},
      {{"--confined-top=20", "--confined-head=8", "--unit-weight=14", "--water-unit-weight=10"},
       "sichardt", 240, 140.0 / 120},
      {{"--confined-top=２０", "--confined-head=-3 m", "--soil-layers=4:18,6:19",
        "--uplift-safety=1.0"},
       "sichardt", 240, 186 / (9.8 * 23)},
  };
  for (const Row& row : rows) {
    Args args = testing::kWorkedExampleArgs;
    args.insert(args.end(), row.args.begin(), row.args.end());
    args.push_back("--json=-");
    const auto [status, out, err] = Export(args);
    ASSERT_EQ(status, kExitOk) << err;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["radius_method"], row.method);
    EXPECT_NEAR(json["R"][0].get<double>(), row.R1, 1e-9);
    if (row.F == 0) {
      EXPECT_TRUE(json["uplift"].is_null());
    } else {
      EXPECT_DOUBLE_EQ(json["uplift"]["F"].get<double>(), row.F);
      EXPECT_EQ(json["uplift"]["ok"], row.F >= 1.1);  // Fs 1.1, or 1.0 with F = 0.825
    }
  }
}

using testing::ReadFile;

class CaseOptionsTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_ / name; }
  const testing::TempFolder folder_;
};

TEST_F(CaseOptionsTest, CommandLineToFileToCommandLineGivesTheSameJsonAndFile) {
  Args first = testing::kWorkedExampleArgs;
  first.insert(first.end(), {"--project-name=A工事", "--shaft-name=1号立坑", "--author=山田",
                             "--date=2024-05-01", "--notes=メモ", "--save-case", Path("a.tavoro"),
                             "--json", Path("a.json")});
  ASSERT_EQ(Export(first), std::tuple(kExitOk, "", ""));
  ASSERT_EQ(Export({"--case", Path("a.tavoro"), "--save-case", Path("b.tavoro"), "--json", "-"}),
            std::tuple(kExitOk, ReadFile(Path("a.json")), ""));
  EXPECT_EQ(ReadFile(Path("b.tavoro")), ReadFile(Path("a.tavoro")));

  const CaseFileRead saved = ReadCaseFile(Path("a.tavoro"));
  ASSERT_TRUE(saved.file) << saved.status.message();
  EXPECT_EQ(saved.file->inputs,
            (InputTexts{"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"}));
  EXPECT_EQ(saved.file->project, (ProjectInfo{"A工事", "1号立坑", "山田", "2024-05-01", "メモ", ""}));
  EXPECT_NE(ReadFile(Path("a.json"))
                .find(R"("project":{"name":"A工事","shaft":"1号立坑","author":"山田",)"
                      R"("date":"2024-05-01","notes":"メモ","checker":""})"),
            std::string::npos);
}

TEST_F(CaseOptionsTest, OptionsGivenWithACaseOverrideSingleFields) {
  Args args = testing::kWorkedExampleArgs;
  args.insert(args.end(), {"--project-name=A工事", "--notes=旧", "--save-case", Path("a.tavoro")});
  ASSERT_EQ(std::get<0>(Export(args)), kExitOk);
  ASSERT_EQ(Export({"--case", Path("a.tavoro"), "--range", "50", "--width=", "--notes=",
                    "--shaft-name", "2号", "--save-case", Path("b.tavoro")}),
            std::tuple(kExitOk, "", ""));
  const CaseFileRead changed = ReadCaseFile(Path("b.tavoro"));
  ASSERT_TRUE(changed.file) << changed.status.message();
  EXPECT_EQ(changed.file->inputs,
            (InputTexts{"2", "20", "10", "20", "0.01", "", "0.0001", "10", "50"}));
  EXPECT_EQ(changed.file->project, (ProjectInfo{"A工事", "2号", "", "", "", ""}));
}

// The shipped examples are written as Tavoro writes them, run, and the first is the worked example.
TEST(ExampleCasesTest, AreWrittenAsTavoroWritesThemAndRun) {
  for (const char* name : {"worked-example.tavoro", "no-ring.tavoro"}) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path(TAVORO_EXAMPLES_DIR) / name;
    const CaseFileRead read = ReadCaseFile(path);
    ASSERT_TRUE(read.file) << read.status.message();
    EXPECT_EQ(CaseFileText(*read.file), ReadFile(path));
    EXPECT_EQ(std::get<0>(Export({"--case", path.string(), "--json", "-"})), kExitOk);
    if (name[0] == 'w') {
      EXPECT_EQ(read.file->inputs, testing::kWorkedExampleTexts);
    }
  }
}

}  // namespace
}  // namespace tavoro
