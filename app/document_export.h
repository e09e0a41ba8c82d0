#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "fileio/staged_files.h"
#include "study/study.h"
#include "verify/verify_examples.h"

namespace tavoro {

// Renders the calculation report of calc in memory and stages it for path
// in the format its extension names: a PDF of one or two portrait pages, or
// PNGs at dpi or SVGs, a two-page report to path with "-1" and "-2" before
// the extension. path is taken as bytes. Returns "" when staged, else a
// Japanese message for standard error.
std::string StageReport(const CalculationCase& calc, const ProjectInfo& project,
                        const std::string& path, int dpi, StagedFiles& files,
                        bool cover = false);

// Both documents carry the project's header line on every page.

// The same for the drawdown chart: a one-page landscape PDF, PNG or SVG,
// or a DXF drawing.
// note, when given, receives the characters a DXF drawing could not carry.
std::string StageChart(const CalculationCase& calc, const ProjectInfo& project,
                       const std::string& path, int dpi, StagedFiles& files,
                       std::string* note = nullptr);

// Renders the study pages of result in memory and stages them for path as a
// landscape PDF: the graph page, then the table pages, with the project's
// header line. Returns "" when staged, else a Japanese message.
std::string StageStudy(const StudyResult& result, const ProjectInfo& project,
                       const std::string& path, StagedFiles& files);

// The 「検証例」 pages of examples as a portrait PDF for path.
std::string StageVerifyPages(const std::vector<WorkedExample>& examples, const std::string& path,
                             StagedFiles& files);

}  // namespace tavoro
