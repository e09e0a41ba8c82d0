#pragma once

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "page/page_setup.h"
#include "page/page_surface.h"

namespace tavoro {

// Draws the drawdown chart as one landscape document on page, with the
// project's header line. Never fails: a statement whose arithmetic fails is
// skipped and the rest is drawn.
void BuildChartPage(PageSurface& page, const CalculationCase& calc, PageSettings& settings,
                    const ProjectInfo& project = {});

// Draws the whole chart of calc into page's open document, the frame's
// top-left corner at (frameLeft, frameTop) twips, and leaves the pen at
// width 10 solid, the brush solid and the text horizontal. Never fails and
// never stops early: a statement whose arithmetic fails is skipped.
void DrawChart(PageSurface& page, const CalculationCase& calc, double frameTop, double frameLeft);

}  // namespace tavoro
