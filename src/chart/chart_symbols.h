#pragma once

#include <cstdint>

#include "page/page_surface.h"

namespace tavoro {

// Kinds of DrawArrowMark. Closed heads are triangle outlines s long and s
// wide; open heads leave out the base.
enum ArrowKind : std::int16_t {
  kArrowDimensionVertical = 1,    // (x, y) down to (x, y + L), closed heads at both ends
  kArrowDimensionHorizontal = 2,  // (x, y) right to (x + L, y), closed heads at both ends
  kArrowDown = 3,                 // open head at the lower end
  kArrowLeft = 4,                 // (x, y) to (x - L, y), open head at the left end
  kArrowUp = 5,                   // open head at the upper end
  kArrowRight = 6,                // open head at the right end
  kArrowHeadClosedToward = 7,     // closed head alone, sides 2s, opening toward L degrees
  kArrowHeadDown = 8,             // closed head alone pointing down, tip at (x, y)
  kArrowHeadOpenToward = 9,       // open head alone, sides s, opening toward L degrees
};

// Draws an arrow, a dimension line or an arrowhead of the given kind with
// straight lines in the current pen. length is a length in twips, or for
// kinds 7 and 9 a direction in degrees clockwise from straight up; size is
// the head size s. Any other kind draws nothing; so does a mark with a
// coordinate that is not finite.
void DrawArrowMark(PageSurface& page, double x, double y, double length, std::int16_t kind,
                   double size);

// Draws the water-level mark: an inverted triangle size wide and 2/3 size
// high with its apex at (x, y) on the water line, and three bars under the
// line at depths size/4, size/2 and 3/4 size, 1.5, 1 and 0.5 size long.
// Draws nothing when a coordinate is not finite.
void DrawWaterLevelMark(PageSurface& page, double x, double y, double size);

// Draws up to three groups of slanted hatch strokes hanging from the ground
// line y down to y + height, starting at x. The unit u is width to the
// nearest whole number (halves to even) divided by 10 toward zero; a group
// spans 4.5 units and the next starts 4 units on. Group g (0..2) is drawn
// when groups >= g + 1. Draws nothing when u is 0 (a width below 9.5) or a
// coordinate is not finite.
void DrawGroundMark(PageSurface& page, double x, double y, double width, double height,
                    double groups);

}  // namespace tavoro
