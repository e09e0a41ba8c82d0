#pragma once

#include <optional>
#include <string_view>

namespace tavoro {

// Converts a length text such as "20mm", "1.5cm", "1in", "10pt" or "720tw"
// to twips; a bare number is twips. Spaces around the number and the unit
// are allowed and the unit is case-insensitive. Empty when the text is not
// a finite, non-negative length.
std::optional<double> ParseLengthTwips(std::string_view text);

// A4 paper, 210 × 297 mm, in twips.
inline constexpr double kA4WidthTwips = 210.0 * 1440.0 / 25.4;
inline constexpr double kA4HeightTwips = 297.0 * 1440.0 / 25.4;

}  // namespace tavoro
