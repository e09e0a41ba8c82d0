#include "export_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <array>
#include <charconv>
#include <map>
#include <utility>

#include "calc/ground_rules.h"
#include "calc/project_date.h"
#include "casefile/case_file.h"

#include "export/output_formats.h"

namespace tavoro {
namespace {

constexpr std::array<const char*, kInputFieldCount> kFieldOptions = {
    "groundwater", "impervious", "excavation", "perimeter", "kn", "width", "kg", "point", "range",
};
constexpr std::array<const char*, kProjectTextCount> kProjectOptions = {
    "project-name", "shaft-name", "author", "date", "notes", "checker",
};

// Arguments pass through Latin-1 so that every byte comes back unchanged:
// file names are bytes, whatever their encoding.
QString FromBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
  return text.toLatin1().toStdString();
}

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

// The option named in one of the parser's own messages ("... '--kn'.").
std::string QuotedName(const QString& parserError) {
  const qsizetype open = parserError.indexOf(QLatin1Char('\''));
  const qsizetype close = parserError.indexOf(QLatin1Char('\''), open + 1);
  if (open < 0 || close < 0) return {};
  return ToBytes(parserError.mid(open + 1, close - open - 1));
}

std::string Dashed(const QString& name) {
  return (name.size() == 1 ? "-" : "--") + ToBytes(name);
}

}  // namespace

const char* InputFieldOption(int field) {
  constexpr int kCount = kInputFieldCount + kGroundFieldCount;
  static const std::array<std::string, kCount> dashed = [] {
    std::array<std::string, kCount> names;
    for (int i = 0; i < kCount; ++i) {
      names[static_cast<std::size_t>(i)] =
          std::string("--") + (i < kInputFieldCount ? kFieldOptions[static_cast<std::size_t>(i)]
                                                    : GroundFieldOf(i).key);
    }
    return names;
  }();
  if (field < 0 || field >= kCount) return "";
  return dashed[static_cast<std::size_t>(field)].c_str();
}

const char* ProjectTextOption(int text) {
  static const std::array<std::string, kProjectTextCount> dashed = [] {
    std::array<std::string, kProjectTextCount> names;
    for (std::size_t i = 0; i < names.size(); ++i)
      names[i] = std::string("--") + kProjectOptions[i];
    return names;
  }();
  if (text < 0 || text >= kProjectTextCount) return "";
  return dashed[static_cast<std::size_t>(text)].c_str();
}

const std::string& ProjectText(const ProjectInfo& project, int text) {
  switch (text) {
    case 0:
      return project.name;
    case 1:
      return project.shaft;
    case 2:
      return project.author;
    case 3:
      return project.date;
    case 4:
      return project.notes;
    default:
      return project.checker;
  }
}

std::string& ProjectText(ProjectInfo& project, int text) {
  return const_cast<std::string&>(ProjectText(std::as_const(project), text));
}

ParsedExportOptions ParseExportOptions(const std::vector<std::string>& args) {
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  parser.addOption(help);
  const QCommandLineOption cover(QStringLiteral("cover"));
  parser.addOption(cover);
  std::vector<QCommandLineOption> fields;
  for (const char* name : kFieldOptions) {
    fields.emplace_back(QString::fromLatin1(name), QString(), QStringLiteral("TEXT"));
    parser.addOption(fields.back());
  }
  std::vector<QCommandLineOption> groundFields;
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    groundFields.emplace_back(QString::fromLatin1(GroundFieldOf(field).key), QString(),
                              QStringLiteral("TEXT"));
    parser.addOption(groundFields.back());
  }
  const QCommandLineOption json(QStringLiteral("json"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption report(QStringLiteral("report"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption chart(QStringLiteral("chart"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption dpi(QStringLiteral("dpi"), QString(), QStringLiteral("N"));
  const QCommandLineOption caseFile(QStringLiteral("case"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption saveCase(QStringLiteral("save-case"), QString(), QStringLiteral("FILE"));
  for (const QCommandLineOption& option : {json, report, chart, csv, dpi, caseFile, saveCase}) {
    parser.addOption(option);
  }
  std::vector<QCommandLineOption> projectTexts;
  for (const char* name : kProjectOptions) {
    projectTexts.emplace_back(QString::fromLatin1(name), QString(), QStringLiteral("TEXT"));
    parser.addOption(projectTexts.back());
  }

  QStringList arguments{QStringLiteral("tavoro")};
  for (const std::string& arg : args) arguments.push_back(FromBytes(arg));
  if (!parser.parse(arguments)) {
    if (!parser.unknownOptionNames().isEmpty()) {
      return Failure("不明なオプション " + Dashed(parser.unknownOptionNames().front()) +
                     " があります。");
    }
    return Failure(QuotedName(parser.errorText()) + " に値がありません。");
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Failure("余分な引数「" + ToBytes(parser.positionalArguments().front()) +
                   "」があります。");
  }
  std::map<QString, int> seen;
  for (const QString& name : parser.optionNames()) {
    const QString canonical = name == QStringLiteral("h") ? QStringLiteral("help") : name;
    if (++seen[canonical] > 1) return Failure(Dashed(canonical) + " が 2 回以上指定されています。");
  }

  ExportOptions options;
  options.help = parser.isSet(help);
  options.cover = parser.isSet(cover);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (parser.isSet(fields[i])) {
      options.texts[i] = ToBytes(parser.value(fields[i]));
      options.textGiven[i] = true;
    }
  }
  for (std::size_t i = 0; i < groundFields.size(); ++i) {
    if (!parser.isSet(groundFields[i])) continue;
    options.ground[i] = ToBytes(parser.value(groundFields[i]));
    options.groundGiven[i] = true;
  }
  for (std::size_t i = 0; i < projectTexts.size(); ++i) {
    if (!parser.isSet(projectTexts[i])) continue;
    ProjectText(options.project, static_cast<int>(i)) = ToBytes(parser.value(projectTexts[i]));
    options.projectGiven[i] = true;
  }
  if (!options.project.date.empty()) {
    std::optional<std::string> date = NormalizedProjectDate(options.project.date);
    if (!date) {
      return Failure("--date には日付を " + std::string(kProjectDateForm) +
                     " のいずれかの形で指定してください (「" + options.project.date.substr(0, 40) + "」)。");
    }
    options.project.date = std::move(*date);
  }
  const auto path = [&](const QCommandLineOption& option,
                        std::optional<std::string>& target) -> std::string {
    if (!parser.isSet(option)) return {};
    const std::string value = ToBytes(parser.value(option));
    const std::string name = Dashed(option.names().front());
    if (value.empty()) return name + " にファイル名がありません。";
    if (const std::optional<std::string> wrong = CheckOutputName(name, value)) return *wrong;
    target = value;
    return {};
  };
  for (const auto& [option, target] :
       {std::pair{&json, &options.jsonPath}, std::pair{&report, &options.reportPath},
        std::pair{&chart, &options.chartPath}, std::pair{&csv, &options.csvPath}}) {
    if (std::string error = path(*option, *target); !error.empty()) return Failure(error);
  }
  // A case file is read from any name and saved only under *.tavoro.
  for (const auto& [option, target] :
       {std::pair{&caseFile, &options.casePath}, std::pair{&saveCase, &options.saveCasePath}}) {
    if (!parser.isSet(*option)) continue;
    const std::string name = Dashed(option->names().front());
    const std::string value = ToBytes(parser.value(*option));
    if (value.empty()) return Failure(name + " にファイル名がありません。");
    if (option == &saveCase && !IsCaseFileName(value)) {
      return Failure(name + " のファイル名「" + value +
                     "」は .tavoro で終わる名前にしてください。");
    }
    *target = value;
  }
  if (parser.isSet(dpi)) {
    const std::string text = ToBytes(parser.value(dpi));
    const std::optional<int> value = ParseDpi(text);
    if (!value) {
      return Failure("--dpi には " + std::to_string(kMinDpi) + " から " + std::to_string(kMaxDpi) +
                     " までの整数を指定してください (「" + text + "」)。");
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
