#pragma once

#include "calc/calculation_case.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "report/report.h"

namespace tavoro {

// The list of symbols of page 1, with their descriptions and values and the
// R1 and r blocks set into it. Starts on the counter's current row and
// leaves the counter on the list's last row (16 rows further down).
void DrawSymbolList(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
                    ReportLineCounter& counter);

}  // namespace tavoro
