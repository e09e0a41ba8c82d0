#pragma once

#include <string>
#include <vector>

#include "page/page_surface.h"

namespace tavoro {

// Notes on results that were not computed, set apart from a page's own
// text: each note starts a paragraph "注記：…" in ＭＳ ゴシック at 8
// points, wrapped at character boundaries to width and drawn from (left,
// top) downwards, at most kMaxNoteLines lines in all. Leaves the surface's
// font, text position and direction as they were. Returns the bottom of the
// last line (top when there is nothing to draw).
inline constexpr int kMaxNoteLines = 24;
double DrawNoteBlock(PageSurface& page, const std::vector<std::string>& notes, double left,
                     double top, double width);

}  // namespace tavoro
