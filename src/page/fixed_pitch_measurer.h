#pragma once

#include "page/text_measurer.h"

namespace tavoro {

// A deterministic measurer shaped like the report's fixed-pitch Japanese
// faces: one em (size × 20 twips) per character outside ASCII, half an em
// per ASCII character, and one em of line height. Used by tests, so that
// positions can be asserted to the twip.
class FixedPitchMeasurer : public TextMeasurer {
 public:
  double TextWidth(const FontSpec& font, std::string_view text) const override;
  double TextHeight(const FontSpec& font, std::string_view text) const override;
};

}  // namespace tavoro
