#include "export_command.h"

#include "export_options.h"

#include <cmath>
#include <nlohmann/json.hpp>
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

// The worked example as an engineer types it, with one option replaced or added.
Args WorkedExampleWith(const Args& extra) {
  Args args = {"--groundwater=2", "--impervious=20", "--excavation=10",
               "--perimeter=20",  "--kn=0.01",       "--width=2",
               "--kg=0.0001",     "--point=10",      "--range=100"};
  for (const std::string& arg : extra) {
    const std::string name = arg.substr(0, arg.find('=') + 1);
    bool replaced = false;
    for (std::string& given : args) {
      if (!name.empty() && name.back() == '=' && given.rfind(name, 0) == 0) {
        given = arg;
        replaced = true;
      }
    }
    if (!replaced) args.push_back(arg);
  }
  return args;
}

// A command line that cannot run says why in Japanese and exits with 2; so does a refused input,
// naming the option and the field; a file that cannot be written exits with 1 and names it.
TEST(ExportCommandTest, Failures) {
  const std::pair<Args, std::string> usage[] = {
      {{"--kn", "1"},
       "出力がありません。--json、--report、--chart、--csv、--save-case "
       "のいずれかを指定してください。"},
      {{"--json", "-", "--depth=3"}, "不明なオプション --depth があります。"},
      {{"--json", "-", "--kn"}, "--kn に値がありません。"},
      {{"--json", "-", "7"}, "余分な引数「7」があります。"},
      {{"--json", "-", "--kn", "1", "--kn=2"}, "--kn が 2 回以上指定されています。"},
      {{"--chart", "c.png", "--dpi", "300", "--dpi=300"}, "--dpi が 2 回以上指定されています。"},
      {{"--json=", "--kn=1"}, "--json にファイル名がありません。"},
      {{"--chart", "c.png", "--dpi", "9"},
       "--dpi には 10 から 600 までの整数を指定してください (「9」)。"}};
  for (const auto& [args, error] : usage) {
    EXPECT_EQ(Export(args), std::tuple(kExitUsage, "",
                                       "tavoro: " + error + "\n(使い方は tavoro export --help)\n"));
  }
  EXPECT_EQ(
      Export(WorkedExampleWith({"--excavation=2", "--json=-"})),
      std::tuple(kExitUsage, "",
                 "tavoro: --excavation: 「掘削深度」の「2」は地下水位「2」より深くありません。"
                 "掘削底が地下水位より下でなければ排水の計算はできません。"
                 "地下水位より深く 500 以下の深さ (m)を入力してください。\n"));
  EXPECT_EQ(Export(WorkedExampleWith({"--range=1e400", "--json=-"})),
            std::tuple(kExitUsage, "",
                       "tavoro: --range: 「計算範囲」の「1e400」は大きすぎて扱えません。"
                       "換算半径 r と改良幅 B の和より大きく 10000 以下の距離 (m)"
                       "を入力してください。\n"));
  EXPECT_EQ(Export(WorkedExampleWith({"--json=/nonexistent-dir/case.json"})),
            std::tuple(kExitFailed, "",
                       "tavoro: 「/nonexistent-dir/case.json」を保存できません: "
                       "保存先のフォルダがありません。\n"));
}

// The ground options on the worked example: what the JSON carries, or the refusal naming the option.
TEST(ExportCommandTest, GroundOptions) {
  struct Row {
    Args args;
    std::string error;  // empty: accepted
    std::string method;
    double R1;
    double F;  // 0: no uplift check
  };
  const Row rows[] = {
      {{"--radius-method=Kusakin"}, "", "kusakin", 575 * 8 * std::sqrt(18 * 1e-4), 0},
      {{"--radius-method=given", "--radius=５００ ｍ", "--radius-note=河川までの距離の2倍"},
       "",
       "given",
       500,
       0},
      {{"--confined-top=20", "--confined-head=8", "--unit-weight=14", "--water-unit-weight=10"},
       "",
       "sichardt",
       240,
       140.0 / 120},
      {{"--confined-top=２０", "--confined-head=-3 m", "--soil-layers=4:18,6:19",
        "--uplift-safety=1.0"},
       "",
       "sichardt",
       240,
       186 / (9.8 * 23)},
      {{"--radius=500"}, "--radius: 「影響半径」は影響半径の式が「指定」のときだけ", "", 0, 0},
      {{"--radius-method=thiem"}, "--radius-method: 「影響半径の式」の「thiem」は", "", 0, 0},
      {{"--confined-top=20"}, "--confined-head: 「被圧水頭」が空欄です。", "", 0, 0},
      {{"--confined-top=20", "--confined-head=8", "--soil-layers=4:18"},
       "--soil-layers: 「土層」の「4:18」では層厚の和 (4.000 m) が",
       "",
       0,
       0},
  };
  for (const Row& row : rows) {
    Args args = WorkedExampleWith(row.args);
    args.push_back("--json=-");
    const auto [status, out, err] = Export(args);
    if (!row.error.empty()) {
      EXPECT_EQ(status, kExitUsage);
      EXPECT_EQ(err.find("tavoro: " + row.error), 0u) << err;
      continue;
    }
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

TEST(ExportCommandTest, HelpNamesEveryOption) {
  const auto [status, out, err] = Export({"--help"});
  EXPECT_EQ(status, kExitOk);
  for (const char* option : {"--groundwater", "--impervious", "--excavation", "--perimeter", "--kn",
                             "--width", "--kg", "--point", "--range", "--json", "cm/sec"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace tavoro
