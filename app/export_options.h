#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/input_texts.h"
#include "calc/project_info.h"

namespace tavoro {

inline constexpr int kDefaultDpi = 150;
inline constexpr int kMinDpi = 10;
inline constexpr int kMaxDpi = 600;

// What `tavoro export` was asked to do.
struct ExportOptions {
  // The nine form fields in form order; an omitted option is an empty field.
  InputTexts texts;
  // The texts of every page's header line.
  ProjectInfo project;
  std::optional<std::string> jsonPath;  // "-" for standard output
  std::optional<std::string> reportPath;
  std::optional<std::string> chartPath;
  std::optional<std::string> csvPath;
  int dpi = kDefaultDpi;
  bool help = false;
};

// The option of form field 0..8, e.g. "--groundwater"; "" outside 0..8.
const char* InputFieldOption(int field);

// Either the options or, for a command line that cannot run, a message.
struct ParsedExportOptions {
  std::optional<ExportOptions> options;
  std::string error;
};

// Reads the arguments that follow `tavoro export` with QCommandLineParser.
// Accepts "--opt value" and "--opt=value"; values come back byte for byte.
// Unknown options, stray arguments, missing values, any option given twice,
// a dpi outside 10..600, an output name whose extension its option does not
// write, and a command line without any of --json, --report, --chart and
// --csv are errors, with a Japanese message. --help needs nothing else.
ParsedExportOptions ParseExportOptions(const std::vector<std::string>& args);

}  // namespace tavoro
