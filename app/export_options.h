#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/ground_texts.h"
#include "calc/input_texts.h"
#include "calc/project_info.h"
#include "command_line.h"

namespace tavoro {

inline constexpr int kDefaultDpi = 150;
inline constexpr int kMinDpi = 10;
inline constexpr int kMaxDpi = 600;

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
  std::array<bool, kProjectTexts.size()> projectGiven{};
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

// The ground fields' options (--radius-method …) as one group of table's help,
// and their values in line, each marked when given.
void AddGroundOptions(CommandTable& table);
void ReadGroundOptions(const CommandLine& line, GroundTexts& texts,
                       std::array<bool, kGroundFieldCount>& given);

// The option of an input field, e.g. "--groundwater", or of a ground field,
// e.g. "--radius-method".
std::string InputFieldOption(int field);

// Either the options or, for a command line that cannot run, a message.
struct ParsedExportOptions {
  std::optional<ExportOptions> options;
  std::string error;
};

// The options of `tavoro export`.
const CommandTable& ExportCommand();

// Reads the arguments that follow `tavoro export` against ExportCommand().
// Besides its usage errors: a date that is not YYYY-MM-DD, a --save-case
// name not ending in .tavoro, a dpi outside 10..600, and a command line
// without any of --json, --report, --chart, --csv and --save-case. --help
// needs nothing else.
ParsedExportOptions ParseExportOptions(const std::vector<std::string>& args);

}  // namespace tavoro
