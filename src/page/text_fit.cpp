#include "page/text_fit.h"

namespace tavoro {
namespace {

constexpr std::string_view kEllipsis = "…";
// No cell holds more than this; longer texts are cut before measuring.
constexpr std::size_t kMaxMeasuredBytes = 1024;

// Length in bytes of the UTF-8 character that starts at text[i].
std::size_t CharLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  return std::min(length, text.size() - i);
}

// The longest prefix of text (whole characters) whose width with suffix
// appended fits width.
std::size_t FittingPrefix(const TextWidthOf& widthOf, std::string_view text,
                          std::string_view suffix, double width) {
  std::size_t end = 0;
  std::string trial;
  while (end < text.size()) {
    const std::size_t next = end + CharLength(text, end);
    trial.assign(text.substr(0, next)).append(suffix);
    if (widthOf(trial) > width) break;
    end = next;
  }
  return end;
}

// text limited to kMaxMeasuredBytes, cut between characters.
std::string_view Bounded(std::string_view text) {
  if (text.size() <= kMaxMeasuredBytes) return text;
  std::size_t end = kMaxMeasuredBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

bool IsWordCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.';
}

}  // namespace

std::size_t KeptBeforeBreak(std::string_view line, char next) {
  if (!IsWordCharacter(next)) return line.size();
  std::size_t start = line.size();
  while (start > 0 && IsWordCharacter(line[start - 1])) --start;
  return start > 0 ? start : line.size();
}

std::string FitText(const TextWidthOf& widthOf, std::string_view text, double width) {
  const bool longer = text.size() > kMaxMeasuredBytes;
  text = Bounded(text);
  if (!longer && widthOf(text) <= width) return std::string(text);
  const std::size_t end = FittingPrefix(widthOf, text, kEllipsis, width);
  return std::string(text.substr(0, end)) + std::string(kEllipsis);
}

std::vector<std::string> WrapText(const TextWidthOf& widthOf, std::string_view text, double width,
                                  std::size_t maxLines) {
  std::vector<std::string> lines;
  const std::string_view bounded = Bounded(text);
  std::size_t start = 0;
  while (start < bounded.size() && lines.size() < maxLines) {
    if (lines.size() + 1 == maxLines) {
      lines.push_back(FitText(widthOf, text.substr(start), width));
      break;
    }
    const std::string_view rest = bounded.substr(start);
    std::size_t end = FittingPrefix(widthOf, rest, "", width);
    if (end == 0) end = CharLength(rest, 0);  // a character wider than the cell still moves on
    if (end < rest.size()) end = KeptBeforeBreak(rest.substr(0, end), rest[end]);
    lines.emplace_back(rest.substr(0, end));
    start += end;
  }
  return lines;
}

}  // namespace tavoro
