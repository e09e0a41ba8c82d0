#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "page/page_surface.h"

namespace tavoro {

// Views of a recorded page for the report tests.
inline std::vector<TextCommand> TextsOf(const Page& page) {
  std::vector<TextCommand> texts;
  for (const PageCommand& command : page.commands) {
    if (const auto* text = std::get_if<TextCommand>(&command)) texts.push_back(*text);
  }
  return texts;
}

inline std::vector<LineCommand> LinesOf(const Page& page) {
  std::vector<LineCommand> lines;
  for (const PageCommand& command : page.commands) {
    if (const auto* line = std::get_if<LineCommand>(&command)) lines.push_back(*line);
  }
  return lines;
}

// The one text command that reads exactly text; a test failure (and an
// empty command) when there is none or more than one.
inline TextCommand TextReading(const Page& page, std::string_view text) {
  TextCommand found;
  int count = 0;
  for (const TextCommand& command : TextsOf(page)) {
    if (command.text == text) {
      found = command;
      ++count;
    }
  }
  EXPECT_EQ(count, 1) << "text \"" << text << "\"";
  return found;
}

// A page surface on the fixed-pitch measurer with an open document and the
// report's 10-point body font: ASCII 100 twips wide, other characters 200.
class RecordedPageTest : public ::testing::Test {
 protected:
  RecordedPageTest() : page_(measurer_) {
    page_.StartDoc();
    page_.SetFontName("ＭＳ 明朝");
    page_.SetFontSize(10);
  }

  const Page& FirstPage() const { return page_.document().pages.at(0); }

  FixedPitchMeasurer measurer_;
  PageSurface page_;
};

}  // namespace tavoro
