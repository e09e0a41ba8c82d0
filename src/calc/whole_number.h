#pragma once

#include <cstdint>
#include <optional>

namespace tavoro {

// The nearest whole number to a finite value, halves to the even neighbour,
// without any range limit; empty when the value is not finite.
std::optional<double> ToWholeReal(double value);

// Converts a real to the nearest 16-bit whole number, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Empty when the value is not
// finite or the result lies outside -32768..32767 (an overflow).
std::optional<std::int16_t> ToInt16(double value);

// The same for the 32-bit range.
std::optional<std::int32_t> ToInt32(double value);

}  // namespace tavoro
