#include "study_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "casefile/case_file.h"
#include "export_command.h"
#include "files.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using Args = std::vector<std::string>;

// The worked example as an engineer types it, then the study's own options.
Args WorkedExample(const Args& study) {
  Args args = testing::kWorkedExampleArgs;
  args.insert(args.end(), study.begin(), study.end());
  return args;
}

std::tuple<int, std::string, std::string> Study(const Args& args) {
  std::ostringstream out, err;
  const int status = RunStudyCommand(args, out, err);
  return {status, out.str(), err.str()};
}

// The inputs as `tavoro export --json` gives them for the worked example with --kg kgText.
nlohmann::json ExportedInputs(const std::string& kgText) {
  std::ostringstream out, err;
  Args args = WorkedExample({"--json", "-"});
  args[13] = kgText;
  EXPECT_EQ(RunExport(args, out, err), 0) << err.str();
  return nlohmann::json::parse(out.str())["inputs"];
}

TEST(StudyCommandTest, JsonHoldsTargetSolutionsInListOrderAndTheGridInNamedUnits) {
  const auto [status, out, err] = Study(WorkedExample({"--target-q2", "0.3", "--json", "-"}));
  ASSERT_EQ(status, 0) << err;
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_EQ(json["target"], (nlohmann::json{{"kind", "q2"}, {"value", 0.3}}));
  EXPECT_EQ(json["width_bound"], "asked");
  // The default list: the case's kg, ten times tighter, ten times looser; every
  // permeability in m/s, the very value of `tavoro export`.
  const nlohmann::json& solutions = json["solutions"];
  ASSERT_EQ(solutions.size(), 3u);
  EXPECT_EQ(json["kn"], ExportedInputs("0.0001")["kn"]);
  EXPECT_EQ(solutions[0]["kg"], ExportedInputs("0.0001")["kg"]);
  EXPECT_EQ(solutions[1]["kg"], ExportedInputs("0.00001")["kg"]);
  EXPECT_EQ(solutions[2]["kg"], ExportedInputs("0.001")["kg"]);
  EXPECT_EQ(solutions[0]["width"], 0.33);
  EXPECT_EQ(solutions[1]["width"], 0.032);
  EXPECT_EQ(solutions[2]["width"], 6.224);
  EXPECT_EQ(json["kg_for_width"], ExportedInputs("4.76e-4")["kg"]);
  const nlohmann::json& grid = json["grid"];
  ASSERT_EQ(grid["width"].size(), 101u);
  ASSERT_EQ(grid["curves"].size(), 3u);
  EXPECT_EQ(grid["curves"][0]["Q2"].size(), 101u);
  EXPECT_EQ(grid["curves"][2]["kg"], ExportedInputs("0.001")["kg"]);
}

TEST(StudyCommandTest, TargetsAndListsReadAsTheFormReadsItsFields) {
  const auto json = [](const Args& study) { return std::get<1>(Study(WorkedExample(study))); };
  EXPECT_EQ(json({"--target-q2", "０．３　ｍ３／ｍｉｎ", "--json", "-"}),
            json({"--target-q2", "0.3", "--json", "-"}));
  EXPECT_EQ(json({"--target-s2", "1.5 m", "--json", "-"}), json({"--target-s2", "1.5", "--json", "-"}));
  EXPECT_EQ(json({"--kg-list", "１ｅ－４, 1e-5 cm/sec", "--target-q2", "0.3"}),
            json({"--kg-list", "1e-4,1e-5", "--target-q2", "0.3"}));
}

// A case file's radius of influence bounds the widths as the rules bound B.
TEST(StudyCommandTest, CaseFilesRadiusOfInfluenceBoundsTheWidths) {
  const testing::TempFolder folder;
  CaseFile file;
  file.inputs = InputTexts{"2", "20", "10", "20", "0.01", "2", "0.0001", "5", "100"};
  GroundText(file.ground, kRadiusMethodField) = "given";
  GroundText(file.ground, kRadiusField) = "8";
  testing::WriteFile(folder.path() / "g.tavoro", CaseFileText(file));
  const auto [status, out, err] =
      Study({"--case", folder / "g.tavoro", "--target-q2", "0.3", "--json", "-"});
  ASSERT_NE(status, 2) << err;
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_EQ(json["width_bound"], "r1");
  EXPECT_EQ(json["width_end"], 4.816);
}

}  // namespace
}  // namespace tavoro
