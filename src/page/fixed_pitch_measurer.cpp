#include "page/fixed_pitch_measurer.h"

#include <cstddef>

namespace tavoro {
namespace {

// Length of the UTF-8 sequence a lead byte starts; 1 for a stray byte, which
// then counts as one character of its own.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

double FixedPitchMeasurer::TextWidth(const FontSpec& font, std::string_view text) const {
  const double em = font.size * 20.0;
  double width = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      width += em / 2;
      ++i;
      continue;
    }
    std::size_t length = SequenceLength(lead);
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i + k]))) {
        length = k;
        break;
      }
    }
    width += em;
    i += length;
  }
  return width;
}

double FixedPitchMeasurer::TextHeight(const FontSpec& font, std::string_view /*text*/) const {
  return font.size * 20.0;
}

}  // namespace tavoro
