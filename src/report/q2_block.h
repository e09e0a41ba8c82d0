#pragma once

#include "calc/calculation_case.h"
#include "page/page_surface.h"

namespace tavoro {

// The inflow with the improvement ring, Q2 = π·kn·(H² − h²) /
// (ln(R1/(r+B)) + kn/kg·ln((r+B)/r)), in symbols and with the case's
// numbers, each with its numerator centred over the longer denominator,
// then Q2 in m³/min on a line of its own. x1 is the left edge of "Q2", x2
// that of the three equals signs, y the top of the first row.
void DrawQ2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y);

}  // namespace tavoro
