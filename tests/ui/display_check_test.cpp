#include "ui/display_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tavoro {
namespace {

TEST(DisplayCheck, OpensWindowsOnlyWhereAPlatformCanStartElseNamesTheHeadlessCommand) {
  const std::pair<DisplayEnvironment, bool> cases[] = {
      {{"", "", ""}, false},
      {{":0", "", ""}, true},
      {{"", "wayland-0", ""}, true},
      {{"", "", "xcb"}, false},
      {{":0", "", "wayland;xcb"}, true},
      {{"", "", "offscreen:fontconfig"}, true},
      {{"", "", "cocoa"}, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(CanOpenWindows(cases[i].first), cases[i].second) << "case " << i;
  }
  EXPECT_NE(std::string(NoDisplayMessage()).find("tavoro export"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
