#include "export_options.h"

#include <charconv>

#include "calc/ground_rules.h"
#include "calc/project_date.h"
#include "calc/text_cut.h"
#include "casefile/case_file.h"

namespace tavoro {
namespace {

std::optional<int> ParseDpi(std::string_view text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < kMinDpi || value > kMaxDpi) return std::nullopt;
  return value;
}

ParsedExportOptions Failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

CommandTable MakeExportCommand() {
  using enum OutputFormat;
  CommandTable table;
  table.name = "export";
  table.synopsis = "export [オプション]";
  table.summary = "窓を開かずに 1 件の立坑を計算し、指定した書類を書き出します。\n";
  table.groups.push_back({"入力欄 (フォームに入力する文字列のまま。省略した項目は空欄)", {}});
  for (int field = 0; field < kInputFieldCount; ++field) {
    table.groups.back().options.push_back({Field(field).key, "TEXT", FieldHeading(field)});
  }
  AddGroundOptions(table);
  table.groups.push_back({"案件ファイルと案件情報", {}});
  table.groups.back().options.push_back(
      {"case", "FILE", "入力欄と案件情報を案件ファイル (*.tavoro) から読む。\n一緒に指定した入力欄はその項目だけを置き換える",
       {}, false, true});
  for (const ProjectText& text : kProjectTexts) {
    const bool date = text.text == &ProjectInfo::date;
    table.groups.back().options.push_back(
        {text.option, date ? "DATE" : "TEXT",
         std::string(text.caption) + (date ? " (" + std::string(kProjectDateForm) + ")" : "")});
  }
  table.groups.back().options.push_back(
      {"cover", "", "計算書の前に表紙 (計算条件・結果・算定方法と出典・\n作成/照査欄) を付ける"});
  table.groups.push_back({"出力 (1 つ以上)", {}});
  auto& outputs = table.groups.back().options;
  outputs.push_back({"json", "FILE", "計算した値の JSON (- なら標準出力)。kn と kg は m/s、\n計算できなかった値は null",
                     {kJson}, true});
  outputs.push_back({"save-case", "FILE", "入力欄と案件情報の案件ファイル (*.tavoro)", {}, false, true});
  outputs.push_back({"report", "FILE", "計算書: PDF、PNG か SVG (PNG と SVG の 2 ページの計算書は\n拡張子の前に -1、-2 を付けた 2 つのファイル)",
                     {kPdf, kPng, kSvg}});
  outputs.push_back({"chart", "FILE", "水位降下曲線: PDF、PNG、SVG か DXF (CAD 用の DXF R12、\n用紙の mm で 1:1、文字は Shift_JIS)",
                     {kPdf, kPng, kSvg, kDxf}});
  outputs.push_back({"csv", "FILE", "入力値、結果と 2 本の曲線の CSV (BOM 付き UTF-8)", {kCsv}});
  outputs.push_back({"dpi", "N", "PNG の解像度、10 から 600 (既定 150)"});
  table.notes =
      "入力欄には数値を 1 つ書きます: 符号、小数点は「.」、指数 E も使え、前後の空白と\n"
      "後ろの単位 (m、cm/sec か cm/s) は読み飛ばします。全角文字は半角として読みます。\n"
      "桁区切りのコンマや 2 つ目の数値は受け付けません。改良幅と改良後の透水係数のほかは\n"
      "必須です。改良幅が空欄か 0 なら地盤改良なしで、改良後の透水係数は空欄でかまいません。\n"
      "受け付ける値:\n";
  for (const InputField& field : kInputFields) {
    table.notes.append("  ").append(field.caption).append(": ").append(field.accepted).append("\n");
  }
  table.notes +=
      "  そのうえ円換算半径 r = L/2π と r + B が影響範囲 R1 = 3000·S·√kn より小さく、\n"
      "  湧水量 Q1 が 1000 m³/min 以下であること\n"
      "工事名か立坑名を指定すると、各ページの上余白に見出し行が付きます。\n"
      "ファイルはすべて書けたときだけ置き換わります。1 つでも書けなければ、\n"
      "どのファイルも元のままです。\n"
      "\n"
      "終了ステータス:\n"
      "  0  指定したものをすべて書き出した\n"
      "  1  書けないファイルがあった (どのファイルも置き換えていない)\n"
      "  2  コマンドラインの誤り、読めない案件ファイルか受け付けられない入力\n"
      "     (何も書き出さない)\n";
  return table;
}

}  // namespace

void AddGroundOptions(CommandTable& table) {
  table.groups.push_back(
      {"地盤の条件 (すべて省略可。省略すると影響半径は Sichardt の式、盤ぶくれの検討なし)", {}});
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    const GroundField& ground = GroundFieldOf(field);
    table.groups.back().options.push_back({ground.key, ground.valueName, ground.help});
  }
}

void ReadGroundOptions(const CommandLine& line, GroundTexts& texts,
                       std::array<bool, kGroundFieldCount>& given) {
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    const auto i = static_cast<std::size_t>(field - kFirstGroundField);
    given[i] = line.Has(GroundFieldOf(field).key);
    texts[i] = line.Value(GroundFieldOf(field).key);
  }
}

const CommandTable& ExportCommand() {
  static const CommandTable table = MakeExportCommand();
  return table;
}

std::string InputFieldOption(int field) {
  if (field >= kFirstGroundField) return std::string("--") + GroundFieldOf(field).key;
  return "--" + std::string(Field(field).key);
}

ParsedExportOptions ParseExportOptions(const std::vector<std::string>& args) {
  ParsedCommandLine parsed = ParseCommandLine(ExportCommand(), args);
  if (!parsed.line) return Failure(parsed.error);
  const CommandLine& line = *parsed.line;

  ExportOptions options;
  options.help = line.Help();
  options.cover = line.Has("cover");
  for (std::size_t i = 0; i < kInputFields.size(); ++i) {
    options.textGiven[i] = line.Has(kInputFields[i].key);
    options.texts[i] = line.Value(kInputFields[i].key);
  }
  ReadGroundOptions(line, options.ground, options.groundGiven);
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    options.projectGiven[i] = line.Has(kProjectTexts[i].option);
    options.project.*kProjectTexts[i].text = line.Value(kProjectTexts[i].option);
  }
  if (!options.project.date.empty()) {
    std::optional<std::string> date = NormalizedProjectDate(options.project.date);
    if (!date) {
      return Failure("--date には日付を " + std::string(kProjectDateForm) +
                     " のいずれかの形で指定してください (「" + FirstCharacters(options.project.date) +
                     "」)。");
    }
    options.project.date = std::move(*date);
  }
  const auto path = [&](std::string_view name) -> std::optional<std::string> {
    if (!line.Has(name)) return std::nullopt;
    return line.Value(name);
  };
  options.jsonPath = path("json");
  options.reportPath = path("report");
  options.chartPath = path("chart");
  options.csvPath = path("csv");
  options.casePath = path("case");
  options.saveCasePath = path("save-case");
  // A case file is read from any name and saved only under *.tavoro.
  if (options.saveCasePath && !IsCaseFileName(*options.saveCasePath)) {
    return Failure("--save-case のファイル名「" + FirstCharacters(*options.saveCasePath) +
                   "」は .tavoro で終わる名前にしてください。");
  }
  if (line.Has("dpi")) {
    const std::optional<int> value = ParseDpi(line.Value("dpi"));
    if (!value) {
      return Failure("--dpi には " + std::to_string(kMinDpi) + " から " + std::to_string(kMaxDpi) +
                     " までの整数を指定してください (「" + FirstCharacters(line.Value("dpi")) +
                     "」)。");
    }
    options.dpi = *value;
  }
  if (!options.help && !options.jsonPath && !options.reportPath && !options.chartPath &&
      !options.csvPath && !options.saveCasePath) {
    return Failure(
        "出力がありません。--json、--report、--chart、--csv、--save-case "
        "のいずれかを指定してください。");
  }
  return {std::move(options), ""};
}

}  // namespace tavoro
