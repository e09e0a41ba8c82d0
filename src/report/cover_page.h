#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "page/page_surface.h"

namespace tavoro {

// What the cover names besides the case: the program and its version
// ("Tavoro 1.0") and the date the case was calculated (YYYY-MM-DD).
struct CoverFacts {
  std::string program;
  std::string calculatedOn;
};

// Draws the report's cover on the surface's current page (A4 portrait, set
// up as the report's): the title; 工事名, 立坑名 and 日付 beside a box for
// 作成 and 照査, each with its name and an empty seal field; the inputs
// with symbol, value and unit; the results as the report prints them; the
// methods with their sources; and the program line. Leaves the surface's
// font and text position changed.
void DrawCoverPage(PageSurface& page, const CalculationCase& calc, const ProjectInfo& project,
                   const CoverFacts& facts);

}  // namespace tavoro
