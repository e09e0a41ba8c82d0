#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "page/page_surface.h"

namespace tavoro {

// The section sketch of the uplift check in the box left..right, top..bottom
// (twips): ground surface, shaft and excavation bottom, impervious layer,
// aquifer top, piezometric level, d and hw dimensioned. Depths are drawn to
// one vertical scale; calc.uplift must be set.
// A depth as a level: "GL-12.000", and above ground "GL+2.000".
std::string LevelText(double depth);

void DrawUpliftSketch(PageSurface& page, const CalculationCase& calc, double left, double right,
                      double top, double bottom);

}  // namespace tavoro
