#include "verify_command.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "command_line.h"
#include "document_export.h"
#include "export_command.h"
#include "fileio/staged_files.h"
#include "tavoro_version.h"
#include "verify/verify_examples.h"

namespace tavoro {
namespace {

struct VerifyOptions {
  std::optional<std::string> jsonPath;
  std::optional<std::string> pdfPath;
  bool help = false;
};

struct ParsedVerifyOptions {
  std::optional<VerifyOptions> options;
  std::string error;
};

CommandTable MakeVerifyCommand() {
  CommandTable table;
  table.name = "verify";
  table.synopsis = "verify [オプション]";
  table.summary =
      "組み込みの検証例（公表された式と値）を Tavoro の計算で解き、出典、入力、公表値、\n"
      "計算値と差を表示します。計算値が公表値の桁の半単位以内なら合格です。\n";
  table.groups.push_back({"オプション", {}});
  table.groups.back().options.push_back(
      {"json", "FILE", "検証例を JSON で書く（- は標準出力）", {OutputFormat::kJson}, true});
  table.groups.back().options.push_back(
      {"pdf", "FILE", "「検証例」のページを PDF で書く", {OutputFormat::kPdf}});
  table.notes =
      "ファイルはすべて書けたときだけ置き換えます。\n"
      "\n"
      "終了ステータス:\n"
      "  0  すべての例が合格し、指定のファイルを書けた\n"
      "  1  不合格の例がある、またはファイルを書けない\n"
      "  2  コマンドラインの誤り\n";
  return table;
}

const CommandTable& VerifyCommand() {
  static const CommandTable table = MakeVerifyCommand();
  return table;
}

ParsedVerifyOptions ParseVerifyOptions(const std::vector<std::string>& args) {
  ParsedCommandLine parsed = ParseCommandLine(VerifyCommand(), args);
  if (!parsed.line) return {std::nullopt, parsed.error};
  const CommandLine& line = *parsed.line;
  VerifyOptions options;
  options.help = line.Help();
  if (line.Has("json")) options.jsonPath = line.Value("json");
  if (line.Has("pdf")) options.pdfPath = line.Value("pdf");
  return {options, {}};
}

std::string Verdict(bool passed) {
  return passed ? "合格" : "不合格";
}

void PrintExamples(const std::vector<WorkedExample>& examples, std::ostream& out) {
  out << "検証例（Tavoro " TAVORO_VERSION "）\n";
  int passed = 0;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const WorkedExample& example = examples[i];
    passed += example.Passed() ? 1 : 0;
    out << i + 1 << ". " << example.name << "　" << Verdict(example.Passed()) << '\n'
        << "   出典: " << example.source << '\n' << "   入力: ";
    for (const ExampleQuantity& input : example.inputs) {
      out << (&input == &example.inputs.front() ? "" : "　") << input.symbol << " = " << ExampleNumber(input.value) << ' ' << input.unit;
    }
    out << '\n';
    for (const ExampleCheck& check : example.checks) {
      out << "   " << check.symbol << (check.unit.empty() ? "" : " (" + check.unit + ")")
          << ": 公表値 " << ExampleNumber(check.published, check.decimals) << "　計算値 "
          << ExampleNumber(check.computed) << "　差 " << ExampleNumber(check.Difference())
          << "　許容差 ±" << ExampleNumber(check.Tolerance()) << "　"
          << Verdict(check.Passed()) << '\n';
    }
  }
  out << "合格 " << passed << " / " << examples.size() << " 例\n";
}

std::string ExamplesJson(const std::vector<WorkedExample>& examples) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const WorkedExample& example : examples) {
    nlohmann::ordered_json inputs = nlohmann::ordered_json::array();
    for (const ExampleQuantity& input : example.inputs) {
      inputs.push_back({{"symbol", input.symbol}, {"value", input.value}, {"unit", input.unit}});
    }
    nlohmann::ordered_json published = nlohmann::ordered_json::array();
    nlohmann::ordered_json computed = nlohmann::ordered_json::array();
    for (const ExampleCheck& check : example.checks) {
      published.push_back({{"symbol", check.symbol},
                           {"value", check.published},
                           {"unit", check.unit},
                           {"tolerance", check.Tolerance()}});
      // A value not computed is NaN, which the JSON writes as null.
      computed.push_back({{"symbol", check.symbol},
                          {"value", check.computed},
                          {"difference", check.Difference()},
                          {"passed", check.Passed()}});
    }
    list.push_back({{"name", example.name},
                    {"source", example.source},
                    {"inputs", inputs},
                    {"published", published},
                    {"computed", computed},
                    {"passed", example.Passed()}});
  }
  nlohmann::ordered_json root;
  root["program"] = "Tavoro " TAVORO_VERSION;
  root["examples"] = list;
  return root.dump(2) + '\n';
}

}  // namespace

int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedVerifyOptions parsed = ParseVerifyOptions(args);
  if (!parsed.options) {
    err << UsageErrorText(VerifyCommand(), parsed.error);
    return kExitUsage;
  }
  const VerifyOptions& options = *parsed.options;
  if (options.help) {
    out << HelpText(VerifyCommand());
    return kExitOk;
  }

  const std::vector<WorkedExample> examples = RunWorkedExamples();
  const bool jsonToOutput = options.jsonPath && *options.jsonPath == "-";
  StagedFiles files;
  Status status;
  if (options.jsonPath && !jsonToOutput) files.Add(*options.jsonPath, ExamplesJson(examples));
  if (options.pdfPath) status = StageVerifyPages(examples, *options.pdfPath, files);
  if (status.ok()) status = files.Commit();
  if (status.ok()) {
    if (jsonToOutput) {
      out << ExamplesJson(examples);
    } else {
      PrintExamples(examples, out);
    }
    out.flush();
    if (!out) status = Status::Error("標準出力に書き込めません。");
  }
  if (!status.ok()) {
    err << "tavoro: " << status.message() << '\n';
    return kExitFailed;
  }
  if (!AllPassed(examples)) {
    err << "tavoro: 不合格の検証例があります。\n";
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace tavoro
