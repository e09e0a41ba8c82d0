#pragma once

#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "page/display_list.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "page/text_measurer.h"
#include "report/report.h"
#include "status/status.h"

namespace tavoro {

enum class CaseDocument { kReport, kChart };

// "計算書" or "地下水位降下曲線", as windows and messages name the document.
std::string_view DocumentCaption(CaseDocument document);

// The cover of a report made on date (YYYY-MM-DD, the caller's today),
// naming this program and its version.
CoverFacts CoverMadeOn(std::string date);

// Draws a document of calc into page, with the project's header line on
// every page and, for a report given cover, the cover page first. settings
// and counter carry the page setup and the report's line grid of a session.
// Returns "" when complete, else the Japanese reason it stopped; what was
// drawn until then stays on the page.
std::string DrawCaseDocument(PageSurface& page, CaseDocument document,
                             const CalculationCase& calc, const ProjectInfo& project,
                             PageSettings& settings, ReportLineCounter& counter,
                             const CoverFacts* cover = nullptr);

// A complete document of calc on a fresh page setup, or the reason it
// could not be made.
struct BuiltDocument {
  Document document;
  Status status;
};
BuiltDocument BuildCaseDocument(const TextMeasurer& measurer, CaseDocument document,
                                const CalculationCase& calc, const ProjectInfo& project,
                                const CoverFacts* cover = nullptr);

}  // namespace tavoro
