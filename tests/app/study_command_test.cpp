#include "study_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "casefile/case_file.h"
#include "export_command.h"

namespace tavoro {
namespace {

using Args = std::vector<std::string>;

// The worked example as an engineer types it, then the study's own options.
Args WorkedExample(const Args& study) {
  Args args{"--groundwater", "2",      "--impervious", "20",   "--excavation", "10",
            "--perimeter",   "20",     "--kn",         "0.01", "--width",      "2",
            "--kg",          "0.0001", "--point",      "10",   "--range",      "100"};
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

nlohmann::json ExportedKg(const std::string& kgText) {
  return ExportedInputs(kgText)["kg"];
}

TEST(StudyCommandTest, JsonHoldsTargetSolutionsInListOrderAndTheGridInNamedUnits) {
  const auto [status, out, err] = Study(WorkedExample({"--target-q2", "0.3", "--json", "-"}));
  ASSERT_EQ(status, 0) << err;
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_EQ(json["units"], nlohmann::json::parse(R"({"kn": "m/s", "kg": "m/s", "Q": "m3/min",
      "S": "m", "h": "m", "R": "m", "r": "m", "width": "m", "range": "m"})"));
  EXPECT_EQ(json["target"], (nlohmann::json{{"kind", "q2"}, {"value", 0.3}}));
  EXPECT_EQ(json["width_bound"], "asked");
  // The default list: the case's kg, ten times tighter, ten times looser; every
  // permeability in m/s, the very value of `tavoro export`.
  const nlohmann::json& solutions = json["solutions"];
  ASSERT_EQ(solutions.size(), 3u);
  EXPECT_EQ(json["kn"], ExportedInputs("0.0001")["kn"]);
  EXPECT_EQ(solutions[0]["kg"], ExportedKg("0.0001"));
  EXPECT_EQ(solutions[1]["kg"], ExportedKg("0.00001"));
  EXPECT_EQ(solutions[2]["kg"], ExportedKg("0.001"));
  EXPECT_EQ(solutions[0]["width"], 0.33);
  EXPECT_EQ(solutions[1]["width"], 0.032);
  EXPECT_EQ(solutions[2]["width"], 6.224);
  EXPECT_EQ(json["kg_for_width"], ExportedKg("4.76e-4"));
  const nlohmann::json& grid = json["grid"];
  ASSERT_EQ(grid["width"].size(), 101u);
  ASSERT_EQ(grid["curves"].size(), 3u);
  EXPECT_EQ(grid["curves"][0]["Q2"].size(), 101u);
  EXPECT_EQ(grid["curves"][2]["kg"], ExportedKg("0.001"));
}

TEST(StudyCommandTest, TargetsAndListsReadAsTheFormReadsItsFields) {
  const std::string q2 = std::get<1>(Study(WorkedExample({"--target-q2", "0.3", "--json", "-"})));
  for (const char* typed : {"０．３", "0.3 m3/min", " 0.3m³/min", "０．３　ｍ３／ｍｉｎ"}) {
    EXPECT_EQ(std::get<1>(Study(WorkedExample({"--target-q2", typed, "--json", "-"}))), q2) << typed;
  }
  EXPECT_EQ(std::get<1>(Study(WorkedExample({"--target-s2", "1.5 m", "--json", "-"}))),
            std::get<1>(Study(WorkedExample({"--target-s2", "1.5", "--json", "-"}))));
  EXPECT_EQ(
      std::get<1>(Study(WorkedExample({"--kg-list", "１ｅ－４, 1e-5 cm/sec", "--target-q2", "0.3"}))),
      std::get<1>(Study(WorkedExample({"--kg-list", "1e-4,1e-5", "--target-q2", "0.3"}))));
  // A ring kg = 5e-9 cm/sec: the default list goes no tighter than the form's 1e-9.
  Args tight = WorkedExample({"--target-q2", "0.3", "--json", "-"});
  tight[13] = "5e-9";
  const auto [status, out, err] = Study(tight);
  EXPECT_EQ(status, 0) << err;
  const nlohmann::json json = nlohmann::json::parse(out);
  ASSERT_EQ(json["solutions"].size(), 2u);
  EXPECT_EQ(json["solutions"][0]["kg"], ExportedKg("5e-9"));
  EXPECT_EQ(json["solutions"][1]["kg"], ExportedKg("5e-8"));
}

TEST(StudyCommandTest, SomePermeabilityWithoutAWidthExitsWithOne) {
  const auto [status, out, err] = Study(WorkedExample(
      {"--kg-list", "1e-4, 1e-6", "--width-max=1", "--target-s2", "0.01", "--json", "-"}));
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err, "");
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_TRUE(json["solutions"][0]["width"].is_null());
  EXPECT_GT(json["solutions"][0]["best"].get<double>(), 0.01);
  EXPECT_LE(json["solutions"][1]["width"].get<double>(), 1.0);
  // Without --json - the answers are printed instead.
  const auto [again, text, none] =
      Study(WorkedExample({"--kg-list", "1e-4", "--width-max=1", "--target-s2", "0.01"}));
  EXPECT_EQ(again, 1);
  EXPECT_NE(text.find("kg = 1.00e-4 cm/sec：範囲内では目標に届きません"), std::string::npos);
}

TEST(StudyCommandTest, CaseFromACaseFileStudiesTheSameCase) {
  CaseFile file;
  file.inputs = InputTexts{"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
  file.project.name = "北工区";
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tavoro_study_case_test.tavoro";
  {
    std::ofstream out(path, std::ios::binary);
    out << CaseFileText(file);
  }
  const Args study{"--target-s2", "1.5", "--json", "-"};
  Args fromFile{"--case", path.string()};
  fromFile.insert(fromFile.end(), study.begin(), study.end());
  const auto [status, out, err] = Study(fromFile);
  EXPECT_EQ(std::tie(status, out, err), Study(WorkedExample(study)));

  fromFile.insert(fromFile.end(), {"--kn", "0.01"});
  const auto [both, none, message] = Study(fromFile);
  EXPECT_EQ(both, 2);
  EXPECT_NE(message.find("同時に指定できません"), std::string::npos);
  std::filesystem::remove(path);
}

TEST(StudyCommandTest, UsageAndInputErrorsExitWithTwoSayingWhyInJapanese) {
  const std::pair<Args, std::string> cases[] = {
      {WorkedExample({}), "どちらか一方"},
      {WorkedExample({"--target-q2", "1", "--target-s2", "1"}), "どちらか一方"},
      {WorkedExample({"--target-q2", "1", "--target-q2", "2"}),
       "--target-q2 が 2 回指定されています"},
      {WorkedExample({"--target-q2", "abc"}), "Q2の「abc」は数値として読めません"},
      {WorkedExample({"--target-q2", "0.3 m"}), "Q2の「0.3 m」は数値として読めません"},
      {WorkedExample({"--target-s2", ""}), "S2が空欄です"},
      {WorkedExample({"--target-q2", "０"}), "Q2の「０」は使えません"},
      {WorkedExample({"--target-q2", "1", "--kg-list", "1e-4,x"}), "2 番目の「x」は数値として読めません"},
      {WorkedExample({"--target-q2", "1", "--kg-list", "1e-4,,1e-5"}), "2 番目が空欄です"},
      {WorkedExample({"--target-q2", "1", "--kg-list", "1e-4,0"}), "2 番目の「0」は使えません"},
      {WorkedExample({"--target-q2", "1", "--kg-list", "1e-4,1e-10"}), "2 番目の「1e-10」は使えません"},
      // Looser than kn 0.01 cm/sec is no improvement, as the form says.
      {WorkedExample({"--target-q2", "1", "--kg-list", "0.02"}),
       "1 番目の「0.02」は使えません。1e-9 以上で透水係数 kn（0.01 cm/sec）以下の値"},
      {WorkedExample({"--target-q2", "1", "--width-max", "60"}), "改良幅の上限の「60」は使えません"},
      {WorkedExample({"--target-q2", "1", "stray"}), "余分な引数"},
      {{"--excavation", "1", "--groundwater", "2", "--target-q2", "1"}, "掘削深度"},
  };
  for (const auto& [args, message] : cases) {
    const auto [status, out, err] = Study(args);
    EXPECT_EQ(status, 2) << message;
    EXPECT_EQ(out, "") << message;
    EXPECT_NE(err.find(message), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace tavoro
