#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>
#include <vector>

namespace tavoro {

// The part of the segment from (x1, y1) to (x2, y2) that lies inside bound,
// or empty when none does (or a coordinate is not finite).
std::optional<QLineF> ClipSegment(double x1, double y1, double x2, double y2, const QRectF& bound);

// Distance between neighbouring hatch lines, in twips.
inline constexpr double kHatchSpacingTwips = 90.0;

// The lines of a diagonal cross hatch that cover area: rising ones, then
// falling ones. Lines sit on a grid fixed to the page, so neighbouring areas
// match, and may reach past area: the caller clips them to the filled shape.
std::vector<QLineF> HatchLines(const QRectF& area, double spacing = kHatchSpacingTwips);

}  // namespace tavoro
