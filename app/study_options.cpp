#include "study_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <charconv>
#include <string_view>

#include "export/output_formats.h"
#include "export_options.h"
#include "study/study_input.h"

namespace tavoro {
namespace {

std::string Quoted(const QString& text) {
  return "「" + text.left(40).toLatin1().toStdString() + "」";
}

ParsedStudyOptions Failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

}  // namespace

ParsedStudyOptions ParseStudyOptions(const std::vector<std::string>& args) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  std::vector<QCommandLineOption> fields;
  for (int field = 0; field < kInputFieldCount; ++field) {
    fields.emplace_back(QString::fromLatin1(InputFieldOption(field) + 2), QString(),
                        QStringLiteral("TEXT"));
  }
  for (const QCommandLineOption& option : fields) parser.addOption(option);
  const QCommandLineOption caseFile(QStringLiteral("case"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption kgList(QStringLiteral("kg-list"), QString(), QStringLiteral("LIST"));
  const QCommandLineOption widthMax(QStringLiteral("width-max"), QString(), QStringLiteral("M"));
  const QCommandLineOption targetQ2(QStringLiteral("target-q2"), QString(), QStringLiteral("Q"));
  const QCommandLineOption targetS2(QStringLiteral("target-s2"), QString(), QStringLiteral("S"));
  const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption json(QStringLiteral("json"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
  for (const auto* option :
       {&caseFile, &kgList, &widthMax, &targetQ2, &targetS2, &pdf, &csv, &json, &help}) {
    parser.addOption(*option);
  }

  QStringList arguments{QStringLiteral("tavoro-study")};
  for (const std::string& arg : args) arguments << QString::fromLatin1(arg.data(), static_cast<qsizetype>(arg.size()));
  if (!parser.parse(arguments)) {
    return Failure("コマンドラインを読めません：" + parser.errorText().toStdString());
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Failure("余分な引数 " + Quoted(parser.positionalArguments().front()) + " があります");
  }
  for (const QString& name : parser.optionNames()) {
    if (parser.optionNames().count(name) > 1) {
      return Failure("--" + name.toLatin1().toStdString() + " が 2 回指定されています");
    }
  }

  StudyOptions options;
  options.help = parser.isSet(help);
  if (options.help) return {std::move(options), ""};
  bool anyField = false;
  for (int field = 0; field < kInputFieldCount; ++field) {
    const QCommandLineOption& option = fields[static_cast<std::size_t>(field)];
    if (parser.isSet(option)) {
      anyField = true;
      options.texts[static_cast<std::size_t>(field)] = parser.value(option).toLatin1().toStdString();
    }
  }
  if (parser.isSet(caseFile)) {
    if (anyField) return Failure("--case と案件の 9 項目のオプションは同時に指定できません");
    if (parser.value(caseFile).isEmpty()) return Failure("--case にファイル名がありません");
    options.casePath = parser.value(caseFile).toLatin1().toStdString();
  }
  if (parser.isSet(kgList)) options.kgList = parser.value(kgList).toLatin1().toStdString();
  if (parser.isSet(widthMax)) {
    const StudyValueRead read = ReadStudyWidthMax(parser.value(widthMax).toLatin1().toStdString());
    if (!read.value) return Failure("--width-max：" + read.error);
    options.widthMax = *read.value;
  }
  if (parser.isSet(targetQ2) == parser.isSet(targetS2)) {
    return Failure(
        "目標は --target-q2（湧水量 m³/min）か --target-s2（水位低下量 "
        "m）のどちらか一方を指定してください");
  }
  const bool inflow = parser.isSet(targetQ2);
  const StudyTargetKind kind = inflow ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown;
  const StudyValueRead target =
      ReadStudyTarget(kind, parser.value(inflow ? targetQ2 : targetS2).toLatin1().toStdString());
  if (!target.value) {
    return Failure(std::string(inflow ? "--target-q2：" : "--target-s2：") + target.error);
  }
  options.target = StudyTarget{kind, *target.value};
  const auto path = [&](const QCommandLineOption& option,
                        std::optional<std::string>& into) -> std::string {
    if (!parser.isSet(option)) return "";
    if (parser.value(option).isEmpty())
      return "--" + option.names().front().toLatin1().toStdString() + " にファイル名がありません";
    const std::string value = parser.value(option).toLatin1().toStdString();
    const std::string name = "--" + option.names().front().toLatin1().toStdString();
    if (name == "--pdf" ? OutputFormatOf(value) != OutputFormat::kPdf
                        : (value != "-" || name != "--json") && CheckOutputName(name, value)) {
      return name + " のファイル名「" + value + "」は " +
             (name == "--pdf" ? ".pdf" : name == "--csv" ? ".csv" : ".json") +
             " で終わる名前にしてください";
    }
    into = value;
    return "";
  };
  for (const auto& [option, into] :
       {std::pair{&pdf, &options.pdfPath}, std::pair{&csv, &options.csvPath},
        std::pair{&json, &options.jsonPath}}) {
    if (std::string error = path(*option, *into); !error.empty()) return Failure(std::move(error));
  }
  return {std::move(options), ""};
}

std::string StudyUsageText() {
  return R"(使い方:
  tavoro study [案件のオプション] (--target-q2 Q | --target-s2 S) [検討のオプション]

一覧の透水係数 kg ごとに、湧水量 Q2 または水位低下量 S2 を目標以下に
する最小の改良幅 B (1 mm 単位) を求め、案件の B については目標を満たす
最も緩い kg (有効数字 3 桁) を求める。値はすべて計算書と同じ計算による。

案件のオプション: tavoro export の 9 項目 (--groundwater, --impervious,
--excavation, --perimeter, --kn, --width, --kg, --point, --range)、または
  --case ファイル        案件ファイルの案件と案件情報 (ページにヘッダー行が
                         付く。地盤の条件もこのファイルから読む)

検討のオプション:
  --kg-list 一覧         kg (cm/sec) をカンマ区切りで 1〜6 個、1e-9 から kn
                         まで (既定: 案件の kg とその 10 倍・1/10。改良なしの
                         案件は kn/10、kn/100、kn/1000。フォームが受け付ける
                         値だけ)
  --width-max M          試す最大の改良幅 (m)、50 まで (既定 10)。改良外円
                         (r + B) が R1 または計算範囲に達する手前で止まる
  --target-q2 Q          目標の湧水量 Q2 (m³/min。0.3 または 0.3 m3/min)
  --target-s2 S          目標の水位低下量 S2 (m)
  --pdf ファイル.pdf     検討のページ (グラフ、続いて表)
  --csv ファイル.csv     試した改良幅ごとの値の CSV
  --json ファイル.json|- 検討の JSON ("-" は標準出力)

--json - でなければ、答えは標準出力にも表示する。

終了コード:
  0  一覧のどの kg も範囲内で目標を満たす
  1  満たさない kg がある (到達できた最良の値を示す)、またはファイルを
     書けなかった
  2  コマンドラインの誤り、または受け付けない入力 (何も書かない)
)";
}

}  // namespace tavoro
