#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "page/page_surface.h"

namespace tavoro {

// Raised by a chart statement whose arithmetic fails: a coordinate that is not
// finite, or a whole-number conversion that overflows. The chart abandons that
// one statement and draws on.
class StatementFailed : public std::runtime_error {
 public:
  StatementFailed() : std::runtime_error("chart statement abandoned") {}
};

// Runs one chart statement; a StatementFailed abandons it silently.
template <typename Statement>
void RunStatement(Statement&& statement) {
  try {
    statement();
  } catch (const StatementFailed&) {
  }
}

// value itself; throws StatementFailed when it is not finite.
double Finite(double value);

// value to the nearest whole number, halves to even, without a 16-bit limit;
// throws StatementFailed for a non-finite value.
double WholeNumber(double value);

// value to the nearest 16-bit whole number, halves to even; throws
// StatementFailed on overflow or a non-finite value.
std::int16_t WholeNumber16(double value);

// value to the nearest whole number (halves to even), then halved with the
// fraction dropped toward zero: Half(125.5) = 63, Half(124.5) = 62,
// Half(-3) = -1. Throws StatementFailed beyond the 32-bit range.
std::int32_t Half(double value);

// Straight line; throws StatementFailed (drawing nothing) unless every
// coordinate is finite.
void DrawCheckedLine(PageSurface& page, double x1, double y1, double x2, double y2);

// Line from the end of the previous line; the same check.
void DrawCheckedLineTo(PageSurface& page, double x, double y);

// Places text with its top-left corner at (x, y) in the current font and
// angle; throws StatementFailed (printing nothing, moving nothing) unless x
// and y are finite.
void PlaceText(PageSurface& page, double x, double y, std::string_view text);

}  // namespace tavoro
