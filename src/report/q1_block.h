#pragma once

#include "calc/calculation_case.h"
#include "page/page_surface.h"

namespace tavoro {

// The inflow without improvement, Q1 = π·kn·(H² − h²) / ln(R1 / r), in
// symbols and with the case's numbers, then Q1 in m³/min. x1 is the left
// edge of "Q1", x2 that of both equals signs, y the top of the first row.
void DrawQ1Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y);

}  // namespace tavoro
