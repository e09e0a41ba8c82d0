#include "page/qt/qt_geometry.h"

#include <algorithm>
#include <cmath>

namespace tavoro {
namespace {

// Lines c = k × step (k whole) across [low, high], with endpoints made by
// place(c); bounded by the size of the area, which the caller keeps finite.
template <typename Place>
void AddFamily(std::vector<QLineF>& lines, double low, double high, double step, Place place) {
  if (!(high >= low) || !std::isfinite(low) || !std::isfinite(high)) return;
  const double first = std::ceil(low / step);
  const double last = std::floor(high / step);
  for (double k = first; k <= last; k += 1.0) lines.push_back(place(k * step));
}

}  // namespace

std::optional<QLineF> ClipSegment(double x1, double y1, double x2, double y2, const QRectF& bound) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return std::nullopt;
  }
  // Liang-Barsky on the parameter t of x1 + t·dx, y1 + t·dy.
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return std::nullopt;
  double enter = 0.0;
  double leave = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - bound.left(), bound.right() - x1, y1 - bound.top(),
                       bound.bottom() - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > leave) return std::nullopt;
      if (t > enter) enter = t;
    } else {
      if (t < enter) return std::nullopt;
      if (t < leave) leave = t;
    }
  }
  // Long segments lose a little precision; keep the ends inside the bound.
  const auto clampX = [&](double x) { return std::clamp(x, bound.left(), bound.right()); };
  const auto clampY = [&](double y) { return std::clamp(y, bound.top(), bound.bottom()); };
  return QLineF(clampX(x1 + enter * dx), clampY(y1 + enter * dy), clampX(x1 + leave * dx),
                clampY(y1 + leave * dy));
}

std::vector<QLineF> HatchLines(const QRectF& area, double spacing) {
  std::vector<QLineF> lines;
  if (!(spacing > 0) || area.isEmpty()) return lines;
  const double left = area.left();
  const double right = area.right();
  const double top = area.top();
  const double bottom = area.bottom();
  const double diagonalStep = spacing * std::sqrt(2.0);
  // x + y = c, rising to the right
  AddFamily(lines, left + top, right + bottom, diagonalStep,
            [&](double c) { return QLineF(c - bottom, bottom, c - top, top); });
  // x - y = c, falling to the right
  AddFamily(lines, left - bottom, right - top, diagonalStep,
            [&](double c) { return QLineF(c + top, top, c + bottom, bottom); });
  return lines;
}

}  // namespace tavoro
