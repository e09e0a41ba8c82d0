#pragma once

#include "calc/calculation_case.h"
#include "page/page_setup.h"
#include "page/page_surface.h"

namespace tavoro {

// Draws the drawdown chart as one landscape document on page. Never fails:
// a statement whose arithmetic fails is skipped and the rest is drawn.
void BuildChartPage(PageSurface& page, const CalculationCase& calc, PageSettings& settings);

}  // namespace tavoro
