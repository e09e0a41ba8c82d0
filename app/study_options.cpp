#include "study_options.h"

#include "export_options.h"
#include "study/study_input.h"

namespace tavoro {
namespace {

ParsedStudyOptions Failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

CommandTable MakeStudyCommand() {
  using enum OutputFormat;
  CommandTable table;
  table.name = "study";
  table.synopsis = "study [案件のオプション] (--target-q2 Q | --target-s2 S) [検討のオプション]";
  table.summary =
      "一覧の改良後の透水係数 kg ごとに、湧水量 Q2 か改良外円の水位低下量 S2 を目標\n"
      "まで下げる最も狭い改良幅 B (1 mm 単位) を求め、案件の B については目標に届く最も緩い\n"
      "kg (有効数字 3 桁) を求めます。値はすべて計算書と同じ計算によります。\n";
  table.groups.push_back({"案件のオプション (tavoro export の入力欄と同じ。または --case)", {}});
  for (int field = 0; field < kInputFieldCount; ++field) {
    table.groups.back().options.push_back({Field(field).key, "TEXT", FieldHeading(field)});
  }
  table.groups.back().options.push_back(
      {"case", "FILE", "案件と案件情報を案件ファイルから読む (ページに見出し行が付く)", {}, false,
       true});
  AddGroundOptions(table);
  table.groups.push_back({"検討のオプション", {}});
  auto& study = table.groups.back().options;
  study.push_back({"kg-list", "LIST",
                   "検討する kg (cm/sec) をコンマで区切って 1 から 6 個、1e-9 から kn まで\n"
                   "(既定: 案件の kg とその 10 分の 1 と 10 倍。改良なしなら kn の\n"
                   "10 分の 1、100 分の 1、1000 分の 1。フォームが受け付ける値だけ)"});
  study.push_back({"width-max", "M",
                   "検討する最も広い改良幅 (m)、50 まで (既定 10)。改良外円\n"
                   "(r + B) が R1 または計算範囲に達する手前で止まる"});
  study.push_back({"target-q2", "Q", "目標の湧水量 Q2 (m³/min)。0.3 か 0.3 m3/min"});
  study.push_back({"target-s2", "S", "目標の改良外円の水位低下量 S2 (m)"});
  study.push_back({"pdf", "FILE", "検討のページ (グラフ、続いて表) の PDF", {kPdf}});
  study.push_back({"csv", "FILE", "曲線の標本値の CSV", {kCsv}});
  study.push_back({"json", "FILE", "検討の JSON (- なら標準出力)", {kJson}, true});
  table.notes =
      "--json - のほかは、答えを標準出力にも書きます。\n"
      "\n"
      "終了ステータス:\n"
      "  0  一覧のどの kg も範囲内で目標に届く\n"
      "  1  目標に届かない kg がある (届いた最良の値を示す)、または書けないファイルがあった\n"
      "  2  コマンドラインの誤りか受け付けられない入力 (何も書き出さない)\n";
  return table;
}

}  // namespace

const CommandTable& StudyCommand() {
  static const CommandTable table = MakeStudyCommand();
  return table;
}

ParsedStudyOptions ParseStudyOptions(const std::vector<std::string>& args) {
  ParsedCommandLine parsed = ParseCommandLine(StudyCommand(), args);
  if (!parsed.line) return Failure(parsed.error);
  const CommandLine& line = *parsed.line;

  StudyOptions options;
  options.help = line.Help();
  if (options.help) return {std::move(options), ""};
  bool anyField = false;
  for (std::size_t i = 0; i < kInputFields.size(); ++i) {
    anyField = anyField || line.Has(kInputFields[i].key);
    options.texts[i] = line.Value(kInputFields[i].key);
  }
  std::array<bool, kGroundFieldCount> groundGiven{};
  ReadGroundOptions(line, options.ground, groundGiven);
  for (const bool given : groundGiven) anyField = anyField || given;
  if (line.Has("case")) {
    if (anyField) return Failure("--case と案件の入力欄や地盤の条件のオプションは同時に指定できません。");
    options.casePath = line.Value("case");
  }
  if (line.Has("kg-list")) options.kgList = line.Value("kg-list");
  if (line.Has("width-max")) {
    const StudyValueRead read = ReadStudyWidthMax(line.Value("width-max"));
    if (!read.value) return Failure("--width-max：" + read.error);
    options.widthMax = *read.value;
  }
  const bool inflow = line.Has("target-q2");
  if (inflow == line.Has("target-s2")) {
    return Failure(
        "目標は --target-q2 (湧水量 m³/min) か --target-s2 (改良外円の水位低下量 m) "
        "のどちらか一方を指定してください。");
  }
  const StudyTargetKind kind = inflow ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown;
  const StudyValueRead target = ReadStudyTarget(kind, line.Value(inflow ? "target-q2" : "target-s2"));
  if (!target.value) {
    return Failure(std::string(inflow ? "--target-q2：" : "--target-s2：") + target.error);
  }
  options.target = StudyTarget{kind, *target.value};
  for (const auto& [name, into] : {std::pair{"pdf", &options.pdfPath},
                                   std::pair{"csv", &options.csvPath},
                                   std::pair{"json", &options.jsonPath}}) {
    if (line.Has(name)) *into = line.Value(name);
  }
  return {std::move(options), ""};
}

}  // namespace tavoro
