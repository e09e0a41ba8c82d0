#include "ui/display_check.h"

#include <gtest/gtest.h>

#include <string>

namespace tavoro {
namespace {

TEST(DisplayCheck, OpensWindowsOnlyWhereAPlatformCanStart) {
  struct Case {
    DisplayEnvironment environment;
    bool expected;
  };
  const Case cases[] = {
      {{"", "", ""}, false},
      {{":0", "", ""}, true},
      {{"", "wayland-0", ""}, true},
      {{"", "", "offscreen"}, true},
      {{"", "", "minimal"}, true},
      {{"", "", "xcb"}, false},
      {{":99", "", "xcb"}, true},
      {{":0", "", "wayland"}, false},
      {{"", "", "wayland;xcb"}, false},
      {{":0", "", "wayland;xcb"}, true},
      {{"", "", "xcb;offscreen"}, true},
      {{"", "", "offscreen:fontconfig"}, true},
      {{"", "", "cocoa"}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CanOpenWindows(c.environment), c.expected)
        << "DISPLAY=" << c.environment.display
        << " WAYLAND_DISPLAY=" << c.environment.waylandDisplay
        << " QT_QPA_PLATFORM=" << c.environment.qpaPlatform;
  }
}

TEST(DisplayCheck, MessageNamesTheHeadlessCommand) {
  EXPECT_NE(std::string(NoDisplayMessage()).find("tavoro export"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
