#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tavoro {

// Plane geometry for drawing exchange, in whatever unit the caller uses.
struct DxfPoint {
  double x = 0;
  double y = 0;

  friend bool operator==(const DxfPoint&, const DxfPoint&) = default;
};

struct DxfSegment {
  DxfPoint from;
  DxfPoint to;

  friend bool operator==(const DxfSegment&, const DxfSegment&) = default;
};

// An axis-aligned box; left <= right and top <= bottom (y downward).
struct DxfBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The part of segment inside box, or nothing when none of it is (or a
// coordinate is not finite).
std::optional<DxfSegment> ClipToBox(const DxfSegment& segment, const DxfBox& box);

// The lines of a diagonal cross hatch over box, cut to the box: rising ones,
// then falling ones, spaced spacing apart on a grid fixed to the origin as
// the painter draws them. An empty box or spacing <= 0 gives none; a box so
// large that it would need more than maxLines lines gives none.
std::vector<DxfSegment> HatchSegments(const DxfBox& box, double spacing,
                                      std::size_t maxLines = 20000);

// The chord of the circle around centre with radius on the line through
// segment, or nothing when they do not meet.
std::optional<DxfSegment> ChordOnLine(const DxfSegment& segment, DxfPoint centre, double radius);

}  // namespace tavoro
