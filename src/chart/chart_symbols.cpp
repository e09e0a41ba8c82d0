#include "chart/chart_symbols.h"

#include <cmath>
#include <vector>

#include "calc/whole_number.h"

namespace tavoro {
namespace {

constexpr double kPi = 3.14159265358979;

struct Point {
  double x = 0;
  double y = 0;
};

// One connected run of lines: a four-coordinate line to its second point,
// then a continuation to each further point.
using Path = std::vector<Point>;

// Draws the paths in order, or nothing at all when any point is not finite.
void DrawPaths(PageSurface& page, const std::vector<Path>& paths) {
  for (const Path& path : paths) {
    for (const Point& p : path) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    }
  }
  for (const Path& path : paths) {
    if (path.size() < 2) continue;
    page.DrawLine(path[0].x, path[0].y, path[1].x, path[1].y);
    for (std::size_t k = 2; k < path.size(); ++k) page.DrawLine(path[k].x, path[k].y);
  }
}

// The point at distance d from (x, y) in direction degrees, clockwise from up.
Point Toward(double x, double y, double d, double degrees) {
  const double phi = degrees * kPi / 180;
  return {x + d * std::sin(phi), y - d * std::cos(phi)};
}

std::vector<Path> ArrowPaths(double x, double y, double L, std::int16_t kind, double s) {
  switch (kind) {
    case kArrowDimensionVertical:
      return {{{x, y},
               {x - s / 2, y + s},
               {x + s / 2, y + s},
               {x, y},
               {x, y + L},
               {x - s / 2, y + L - s},
               {x + s / 2, y + L - s},
               {x, y + L}}};
    case kArrowDimensionHorizontal:
      return {{{x, y},
               {x + s, y + s / 2},
               {x + s, y - s / 2},
               {x, y},
               {x + L, y},
               {x + L - s, y + s / 2},
               {x + L - s, y - s / 2},
               {x + L, y}}};
    case kArrowDown:
      return {{{x, y}, {x, y + L}},
              {{x - s / 2, y + L - s}, {x, y + L}},
              {{x + s / 2, y + L - s}, {x, y + L}}};
    case kArrowLeft:
      return {{{x, y}, {x - L, y}},
              {{x - L, y}, {x - L + s, y - s / 2}},
              {{x - L, y}, {x - L + s, y + s / 2}}};
    case kArrowUp:
      return {{{x, y}, {x, y - L}},
              {{x, y - L}, {x + s / 2, y - L + s}},
              {{x, y - L}, {x - s / 2, y - L + s}}};
    case kArrowRight:
      return {{{x, y}, {x + L, y}},
              {{x + L, y}, {x + L - s, y + s / 2}},
              {{x + L, y}, {x + L - s, y - s / 2}}};
    case kArrowHeadClosedToward: {
      const Point a = Toward(x, y, 2 * s, L - 15);
      const Point b = Toward(x, y, 2 * s, L + 15);
      return {{{x, y}, a}, {{x, y}, b}, {a, b}};
    }
    case kArrowHeadDown:
      return {{{x, y}, {x + s / 2, y - s}},
              {{x + s / 2, y - s}, {x - s / 2, y - s}},
              {{x - s / 2, y - s}, {x, y}}};
    case kArrowHeadOpenToward: {
      const Point a = Toward(x, y, s, L - 15);
      const Point b = Toward(x, y, s, L + 15);
      return {{{x, y}, a}, {{x, y}, b}};
    }
    default:
      return {};
  }
}

}  // namespace

void DrawArrowMark(PageSurface& page, double x, double y, double length, std::int16_t kind,
                   double size) {
  DrawPaths(page, ArrowPaths(x, y, length, kind, size));
}

void DrawWaterLevelMark(PageSurface& page, double x, double y, double size) {
  const double s = size;
  DrawPaths(page, {
                      {{x, y}, {x + s / 2, y - 2 * s / 3}},
                      {{x, y}, {x - s / 2, y - 2 * s / 3}},
                      {{x - s / 2, y - 2 * s / 3}, {x + s / 2, y - 2 * s / 3}},
                      {{x - 3 * s / 4, y + s / 4}, {x + 3 * s / 4, y + s / 4}},
                      {{x - s / 2, y + s / 2}, {x + s / 2, y + s / 2}},
                      {{x - s / 4, y + 3 * s / 4}, {x + s / 4, y + 3 * s / 4}},
                  });
}

void DrawGroundMark(PageSurface& page, double x, double y, double width, double height,
                    double groups) {
  const auto whole = ToInt32(width);
  if (!whole || *whole / 10 == 0) return;
  const double u = *whole / 10;
  const double h = height;
  std::vector<Path> strokes;
  for (int g = 0; g <= 2; ++g) {
    if (!(groups >= g + 1)) continue;
    const double o = 4 * g * u;
    strokes.push_back({{x + o, y + h}, {x + o + u, y}});
    strokes.push_back({{x + o + u, y + h}, {x + o + 2 * u, y}});
    strokes.push_back({{x + o + 2 * u, y + h}, {x + o + 3 * u, y}});
    strokes.push_back({{x + o + 2.5 * u, y + h / 2}, {x + o + 4 * u, y + h}});
    strokes.push_back({{x + o + 3 * u, y}, {x + o + 4.5 * u, y + h / 2}});
  }
  DrawPaths(page, strokes);
}

}  // namespace tavoro
