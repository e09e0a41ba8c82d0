#pragma once

#include <cstdint>
#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "report/cover_page.h"
#include "page/page_setup.h"
#include "page/page_surface.h"

namespace tavoro {

// The report line counter: the grid row of the next report line. One per
// process; it keeps its value between reports.
struct ReportLineCounter {
  std::int16_t value = 0;
};

// How a report drawing ended. When an error stopped it, error says what
// (in Japanese, for a message box) and the document keeps what was drawn.
struct ReportOutcome {
  bool completed = false;
  std::string error;
};

// Draws the calculation report as one document on page: one portrait page,
// two with ground improvement, each with the project's header line; with a
// cover, the cover page before them. With a header line or a cover every
// page carries 「n / N」, the cover counted.
ReportOutcome DrawReport(PageSurface& page, const CalculationCase& calc, PageSettings& settings,
                         ReportLineCounter& counter, const ProjectInfo& project = {},
                         const CoverFacts* cover = nullptr);

}  // namespace tavoro
