#include "ui/display_check.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace tavoro {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

bool NeedsNoDisplayServer(std::string_view platform) {
  static constexpr std::array<std::string_view, 8> kServerless = {
      "offscreen", "minimal", "minimalegl", "linuxfb", "eglfs", "vnc", "vkkhrdisplay", "directfb"};
  for (const std::string_view name : kServerless) {
    if (platform == name) return true;
  }
  return false;
}

bool PlatformCanStart(std::string_view platform, const DisplayEnvironment& environment) {
  if (NeedsNoDisplayServer(platform)) return true;
  if (platform == "xcb") return !environment.display.empty();
  if (platform.starts_with("wayland")) return !environment.waylandDisplay.empty();
  return false;
}

}  // namespace

DisplayEnvironment ReadDisplayEnvironment() {
  return {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

bool CanOpenWindows(const DisplayEnvironment& environment) {
  if (environment.qpaPlatform.empty()) {
    return !environment.display.empty() || !environment.waylandDisplay.empty();
  }
  // "name:option=value;name2" -> try each name in turn, as Qt does.
  std::string_view rest = environment.qpaPlatform;
  while (!rest.empty()) {
    const std::size_t semicolon = rest.find(';');
    std::string_view entry = rest.substr(0, semicolon);
    entry = entry.substr(0, entry.find(':'));
    if (PlatformCanStart(entry, environment)) return true;
    if (semicolon == std::string_view::npos) break;
    rest.remove_prefix(semicolon + 1);
  }
  return false;
}

const char* NoDisplayMessage() {
  return "tavoro: no display to open the input form on (DISPLAY and WAYLAND_DISPLAY are not "
         "set).\n"
         "For headless use, write the report and the chart with `tavoro export`.\n";
}

}  // namespace tavoro
