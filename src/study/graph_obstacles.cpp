#include "study/graph_obstacles.h"

#include <algorithm>

namespace tavoro {

bool Crosses(const Segment& segment, const Box& box) {
  // Liang–Barsky: the part of the segment, t in [0, 1], inside each slab.
  const double dx = segment.x2 - segment.x1;
  const double dy = segment.y2 - segment.y1;
  double enter = 0;
  double leave = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  return clip(-dx, segment.x1 - box.left) && clip(dx, box.right - segment.x1) &&
         clip(-dy, segment.y1 - box.top) && clip(dy, box.bottom - segment.y1);
}

bool Overlaps(const Box& a, const Box& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool GraphObstacles::IsFree(const Box& box, bool lines) const {
  return (!lines || std::none_of(segments_.begin(), segments_.end(),
                      [&](const Segment& s) { return Crosses(s, box); })) &&
         std::none_of(boxes_.begin(), boxes_.end(), [&](const Box& b) { return Overlaps(b, box); });
}

}  // namespace tavoro
