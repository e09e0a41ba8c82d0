#pragma once

namespace tavoro {

inline constexpr double kTwipsPerMm = 1440.0 / 25.4;

// A4 paper, 210 × 297 mm, in twips.
inline constexpr double kA4WidthTwips = 210.0 * 1440.0 / 25.4;
inline constexpr double kA4HeightTwips = 297.0 * 1440.0 / 25.4;

}  // namespace tavoro
