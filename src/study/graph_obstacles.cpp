#include "study/graph_obstacles.h"

#include <algorithm>

#include "page/segment_clip.h"

namespace tavoro {

bool Crosses(const Segment& segment, const Box& box) {
  return ClipSegment(segment.x1, segment.y1, segment.x2, segment.y2, box.left, box.top, box.right,
                     box.bottom)
      .has_value();
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
