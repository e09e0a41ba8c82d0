#include "page/project_header.h"

#include "page/saved_text_state.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {
namespace {

// The report's body face; the header is set in it.
constexpr std::string_view kHeaderFace = "ＭＳ 明朝";
constexpr double kHeaderPoints = 9;
// The longest text a header line is measured with; a landscape line holds
// far fewer characters.
constexpr std::size_t kMaxCodePoints = 200;
constexpr std::string_view kEllipsis = "…";
constexpr std::string_view kGap = "　";

// The start of each UTF-8 sequence in text, a stray byte counting alone.
std::vector<std::size_t> CodePointStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 || i == 0) starts.push_back(i);
  }
  return starts;
}

// text on one line: control characters become blanks, at most kMaxCodePoints.
std::string OneLine(std::string_view text) {
  const std::vector<std::size_t> starts = CodePointStarts(text);
  if (starts.size() > kMaxCodePoints) text = text.substr(0, starts[kMaxCodePoints]);
  std::string line(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return line;
}

// text cut at a character boundary and ended with "…" so that it is no
// wider than width; the whole text when it fits.
std::string Fitted(const PageSurface& page, const std::string& text, double width) {
  if (page.TextWidth(text) <= width) return text;
  std::vector<std::size_t> starts = CodePointStarts(text);
  while (!starts.empty()) {
    std::string shorter = text.substr(0, starts.back()) + std::string(kEllipsis);
    starts.pop_back();
    if (page.TextWidth(shorter) <= width) return shorter;
  }
  return {};
}

// "工事名：… 立坑名：…" in width. The shaft's name and the date name the
// page, so a long project name is cut first; the shaft's name only when it
// alone does not fit, and the project name then gives way entirely.
std::string LeftText(const PageSurface& page, const ProjectInfo& project, double width) {
  const std::string name =
      project.name.empty() ? std::string() : "工事名：" + OneLine(project.name);
  const std::string shaft =
      project.shaft.empty() ? std::string() : "立坑名：" + OneLine(project.shaft);
  if (shaft.empty()) return Fitted(page, name, width);
  if (name.empty()) return Fitted(page, shaft, width);
  const std::string tail = std::string(kGap) + std::string(kGap) + shaft;
  const double nameRoom = width - page.TextWidth(tail);
  const std::string fittedName = Fitted(page, name, nameRoom);
  // A name cut to its caption alone says nothing.
  if (fittedName.size() <= std::string("工事名：…").size()) return Fitted(page, shaft, width);
  return fittedName + tail;
}

}  // namespace

void DrawProjectHeader(PageSurface& page, const ProjectInfo& project) {
  if (!project.HasHeader() || page.document().pages.empty()) return;
  const SavedTextState saved(page);
  page.SetFontName(kHeaderFace);
  page.SetFontSize(kHeaderPoints);
  page.SetTextDirection(TextDirection::kHorizontal);

  const double marginTop = page.margins().top;
  const double lineHeight = page.TextHeight("あ");
  if (!(lineHeight > 0) || lineHeight >= marginTop) return;
  const double top = (marginTop - lineHeight) / 2;
  const double left = page.margins().left;
  const double right = page.document().paperWidth - left;

  // The date stays whole; only one wider than the line itself is cut.
  const std::string date = Fitted(page, OneLine(project.date), right - left);
  double leftRoom = right - left;
  if (!date.empty()) leftRoom -= page.TextWidth(date) + page.TextWidth(kGap) * 2;
  page.Text(left, top, LeftText(page, project, std::max(leftRoom, 0.0)));
  if (!date.empty()) page.Text(right - page.TextWidth(date), top, date);
}

}  // namespace tavoro
