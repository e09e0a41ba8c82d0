#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "study/study.h"

namespace tavoro {

// Both documents carry the project's header line on every page.

// Writes the calculation report of calc to path: a PDF (one or two portrait
// pages) when path ends in ".pdf", PNGs at dpi otherwise (a two-page report
// to path with "-1" and "-2" before the extension). Returns an empty string
// on success, else a message for standard error.
std::string ExportReport(const CalculationCase& calc, const ProjectInfo& project,
                         const std::string& path, int dpi);

// Writes the drawdown chart of calc to path: a one-page landscape PDF when
// path ends in ".pdf", else a PNG at dpi. Returns an empty string on
// success, else a message for standard error.
std::string ExportChart(const CalculationCase& calc, const ProjectInfo& project,
                        const std::string& path, int dpi);

// Writes the study pages of result to path as a landscape PDF: the graph
// page, then the table pages. Returns an empty string on success, else a
// message for standard error.
std::string ExportStudy(const StudyResult& result, const ProjectInfo& project,
                        const std::string& path);

}  // namespace tavoro
