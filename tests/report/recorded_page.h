#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "page/page_surface.h"

namespace tavoro {

using Strings = std::vector<std::string>;

// The parts streamed into one text, numbers to 7 significant digits.
template <class... Parts>
std::string Joined(const Parts&... parts) {
  std::ostringstream out;
  out.precision(7);
  (out << ... << parts);
  return out.str();
}

// A text piece as the tests write it: "text@x,y", with "/size" added when
// the size is not 10 points.
inline std::string Piece(const std::string& text, double x, double y, double size = 10) {
  return Joined(text, '@', x, ',', y) + (size != 10 ? Joined('/', size) : "");
}

// A recorded page in drawing order: its text pieces, and its drawn lines
// each as "x1,y1>x2,y2".
struct Recorded {
  Strings texts;
  Strings lines;
};

inline Recorded RecordedOf(const Page& page) {
  Recorded recorded;
  for (const PageCommand& command : page.commands) {
    if (const auto* text = std::get_if<TextCommand>(&command)) {
      recorded.texts.push_back(Piece(text->text, text->x, text->y, text->font.size));
    } else if (const auto* line = std::get_if<LineCommand>(&command)) {
      recorded.lines.push_back(Joined(line->x1, ',', line->y1, '>', line->x2, ',', line->y2));
    }
  }
  return recorded;
}

// A page surface on the fixed-pitch measurer with an open document, at the
// surface's 10 points: ASCII 100 twips wide, other characters 200.
class RecordedPageTest : public ::testing::Test {
 protected:
  RecordedPageTest() : page_(measurer_) { page_.StartDoc(); }

  Recorded OnPage(std::size_t i = 0) const { return RecordedOf(page_.document().pages.at(i)); }

  FixedPitchMeasurer measurer_;
  PageSurface page_;
};

}  // namespace tavoro
