#include "page/segment_clip.h"

#include <algorithm>

namespace tavoro {

std::optional<ClipRange> ClipSegment(double x1, double y1, double x2, double y2, double left,
                                     double top, double right, double bottom) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  ClipRange range;
  // One edge: p the direction across it, q the distance inside it.
  const auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      range.enter = std::max(range.enter, t);
    } else {
      range.leave = std::min(range.leave, t);
    }
    return range.enter <= range.leave;
  };
  if (edge(-dx, x1 - left) && edge(dx, right - x1) && edge(-dy, y1 - top) &&
      edge(dy, bottom - y1)) {
    return range;
  }
  return std::nullopt;
}

}  // namespace tavoro
