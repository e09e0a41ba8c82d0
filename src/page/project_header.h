#pragma once

#include "calc/project_info.h"
#include "page/page_surface.h"

namespace tavoro {

// The one-line header of a page: "工事名：… 立坑名：…" from the left margin
// and the date ending as far from the right paper edge as the left margin
// is from the left, in the report's body face at 9 points, set in the middle
// of the top margin of the current page. The date and the shaft's name stay
// whole: a long project name is cut first with "…", a shaft's name only
// when it alone would run into the date. Draws nothing without a project or
// shaft name, and leaves the surface's font, text position and direction as
// they were, so the page body is drawn exactly as without the header.
void DrawProjectHeader(PageSurface& page, const ProjectInfo& project);

}  // namespace tavoro
