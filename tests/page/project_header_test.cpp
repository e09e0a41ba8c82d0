#include "page/project_header.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "page/page_setup.h"

namespace tavoro {
namespace {

// At 9 points the fixed-pitch measurer gives 90 twips per ASCII character,
// 180 per other character and a line 180 high; the 15 mm top margin is
// 850.394 twips, so the line's top stands at (850.394 - 180) / 2.
constexpr double kTop = (15 * 1440 / 25.4 - 180) / 2;
constexpr double kLeft = 20 * 1440 / 25.4;
constexpr double kPortraitRight = 210 * 1440 / 25.4 - kLeft;

struct Placed {
  std::string text;
  double x;
  double y;
  double size;
  // Positions agree to a millionth of a twip: the margins are converted
  // from millimetres.
  friend bool operator==(const Placed& a, const Placed& b) {
    return a.text == b.text && std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6 &&
           a.size == b.size;
  }
};

class ProjectHeaderTest : public ::testing::Test {
 protected:
  ProjectHeaderTest() : page_(measurer_) {
    SetupReportPage(page_, settings_);
    page_.StartDoc();
  }

  std::vector<Placed> Texts() const {
    std::vector<Placed> placed;
    for (const PageCommand& command : page_.document().pages.back().commands) {
      const auto& text = std::get<TextCommand>(command);
      EXPECT_EQ(text.font.name, "ＭＳ 明朝");
      EXPECT_EQ(text.direction, TextDirection::kHorizontal);
      placed.push_back({text.text, text.x, text.y, text.font.size});
    }
    return placed;
  }

  FixedPitchMeasurer measurer_;
  PageSurface page_;
  PageSettings settings_;
};

// Room for the names: the line (9637.8) less the date (900) and two
// full-width blanks (360), 8377.8 twips.
TEST_F(ProjectHeaderTest, LongProjectNameIsCutFirstTheShaftOnlyWhenItAloneOverflows) {
  auto repeated = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "長";
    return text;
  };
  const struct {
    std::string name, shaft, left;
  } cases[] = {
      // 720 + 41 x 180 + 180 fits, 42 do not.
      {repeated(5000), "", "工事名：" + repeated(41) + "…"},
      // The shaft's part takes 1890 with its blanks: 31 characters remain.
      {repeated(200), "No.1 立坑", "工事名：" + repeated(31) + "…　　立坑名：No.1 立坑"},
      // A shaft's name that alone overflows pushes the project name out.
      {"A工事", repeated(5000), "立坑名：" + repeated(41) + "…"},
  };
  for (const auto& c : cases) {
    page_.NewPage();
    DrawProjectHeader(page_, {c.name, c.shaft, "", "2024-05-01", ""});
    const std::vector<Placed> expected = {{c.left, kLeft, kTop, 9},
                                          {"2024-05-01", kPortraitRight - 900, kTop, 9}};
    EXPECT_EQ(Texts(), expected);
  }
}

TEST_F(ProjectHeaderTest, TopMarginTooNarrowForTheLineGetsNoHeader) {
  Margins narrow = page_.margins();
  narrow.top = 3 * 1440 / 25.4;
  page_.SetMargins(narrow);
  DrawProjectHeader(page_, {"A工事", "", "", "", ""});
  EXPECT_TRUE(page_.document().pages[0].commands.empty());
}

}  // namespace
}  // namespace tavoro
