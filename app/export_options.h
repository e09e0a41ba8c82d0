#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/ground_texts.h"
#include "calc/input_texts.h"
#include "calc/project_info.h"

namespace tavoro {

inline constexpr int kDefaultDpi = 150;
inline constexpr int kMinDpi = 10;
inline constexpr int kMaxDpi = 600;

// The project texts in the order of ProjectTextOption: name, shaft,
// author, date, notes, checker.
inline constexpr int kProjectTextCount = 6;

// What `tavoro export` was asked to do.
struct ExportOptions {
  // The nine form fields in form order; an omitted option is an empty field,
  // or with --case the field of the case file.
  InputTexts texts;
  std::array<bool, kInputFieldCount> textGiven{};
  // The ground fields (--radius-method …), each given or taken from --case.
  GroundTexts ground;
  std::array<bool, kGroundFieldCount> groundGiven{};
  // The texts of every page's header line, each given or taken from --case.
  ProjectInfo project;
  std::array<bool, kProjectTextCount> projectGiven{};
  std::optional<std::string> casePath;      // --case: inputs and project from a case file
  std::optional<std::string> saveCasePath;  // --save-case: the case file of the inputs
  std::optional<std::string> jsonPath;      // "-" for standard output
  std::optional<std::string> reportPath;
  std::optional<std::string> chartPath;
  std::optional<std::string> csvPath;
  int dpi = kDefaultDpi;
  bool help = false;
  bool cover = false;  // --cover: the report starts with its cover page
};

// The option of form field 0..8, e.g. "--groundwater", or of a ground
// field, e.g. "--radius-method"; "" for any other number.
const char* InputFieldOption(int field);

// The option of project text 0..4: "--project-name", "--shaft-name",
// "--author", "--date", "--notes", "--checker"; "" outside 0..5.
const char* ProjectTextOption(int text);

// The project text 0..4 of project (4 beyond).
std::string& ProjectText(ProjectInfo& project, int text);
const std::string& ProjectText(const ProjectInfo& project, int text);

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
