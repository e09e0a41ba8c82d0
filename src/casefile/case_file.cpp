#include "casefile/case_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "calc/ground_rules.h"
#include "calc/project_date.h"
#include "calc/text_cut.h"
#include "fileio/read_file.h"
#include "fileio/staged_files.h"

namespace tavoro {
namespace {

using Json = nlohmann::ordered_json;

// The project key of a case file, or nullptr.
const ProjectText* ProjectKeyed(std::string_view key) {
  for (const ProjectText& text : kProjectTexts) {
    if (text.key == key) return &text;
  }
  return nullptr;
}

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

// The pairs of an object, to append keys already known to be new.
Json::object_t::Container& Pairs(Json& object) {
  return *object.get_ptr<Json::object_t*>();
}

// Appends key and value to an object, or replaces the value of a key it
// already holds (the last of twins wins, as in JSON parsers generally).
// Keys are found through index, so many keys cost linear time.
void Put(Json& object, std::unordered_map<std::string, std::size_t>& index, std::string key,
         Json value) {
  Json::object_t::Container& pairs = Pairs(object);
  const auto [place, added] = index.try_emplace(key, pairs.size());
  if (added) {
    pairs.emplace_back(std::move(key), std::move(value));
  } else {
    pairs[place->second].second = std::move(value);
  }
}

// Builds an ordered document in one pass; ordered_json's own parser looks
// each key up from the start of its object, which is quadratic.
class DocumentBuilder {
 public:
  Json TakeDocument() { return std::move(root_); }
  std::size_t ErrorByte() const { return errorByte_; }

  bool null() { return Value(nullptr); }
  bool boolean(bool value) { return Value(value); }
  bool number_integer(Json::number_integer_t value) { return Value(value); }
  bool number_unsigned(Json::number_unsigned_t value) { return Value(value); }
  bool number_float(Json::number_float_t value, const std::string&) { return Value(value); }
  bool string(std::string& value) { return Value(std::move(value)); }
  bool binary(Json::binary_t& value) { return Value(Json::binary(std::move(value))); }
  bool start_object(std::size_t) { return Open(Json::object()); }
  bool start_array(std::size_t) { return Open(Json::array()); }
  bool key(std::string& name) {
    open_.back().key = std::move(name);
    return true;
  }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
    errorByte_ = position;
    return false;
  }

 private:
  // An array or object being filled, with the key of its next value.
  struct Filling {
    Json value;
    std::string key;
    std::unordered_map<std::string, std::size_t> index;
  };

  bool Value(Json value) {
    if (open_.empty()) {
      root_ = std::move(value);
    } else if (Filling& parent = open_.back(); parent.value.is_object()) {
      Put(parent.value, parent.index, std::move(parent.key), std::move(value));
    } else {
      parent.value.push_back(std::move(value));
    }
    return true;
  }
  bool Open(Json container) {
    open_.push_back({std::move(container), {}, {}});
    return true;
  }
  bool Close() {
    Json done = std::move(open_.back().value);
    open_.pop_back();
    return Value(std::move(done));
  }

  std::vector<Filling> open_;
  Json root_;
  std::size_t errorByte_ = 0;
};

// text in quotes, cut after its first 40 characters.
std::string Quoted(std::string_view text) {
  return "\"" + FirstCharacters(text) + "\"";
}

class Reader {
 public:
  explicit Reader(std::string_view fileName) : fileName_(fileName) {}

  CaseFileRead Read(std::string_view bytes) const {
    if (bytes.size() > kMaxCaseFileBytes) return Fail("が大きすぎます（1 MiB まで読めます）。");
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
      return Fail("に NUL 文字があります（" + LineOf(bytes, nul) + " 行目）。");
    }
    if (NestingDepth(bytes) > kMaxNesting) {
      return Fail("は入れ子が深すぎて読めません（64 段まで）。");
    }
    DocumentBuilder builder;
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &builder)) {
      return Fail("は Tavoro の案件ファイルとして読めません（壊れているか、別の形式です。" +
                  LineOf(bytes, builder.ErrorByte()) + " 行目）。");
    }
    Json document = builder.TakeDocument();
    if (!document.is_object()) {
      return Fail("は Tavoro の案件ファイルとして読めません（壊れているか、別の形式です）。");
    }

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
      for (auto& [key, value] : project->get_ref<Json::object_t&>()) {
        const ProjectText* known = ProjectKeyed(key);
        if (known == nullptr) {
          Pairs(file.keptProject).emplace_back(key, std::move(value));
          continue;
        }
        if (!value.is_string()) return NotText("\"project\" の \"" + key + "\"");
        file.project.*(known->text) = value.get<std::string>();
      }
      if (!file.project.date.empty()) {
        std::optional<std::string> date = NormalizedProjectDate(file.project.date);
        if (date) {
          file.project.date = std::move(*date);
        } else {
          return Fail("の \"project\" の \"date\" " + Quoted(file.project.date) + " は日付ではありません（" +
                    std::string(kProjectDateForm) + " のいずれかの形の暦にある日付にしてください）。");
        }
      }
    }

    for (auto& [key, value] : document.get_ref<Json::object_t&>()) {
      if (key != "format" && key != "version" && key != "inputs" && key != "project") {
        Pairs(file.kept).emplace_back(key, std::move(value));
      }
    }
    return {std::move(file), {}};
  }

  // The text of an "inputs" key, among the nine fields and the ground ones.
  static std::string* InputOf(CaseFile& file, const std::string& key) {
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
      if (key == kInputFields[i].key) return &file.inputs[i];
    }
    for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
      if (key == GroundFieldOf(field).key) return &GroundText(file.ground, field);
    }
    return nullptr;
  }

  CaseFileRead Fail(const std::string& what) const {
    return {std::nullopt, Status::Error("案件ファイル「" + fileName_ + "」" + what)};
  }

 private:
  CaseFileRead NotText(const std::string& where) const {
    return Fail("の " + where + " は文字列でなければなりません。");
  }

  // The line number of the byte at offset.
  static std::string LineOf(std::string_view bytes, std::size_t offset) {
    const std::size_t stop = std::min(offset, bytes.size());
    return std::to_string(1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(stop), '\n'));
  }

  std::string fileName_;
};

}  // namespace

const char* CaseInputKey(int field) {
  if (field < 0 || field >= kInputFieldCount) return "";
  return Field(field).key.data();
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
  const FileBytes read = ReadWholeFile(path, kMaxCaseFileBytes);
  switch (read.failure) {
    case ReadFailure::kNone:
      return reader.Read(read.bytes);
    case ReadFailure::kCannotOpen:
      return reader.Fail("を開けません（見つからないか、読む権限がありません）。");
    case ReadFailure::kNotRegular:
      return reader.Fail("は通常のファイルではありません。");
    case ReadFailure::kTooLarge:
      return reader.Fail("が大きすぎます（1 MiB まで読めます）。");
    case ReadFailure::kReadError:
      break;
  }
  return reader.Fail("を読み取れません。");
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
  for (const ProjectText& text : kProjectTexts) {
    if (!(file.project.*text.text).empty()) project[std::string(text.key)] = file.project.*text.text;
  }
  const auto isProjectKey = [](const std::string& key) { return ProjectKeyed(key) != nullptr; };
  for (const auto& [key, value] : file.keptProject.items()) {
    if (!isProjectKey(key) || !project.contains(key)) Pairs(project).emplace_back(key, value);
  }
  if (!project.empty()) document["project"] = project;
  for (const auto& [key, value] : file.kept.items()) {
    if (key != "format" && key != "version" && key != "inputs" && key != "project") {
      Pairs(document).emplace_back(key, value);
    }
  }
  std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
  if (text.size() > kMaxCaseFileBytes) {
    text = document.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
  }
  return text;
}

Status WriteCaseFile(const std::filesystem::path& path, const CaseFile& file) {
  std::string text = CaseFileText(file);
  if (text.size() > kMaxCaseFileBytes) {
    return Status::Error(
        "案件ファイル「" + PathForMessage(path) +
        "」を保存できません: 1 MiB を超えるため、読み込めなくなります。メモなどを短くしてください。");
  }
  StagedFiles files;
  files.Add(path, std::move(text));
  return files.Commit();
}

}  // namespace tavoro
