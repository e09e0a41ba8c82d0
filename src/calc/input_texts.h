#pragma once

#include <array>
#include <string>

namespace tavoro {

inline constexpr int kInputFieldCount = 9;

// Form fields by index, in form order.
inline constexpr int kGroundwaterField = 0;
inline constexpr int kImperviousField = 1;
inline constexpr int kExcavationField = 2;
inline constexpr int kPerimeterField = 3;
inline constexpr int kKnField = 4;
inline constexpr int kWidthField = 5;
inline constexpr int kKgField = 6;
inline constexpr int kPointField = 7;
inline constexpr int kRangeField = 8;

// The nine input texts in form order: groundwater depth, impervious depth,
// excavation depth, perimeter L, kn (cm/sec), B, kg (cm/sec), point of
// interest x, calculation range.
using InputTexts = std::array<std::string, kInputFieldCount>;

// The Japanese caption of input field 0..8, e.g. "地下水位", or of a ground
// field 9..17; "" outside.
const char* InputFieldCaption(int field);

}  // namespace tavoro
