#pragma once

#include <array>
#include <string>

#include "calc/input_texts.h"

namespace tavoro {

// The ground fields, numbered after the nine form fields so that a
// rejection names them too.
inline constexpr int kFirstGroundField = kInputFieldCount;
inline constexpr int kRadiusMethodField = 9;
inline constexpr int kRadiusField = 10;
inline constexpr int kRadiusNoteField = 11;
inline constexpr int kConfinedTopField = 12;
inline constexpr int kConfinedHeadField = 13;
inline constexpr int kUnitWeightField = 14;
inline constexpr int kSoilLayersField = 15;
inline constexpr int kWaterUnitWeightField = 16;
inline constexpr int kUpliftSafetyField = 17;
inline constexpr int kGroundFieldCount = 9;
inline constexpr int kMaxSoilLayers = 12;
inline constexpr std::size_t kMaxRadiusNoteCharacters = 30;

// The ground fields as typed, in field order; all empty is Sichardt
// without the uplift check.
using GroundTexts = std::array<std::string, kGroundFieldCount>;

inline std::string& GroundText(GroundTexts& texts, int field) {
  return texts[static_cast<std::size_t>(field - kFirstGroundField)];
}
inline const std::string& GroundText(const GroundTexts& texts, int field) {
  return texts[static_cast<std::size_t>(field - kFirstGroundField)];
}

}  // namespace tavoro
