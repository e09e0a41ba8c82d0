#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "page/display_list.h"

namespace tavoro {

// Converts a UTF-8 text into the drawing's code page, Shift_JIS.
using DxfTextEncoder = std::function<std::string(std::string_view utf8)>;

// Layer names of the drawing, in UTF-8: "枠", "目盛", "水位", "改良", "寸法"
// for drawings of that kind, "文字" for every text, "0" for the rest.
std::string_view DxfLayerName(DrawingLayer layer);
inline constexpr std::string_view kDxfTextLayer = "文字";

// Page pageIndex of document as an ASCII DXF R12 drawing at 1:1 in paper
// millimetres, origin at the paper's bottom-left corner, y upward. Lines
// that join end to end become polylines, dotted pens the linetype "DOT",
// solid fills SOLID entities (a filled circle a donut polyline), hatches
// lines; texts keep height, rotation and position, and show as typed (CAD's
// "%%" and "^" codes escaped). What lies beyond the
// paper is left out. Nothing for a page that does not exist.
std::optional<std::string> DxfDrawing(const Document& document, int pageIndex,
                                      const DxfTextEncoder& encode);

}  // namespace tavoro
