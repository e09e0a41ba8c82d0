#include "page/page_numbers.h"

#include "page/saved_text_state.h"

#include <string>
#include <string_view>

namespace tavoro {
namespace {

constexpr std::string_view kNumberFace = "ＭＳ 明朝";
constexpr double kNumberPoints = 9;

}  // namespace

void DrawPageNumbers(PageSurface& page) {
  const std::size_t count = page.PageCount();
  if (count == 0 || page.document().finished) return;
  const SavedTextState saved(page);

  page.SetFontName(kNumberFace);
  page.SetFontSize(kNumberPoints);
  page.SetTextDirection(TextDirection::kHorizontal);
  const double margin = page.margins().bottom;
  const double lineHeight = page.TextHeight("0");
  if (lineHeight > 0 && lineHeight < margin) {
    const Document& document = page.document();
    const double top = document.paperHeight - (margin + lineHeight) / 2;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string text = std::to_string(i + 1) + " / " + std::to_string(count);
      page.TurnToPage(i);
      page.Text((document.paperWidth - page.TextWidth(text)) / 2, top, text);
    }
    page.TurnToPage(count - 1);
  }
}

}  // namespace tavoro
