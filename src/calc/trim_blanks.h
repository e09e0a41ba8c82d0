#pragma once

#include <string_view>

namespace tavoro {

// text without blanks at either end: spaces, tabs and the ideographic space
// U+3000 that the Japanese input method types.
inline std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  while (true) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
      text.remove_prefix(1);
    } else if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
    } else if (text.starts_with(kIdeographicSpace)) {
      text.remove_prefix(kIdeographicSpace.size());
    } else if (text.ends_with(kIdeographicSpace)) {
      text.remove_suffix(kIdeographicSpace.size());
    } else {
      return text;
    }
  }
}

}  // namespace tavoro
