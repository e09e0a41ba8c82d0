#include "page/dxf/dxf_geometry.h"

#include <algorithm>
#include <cmath>

#include "page/segment_clip.h"

namespace tavoro {
namespace {

bool Finite(const DxfSegment& s) {
  return std::isfinite(s.from.x) && std::isfinite(s.from.y) && std::isfinite(s.to.x) &&
         std::isfinite(s.to.y);
}

// Adds the lines place(k * step) for every whole k with low <= k * step <= high.
template <typename Place>
void AddFamily(std::vector<DxfSegment>& lines, double low, double high, double step,
               std::size_t maxLines, const Place& place) {
  const double first = std::ceil(low / step);
  const double last = std::floor(high / step);
  if (!(last >= first) || last - first >= static_cast<double>(maxLines)) return;
  for (double k = first; k <= last; k += 1.0) lines.push_back(place(k * step));
}

}  // namespace

std::optional<DxfSegment> ClipToBox(const DxfSegment& segment, const DxfBox& box) {
  if (!Finite(segment)) return std::nullopt;
  const std::optional<ClipRange> range =
      ClipSegment(segment.from.x, segment.from.y, segment.to.x, segment.to.y, box.left, box.top,
                  box.right, box.bottom);
  if (!range) return std::nullopt;
  const double dx = segment.to.x - segment.from.x;
  const double dy = segment.to.y - segment.from.y;
  // A cut point lies on the box's edge; clamping keeps rounding from
  // putting it just outside.
  const auto at = [&](double t) {
    return DxfPoint{std::clamp(segment.from.x + t * dx, box.left, box.right),
                    std::clamp(segment.from.y + t * dy, box.top, box.bottom)};
  };
  return DxfSegment{range->enter == 0 ? segment.from : at(range->enter),
                    range->leave == 1 ? segment.to : at(range->leave)};
}

std::vector<DxfSegment> HatchSegments(const DxfBox& box, double spacing, std::size_t maxLines) {
  std::vector<DxfSegment> lines;
  if (!(spacing > 0) || !(box.right > box.left) || !(box.bottom > box.top)) return lines;
  if (!std::isfinite(box.left + box.right + box.top + box.bottom)) return lines;
  const double left = box.left;
  const double right = box.right;
  const double top = box.top;
  const double bottom = box.bottom;
  const double diagonalStep = spacing * std::sqrt(2.0);
  std::vector<DxfSegment> uncut;
  // x + y = c, rising to the right
  AddFamily(uncut, left + top, right + bottom, diagonalStep, maxLines, [&](double c) {
    return DxfSegment{{c - bottom, bottom}, {c - top, top}};
  });
  // x - y = c, falling to the right
  AddFamily(uncut, left - bottom, right - top, diagonalStep, maxLines, [&](double c) {
    return DxfSegment{{c + top, top}, {c + bottom, bottom}};
  });
  if (uncut.size() > maxLines) return lines;
  for (const DxfSegment& line : uncut) {
    const std::optional<DxfSegment> cut = ClipToBox(line, box);
    // A diagonal through a corner only touches the box.
    if (cut && (cut->from.x != cut->to.x || cut->from.y != cut->to.y)) lines.push_back(*cut);
  }
  return lines;
}

std::optional<DxfSegment> ChordOnLine(const DxfSegment& segment, DxfPoint centre, double radius) {
  if (!Finite(segment) || !std::isfinite(radius) || !(radius > 0)) return std::nullopt;
  const double dx = segment.to.x - segment.from.x;
  const double dy = segment.to.y - segment.from.y;
  const double a = dx * dx + dy * dy;
  if (!(a > 0)) return std::nullopt;
  const double fx = segment.from.x - centre.x;
  const double fy = segment.from.y - centre.y;
  const double b = 2 * (fx * dx + fy * dy);
  const double c = fx * fx + fy * fy - radius * radius;
  const double discriminant = b * b - 4 * a * c;
  if (!(discriminant > 0)) return std::nullopt;
  const double root = std::sqrt(discriminant);
  const double t1 = (-b - root) / (2 * a);
  const double t2 = (-b + root) / (2 * a);
  return DxfSegment{{segment.from.x + t1 * dx, segment.from.y + t1 * dy},
                    {segment.from.x + t2 * dx, segment.from.y + t2 * dy}};
}

}  // namespace tavoro
