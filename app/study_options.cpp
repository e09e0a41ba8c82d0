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
  return R"(Usage:
  tavoro study [case options] (--target-q2 Q | --target-s2 S) [study options]

Finds, for each permeability kg of a list, the narrowest improvement ring B
(to 1 mm) that brings the inflow Q2 or the drawdown S2 at the ring's edge
down to a target, and for the case's own B the loosest kg (3 significant
digits) that does. Every value is computed as the calculation report does.

Case options: the nine fields of `tavoro export` (--groundwater, --impervious,
--excavation, --perimeter, --kn, --width, --kg, --point, --range), or
  --case FILE            the case and its project texts from a case file
                         (the pages then carry the project's header line)

Study options:
  --kg-list LIST         permeabilities kg in cm/sec, comma-separated, 1 to 6
                         from 1e-9 up to kn (default: the case's kg, ten
                         times tighter and looser; without a ring kn/10,
                         kn/100, kn/1000; only values the form accepts)
  --width-max M          widest ring to try in m, up to 50 (default 10);
                         the range stops short of the ring's edge reaching R1
  --target-q2 Q          target inflow Q2 in m³/min (0.3 or 0.3 m3/min)
  --target-s2 S          target drawdown S2 at the ring's edge in m
  --pdf FILE             the study pages (graphs, then tables) as PDF
  --csv FILE             the sampled curves as CSV
  --json FILE|-          the study as JSON ("-" for standard output)

Without --json - the answers are also printed on standard output.

Exit status:
  0  every kg of the list meets the target within the range
  1  some kg does not (the best reached is reported), or a file could not
     be written
  2  a bad command line or a rejected input (nothing is written)
)";
}

}  // namespace tavoro
