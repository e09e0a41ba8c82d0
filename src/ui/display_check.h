#pragma once

#include <string>

namespace tavoro {

// The environment variables that decide whether Qt can open a window.
struct DisplayEnvironment {
  std::string display;         // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
  std::string qpaPlatform;     // QT_QPA_PLATFORM, e.g. "xcb" or "wayland;xcb"
};

// Reads the three variables from the process environment.
DisplayEnvironment ReadDisplayEnvironment();

// True when one of the platforms Qt would try can start: an X or Wayland
// platform with its display variable set, or a platform that needs no
// display server (offscreen, minimal, linuxfb, eglfs, vnc, ...).
bool CanOpenWindows(const DisplayEnvironment& environment);

// The message printed instead of starting the form without a display.
const char* NoDisplayMessage();

}  // namespace tavoro
