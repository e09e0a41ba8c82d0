#pragma once

#include "calc/calculation_case.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "report/report.h"

namespace tavoro {

// The page 盤ぶくれの検討 on the open page of surface: a section sketch
// with d and hw dimensioned, F typeset in symbols and with the numbers put
// in, F against Fs in words, with F < Fs the head lowering needed and the
// deepest safe excavation, and the symbol list. calc.uplift must be set.
void DrawUpliftPage(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
                    ReportLineCounter& counter);

}  // namespace tavoro
