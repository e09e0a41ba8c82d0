#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// A font as the page surface holds it: the face name the caller asked for
// (for example "ＭＳ 明朝") and its size in points.
struct FontSpec {
  std::string name;
  double size = 0;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Measures text for the page surface, in twips. The program measures with
// the real faces; tests inject a deterministic measurer.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;

  // Advance width of text (UTF-8) set in font, in twips.
  virtual double TextWidth(const FontSpec& font, std::string_view text) const = 0;

  // Height of one line of text set in font, in twips: the face's line
  // height (ascent + descent, no leading), so "あ" at 10 points is 200.
  virtual double TextHeight(const FontSpec& font, std::string_view text) const = 0;
};

}  // namespace tavoro
