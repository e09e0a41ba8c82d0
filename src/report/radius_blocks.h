#pragma once

#include <string_view>

#include "calc/calculation_case.h"
#include "page/page_surface.h"
#include "report/formula_layout.h"

namespace tavoro {

// Sichardt's radius of influence without improvement, R1 = 3000·S·√(kn/60)
// with kn in m/min, in symbols and with the case's numbers (kn in m/s under
// the radical), then R1. x1 is the left edge of "R1", x2 that of both
// equals signs, y the top of the first row.
void DrawR1Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y);

// The shaft's equivalent radius, r = L / (2·π), in symbols and with the
// case's numbers, then r. Arguments as for DrawR1Block.
void DrawRadiusBlock(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                     double x2, double y);

// The two lines of Sichardt's formula that the R1 and R2 blocks share,
// from the equals sign of the symbolic line on: first is that line's
// placement (its caption and result symbol are the caller's), equalsX the
// left edge of both equals signs, symbolicPiece the text before the radical
// ("=  3000 ・ S ・  "); drawdown, kn (m/s) and radius are the numbers of
// the substituted line.
void DrawSichardtLines(PageSurface& page, double charHeight, const FormulaLine& first, double x1,
                       double equalsX, std::string_view symbolicPiece, double drawdown, double kn,
                       double radius);

// The lines of the case's radius method from the equals sign on, for the
// drawdown symbol ("S" or "S2"): Sichardt's two lines as above; Kusakin's
// R = 575·S·√(H·kn/60) in symbols and with the numbers (kn in m/s under the
// radical); a given R as "= R2 = 500.000 (m)　指定値" (R1) or
// "= R1 = 500.000 (m)　指定値" (R2) and the reason on the next line.
void DrawRadiusLines(PageSurface& page, const CalculationCase& calc, double charHeight,
                     const FormulaLine& first, double x1, double equalsX,
                     std::string_view drawdownSymbol, double drawdown, double radius);

}  // namespace tavoro
