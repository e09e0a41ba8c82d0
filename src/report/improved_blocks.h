#pragma once

#include "calc/calculation_case.h"
#include "page/page_surface.h"

namespace tavoro {

// The blocks of the second report page, which find the radius of influence
// with the improvement ring. x1 is the left edge of the caption, x2 that of
// the result symbol, x3 that of every equals sign, y the top of the first
// row.

// "改良外円の水位高": h2 = √(Q2·ln((r+B)/r) / (π·kg) + h²), the water
// height at the ring's outer edge, in symbols, with numbers, then h2.
void DrawH2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y);

// "水位降下高さ": S2 = H − h2, the drawdown at the ring's outer edge.
void DrawS2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y);

// "影響範囲": R2 = 3000·S2·√(kn/60), Sichardt's formula with S2.
void DrawR2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y);

}  // namespace tavoro
