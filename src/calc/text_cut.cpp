#include "calc/text_cut.h"

namespace tavoro {

std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::string out;
  std::size_t characters = 0;
  std::size_t i = 0;
  while (i < text.size() && characters < count) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        length = k;
        break;
      }
    }
    if (lead < 0x20 || lead == 0x7F) {
      out.push_back(' ');
    } else if (length == 1 && lead >= 0x80) {
      out.push_back('?');
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
    ++characters;
  }
  if (i < text.size()) out.append("…");
  return out;
}

}  // namespace tavoro
