#pragma once

#include <QLineF>
#include <QRectF>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavoro {

// The part of the segment from (x1, y1) to (x2, y2) that lies inside bound,
// or empty when none does (or a coordinate is not finite).
std::optional<QLineF> ClipSegment(double x1, double y1, double x2, double y2, const QRectF& bound);

// Distance between neighbouring hatch lines, in twips.
inline constexpr double kHatchSpacingTwips = 90.0;

// The hatch lines of brush style brush that cover area: 2 horizontal,
// 3 vertical, 4 upward diagonal, 5 downward diagonal, 6 cross, 7 diagonal
// cross. Lines sit on a grid fixed to the page, so neighbouring areas match,
// and may reach past area: the caller clips them to the filled shape.
// Other styles have no hatch lines.
std::vector<QLineF> HatchLines(const QRectF& area, std::int16_t brush,
                               double spacing = kHatchSpacingTwips);

}  // namespace tavoro
