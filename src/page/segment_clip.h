#pragma once

#include <optional>

namespace tavoro {

// The part of the segment from (x1, y1) to (x2, y2) inside the box
// left..right, top..bottom, as the range of t in P = P1 + t (P2 − P1),
// 0 <= t <= 1 (Liang–Barsky). None when the segment misses the box; an edge
// touched counts as inside.
struct ClipRange {
  double enter = 0;
  double leave = 1;
};
std::optional<ClipRange> ClipSegment(double x1, double y1, double x2, double y2, double left,
                                     double top, double right, double bottom);

}  // namespace tavoro
