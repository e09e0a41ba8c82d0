#pragma once

#include "page/page_surface.h"

namespace tavoro {

// Draws the sample page: text in both faces and sizes, a rising label,
// each pen, a filled circle, a hatched rectangle and a few commands far off
// the paper.
void DrawSamplePage(PageSurface& page);

}  // namespace tavoro
