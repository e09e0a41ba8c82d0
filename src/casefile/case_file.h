#pragma once

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "calc/ground_texts.h"
#include "calc/input_texts.h"
#include "calc/project_info.h"
#include "status/status.h"

namespace tavoro {

// A case file (*.tavoro): UTF-8 JSON holding "format": "tavoro-case",
// "version", "inputs" with the fields as typed, keyed by their
// InputField::key, and the ground fields (radius method, uplift check) keyed
// by their GroundField key, and an optional "project" with the texts keyed by
// their ProjectText::key. A case with every ground field empty is saved as
// version 1, which earlier Tavoros read; any other as version 2.
inline constexpr std::string_view kCaseFileFormat = "tavoro-case";
inline constexpr int kCaseFileVersion = 2;  // the newest this Tavoro reads and writes
inline constexpr std::uintmax_t kMaxCaseFileBytes = 1024 * 1024;
inline constexpr std::string_view kCaseFileSuffix = ".tavoro";

struct CaseFile {
  InputTexts inputs;
  GroundTexts ground;
  ProjectInfo project;
  // What the file held beyond the known keys, at the top and inside
  // "project": written back unchanged, in its order, when the case is saved
  // again.
  nlohmann::ordered_json kept = nlohmann::ordered_json::object();
  nlohmann::ordered_json keptProject = nlohmann::ordered_json::object();

  friend bool operator==(const CaseFile&, const CaseFile&) = default;
};

// A case read, or the Japanese message that names the file and says what is
// wrong with it.
struct CaseFileRead {
  std::optional<CaseFile> file;
  Status status;
};

// Reads bytes strictly: not JSON, a NUL byte, another format, a newer or bad
// version, a value of the wrong type, no "inputs" object, an unknown key
// inside "inputs", a "date" that IsProjectDate refuses or more than
// kMaxCaseFileBytes are each an error naming fileName. An input missing from
// "inputs" is an empty field. Work is linear in the number of bytes.
CaseFileRead ParseCaseFile(std::string_view bytes, std::string_view fileName);

// Reads the file at path (at most kMaxCaseFileBytes + 1 bytes are read); a
// folder, pipe or device is refused without waiting on it.
CaseFileRead ReadCaseFile(const std::filesystem::path& path);

// The file's text: two-space indented JSON ending in a newline, the format
// and version first, every input, the project texts that are not empty and
// then the kept keys. Without indenting when the indented text would pass
// kMaxCaseFileBytes.
std::string CaseFileText(const CaseFile& file);

// Saves file at path through StagedFiles: a failed save leaves the old file
// as it was; the failure names the file. A text past kMaxCaseFileBytes,
// which could not be read back, is refused.
Status WriteCaseFile(const std::filesystem::path& path, const CaseFile& file);

// Whether name ends in ".tavoro", in any case.
bool IsCaseFileName(std::string_view name);

// Whether a command-line argument names a case file to open: it ends in
// ".tavoro" (any case) or names an existing regular file.
bool IsCaseFileArgument(std::string_view argument);

}  // namespace tavoro
