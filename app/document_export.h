#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "documents/case_documents.h"
#include "fileio/staged_files.h"
#include "study/study.h"
#include "verify/verify_examples.h"

namespace tavoro {

// Renders a document of calc with the project's header line in memory and
// stages it for path in the format its extension names: the report as a PDF
// of one or two portrait pages, or PNGs at dpi or SVGs, a two-page report to
// path with "-1" and "-2" before the extension; the chart as a landscape PDF,
// PNG, SVG or a DXF drawing. path is taken as bytes. note, when given, receives
// the characters a DXF drawing could not carry. A report given cover starts
// with its cover page, dated today.
Status StageCaseDocument(CaseDocument which, const CalculationCase& calc,
                         const ProjectInfo& project, const std::string& path, int dpi,
                         StagedFiles& files, std::string* note = nullptr, bool cover = false);

// Renders the study pages of result in memory and stages them for path as a
// landscape PDF: the graph page, then the table pages, with the project's
// header line.
Status StageStudy(const StudyResult& result, const ProjectInfo& project, const std::string& path,
                  StagedFiles& files);

// The 「検証例」 pages of examples as a portrait PDF for path.
Status StageVerifyPages(const std::vector<WorkedExample>& examples, const std::string& path,
                        StagedFiles& files);

}  // namespace tavoro
