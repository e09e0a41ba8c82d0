#include "page/note_block.h"

#include "page/saved_text_state.h"
#include "page/text_fit.h"

#include <cstdint>
#include <string_view>

namespace tavoro {
namespace {

constexpr std::string_view kNoteFace = "ＭＳ ゴシック";
constexpr double kNotePoints = 8;

std::size_t CodePointLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

// text broken into lines no wider than width; a character wider than width
// stands alone on its line.
std::vector<std::string> Wrapped(const PageSurface& page, std::string_view text, double width) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CodePointLength(text, at);
    const std::string_view glyph = text.substr(at, length);
    at += length;
    if (!line.empty() && page.TextWidth(line + std::string(glyph)) > width) {
      const std::size_t kept = KeptBeforeBreak(line, glyph.front());
      std::string carried = line.substr(kept);
      line.resize(kept);
      lines.push_back(std::move(line));
      line = std::move(carried);
      if (lines.size() >= static_cast<std::size_t>(kMaxNoteLines)) return lines;
    }
    line += glyph;
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

double DrawNoteBlock(PageSurface& page, const std::vector<std::string>& notes, double left,
                     double top, double width) {
  if (notes.empty() || page.document().pages.empty()) return top;
  const SavedTextState saved(page);

  page.SetFontName(kNoteFace);
  page.SetFontSize(kNotePoints);
  page.SetTextDirection(TextDirection::kHorizontal);
  const double lineHeight = page.TextHeight("あ");
  double bottom = top;
  int linesLeft = kMaxNoteLines;
  for (const std::string& note : notes) {
    for (const std::string& line : Wrapped(page, "注記：" + note, width)) {
      if (linesLeft-- <= 0) break;
      page.Text(left, bottom, line);
      bottom += lineHeight;
    }
  }

  return bottom;
}

}  // namespace tavoro
