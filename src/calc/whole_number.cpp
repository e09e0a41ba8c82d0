#include "calc/whole_number.h"

#include <cmath>
#include <limits>

namespace tavoro {
namespace {

// Nearest whole number, halves to the even neighbour, independent of the
// floating-point rounding mode. value must be finite.
double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every finite double
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Int>
std::optional<Int> ToWhole(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> ToWholeReal(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return RoundHalfEven(value);
}

std::optional<std::int16_t> ToInt16(double value) {
  return ToWhole<std::int16_t>(value);
}

std::optional<std::int32_t> ToInt32(double value) {
  return ToWhole<std::int32_t>(value);
}

}  // namespace tavoro
