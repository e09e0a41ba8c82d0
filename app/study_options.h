#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/ground_texts.h"
#include "calc/input_texts.h"
#include "command_line.h"
#include "study/study.h"

namespace tavoro {

// What `tavoro study` was asked to do. The nine case texts are as the form
// takes them; --kg-list is kept as typed, to be read against the case's kn.
struct StudyOptions {
  InputTexts texts;
  GroundTexts ground;                         // the ground options, when no --case
  std::optional<std::string> casePath;        // the case from a case file instead
  std::optional<std::string> kgList;  // none: the case's default list
  double widthMax = kDefaultStudyWidth;
  StudyTarget target;
  std::optional<std::string> pdfPath;
  std::optional<std::string> csvPath;
  std::optional<std::string> jsonPath;  // "-" for standard output
  bool help = false;
};

// Either the options or, for a command line that cannot run, a Japanese
// message.
struct ParsedStudyOptions {
  std::optional<StudyOptions> options;
  std::string error;
};

// The options of `tavoro study`.
const CommandTable& StudyCommand();

// Reads the arguments that follow `tavoro study` against StudyCommand():
// the case by its input fields and ground options or --case FILE (not both), --kg-list,
// --width-max, exactly one of --target-q2 and --target-s2, and --pdf, --csv,
// --json. Besides the usage errors of the option table, a number that does
// not read whole is an error.
ParsedStudyOptions ParseStudyOptions(const std::vector<std::string>& args);

}  // namespace tavoro
