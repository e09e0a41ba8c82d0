#include "casefile/case_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>

#include "calc/ground_rules.h"
#include "fileio/staged_files.h"

namespace tavoro {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<const char*, kInputFieldCount> kInputKeys = {
    "groundwater", "impervious", "excavation", "perimeter", "kn", "width", "kg", "point", "range",
};

struct ProjectKey {
  const char* key;
  std::string ProjectInfo::*text;
};
constexpr std::array<ProjectKey, 5> kProjectKeys = {{
    {"name", &ProjectInfo::name},
    {"shaft", &ProjectInfo::shaft},
    {"author", &ProjectInfo::author},
    {"date", &ProjectInfo::date},
    {"notes", &ProjectInfo::notes},
}};

constexpr std::size_t kQuotedCodePoints = 40;
// Deeper nesting is refused before parsing: copying and writing a JSON value
// recurse once per level.
constexpr int kMaxNesting = 64;

// The deepest nesting of arrays and objects in bytes, counting brackets
// outside strings; stops counting past kMaxNesting.
int NestingDepth(std::string_view bytes) {
  int depth = 0;
  int deepest = 0;
  bool inString = false;
  for (std::size_t i = 0; i < bytes.size() && deepest <= kMaxNesting; ++i) {
    const char c = bytes[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return deepest;
}

// text in quotes, cut after kQuotedCodePoints characters.
std::string Quoted(std::string_view text) {
  std::size_t count = 0;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && count++ == kQuotedCodePoints) {
      break;
    }
  }
  std::string quoted = "\"" + std::string(text.substr(0, end));
  if (end < text.size()) quoted += "…";
  return quoted + "\"";
}

class Reader {
 public:
  explicit Reader(std::string_view fileName) : fileName_(fileName) {}

  CaseFileRead Read(std::string_view bytes) const {
    if (bytes.size() > kMaxCaseFileBytes) return Fail("が大きすぎます（1 MiB まで読めます）。");
    if (NestingDepth(bytes) > kMaxNesting) {
      return Fail("は入れ子が深すぎて読めません（64 段まで）。");
    }
    Json document;
    try {
      document = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::exception& error) {
      return Fail(NotJsonAt(bytes, error));
    }
    if (!document.is_object()) return Fail("は JSON のオブジェクトではありません。");

    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() ||
        format->get<std::string>() != kCaseFileFormat) {
      return Fail(
          "は Tavoro の案件ファイルではありません（\"format\" が \"tavoro-case\" "
          "ではありません）。");
    }
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer() || *version < 1) {
      return Fail("の \"version\" は 1 以上の整数でなければなりません。");
    }
    if (*version > kCaseFileVersion) {
      return Fail("は新しい版（version " + version->dump() +
                  "）の Tavoro で作られています。この Tavoro が読めるのは version " +
                  std::to_string(kCaseFileVersion) + " までです。");
    }

    CaseFile file;
    const auto inputs = document.find("inputs");
    if (inputs == document.end() || !inputs->is_object()) {
      return Fail("に入力値の \"inputs\" オブジェクトがありません。");
    }
    for (const auto& [key, value] : inputs->items()) {
      std::string* text = InputOf(file, key);
      if (text == nullptr) {
        return Fail("の \"inputs\" に知らない項目 " + Quoted(key) +
                    " があります（使える項目: groundwater, impervious, excavation, perimeter, "
                    "kn, width, kg, point, range, radius-method, radius, radius-note, "
                    "confined-top, confined-head, unit-weight, soil-layers, water-unit-weight, "
                    "uplift-safety）。");
      }
      if (!value.is_string()) return NotText("\"inputs\" の \"" + key + "\"");
      *text = value.get<std::string>();
    }

    if (const auto project = document.find("project"); project != document.end()) {
      if (!project->is_object()) return Fail("の \"project\" はオブジェクトでなければなりません。");
      for (const auto& [key, value] : project->items()) {
        const auto known = std::find_if(kProjectKeys.begin(), kProjectKeys.end(),
                                        [&](const ProjectKey& k) { return key == k.key; });
        if (known == kProjectKeys.end()) {
          file.keptProject[key] = value;
          continue;
        }
        if (!value.is_string()) return NotText("\"project\" の \"" + key + "\"");
        file.project.*(known->text) = value.get<std::string>();
      }
    }

    for (const auto& [key, value] : document.items()) {
      if (key != "format" && key != "version" && key != "inputs" && key != "project") {
        file.kept[key] = value;
      }
    }
    return {std::move(file), {}};
  }

  // The text of an "inputs" key, among the nine fields and the ground ones.
  static std::string* InputOf(CaseFile& file, const std::string& key) {
    const auto known = std::find(kInputKeys.begin(), kInputKeys.end(), key);
    if (known != kInputKeys.end()) {
      return &file.inputs[static_cast<std::size_t>(known - kInputKeys.begin())];
    }
    for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
      if (key == GroundFieldOf(field).key) return &GroundText(file.ground, field);
    }
    return nullptr;
  }

  CaseFileRead Fail(const std::string& what) const {
    return {std::nullopt, "案件ファイル「" + fileName_ + "」" + what};
  }

 private:
  CaseFileRead NotText(const std::string& where) const {
    return Fail("の " + where + " は文字列でなければなりません。");
  }

  // Says on which line the parser stopped.
  static std::string NotJsonAt(std::string_view bytes, const Json::exception& error) {
    std::size_t stop = bytes.size();
    if (const auto* parse = dynamic_cast<const Json::parse_error*>(&error)) {
      stop = std::min(parse->byte, bytes.size());
    }
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(stop), '\n');
    return "は JSON として読めません（" + std::to_string(line) + " 行目）。";
  }

  std::string fileName_;
};

}  // namespace

const char* CaseInputKey(int field) {
  if (field < 0 || field >= kInputFieldCount) return "";
  return kInputKeys[static_cast<std::size_t>(field)];
}

bool IsIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const auto number = [&](std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  if (year < 0 || month < 0 || day < 0) return false;
  return std::chrono::year_month_day(std::chrono::year(year), std::chrono::month(month),
                                     std::chrono::day(day))
      .ok();
}

bool IsCaseFileName(std::string_view name) {
  if (name.size() <= kCaseFileSuffix.size()) return false;
  std::string tail(name.substr(name.size() - kCaseFileSuffix.size()));
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == kCaseFileSuffix;
}

bool IsCaseFileArgument(std::string_view argument) {
  if (IsCaseFileName(argument)) return true;
  std::error_code error;
  return !argument.empty() &&
         std::filesystem::is_regular_file(std::filesystem::path(argument), error);
}

CaseFileRead ParseCaseFile(std::string_view bytes, std::string_view fileName) {
  return Reader(fileName).Read(bytes);
}

CaseFileRead ReadCaseFile(const std::filesystem::path& path) {
  const Reader reader(PathForMessage(path));
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return reader.Fail("はフォルダです。");
  std::ifstream in(path, std::ios::binary);
  if (!in) return reader.Fail("を開けません（見つからないか、読む権限がありません）。");
  std::string bytes(kMaxCaseFileBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return reader.Fail("を読み取れません。");
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return reader.Read(bytes);
}

std::string CaseFileText(const CaseFile& file) {
  Json document = Json::object();
  document["format"] = kCaseFileFormat;
  const bool ground = file.ground != GroundTexts{};
  document["version"] = ground ? kCaseFileVersion : 1;
  Json& inputs = document["inputs"] = Json::object();
  for (int field = 0; field < kInputFieldCount; ++field) {
    inputs[CaseInputKey(field)] = file.inputs[static_cast<std::size_t>(field)];
  }
  for (int field = kFirstGroundField; ground && field < kFirstGroundField + kGroundFieldCount;
       ++field) {
    const std::string& text = GroundText(file.ground, field);
    if (!text.empty()) inputs[GroundFieldOf(field).key] = text;
  }
  Json project = Json::object();
  for (const ProjectKey& key : kProjectKeys) {
    if (!(file.project.*key.text).empty()) project[key.key] = file.project.*key.text;
  }
  for (const auto& [key, value] : file.keptProject.items()) {
    if (!project.contains(key)) project[key] = value;
  }
  if (!project.empty()) document["project"] = project;
  for (const auto& [key, value] : file.kept.items()) {
    if (!document.contains(key)) document[key] = value;
  }
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<std::string> WriteCaseFile(const std::filesystem::path& path, const CaseFile& file) {
  StagedFiles files;
  files.Add(path, CaseFileText(file));
  if (!files.Commit()) return std::nullopt;
  return "案件ファイル「" + PathForMessage(path) +
         "」を保存できませんでした。元のファイルはそのままです。";
}

}  // namespace tavoro
