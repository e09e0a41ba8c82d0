#include "calc/project_date.h"

#include <array>
#include <chrono>

namespace tavoro {
namespace {

// Full-width ０–９, ／ and － (U+FF10–FF19, U+FF0F, U+FF0D) as their ASCII letters.
std::string Narrowed(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
        static_cast<unsigned char>(text[i + 1]) == 0xBC) {
      const auto last = static_cast<unsigned char>(text[i + 2]);
      if (last >= 0x90 && last <= 0x99) {
        out += static_cast<char>('0' + (last - 0x90));
        i += 2;
        continue;
      }
      if (last == 0x8F || last == 0x8D) {
        out += last == 0x8F ? '/' : '-';
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

// Reads least..most digits at text's front and drops them; -1 when there are fewer or more.
int TakeNumber(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t count = 0;
  int value = 0;
  while (count < text.size() && count <= most && text[count] >= '0' && text[count] <= '9') {
    value = value * 10 + (text[count] - '0');
    ++count;
  }
  if (count < least || count > most) return -1;
  text.remove_prefix(count);
  return value;
}

bool TakeText(std::string_view& text, std::string_view expected) {
  if (!text.starts_with(expected)) return false;
  text.remove_prefix(expected.size());
  return true;
}

}  // namespace

std::optional<std::string> NormalizedProjectDate(std::string_view typed) {
  if (typed.size() > 64) return std::nullopt;
  const std::string narrowed = Narrowed(typed);
  struct Form {
    std::string_view afterYear, afterMonth, afterDay;
  };
  constexpr std::array<Form, 3> kForms = {
      {{"-", "-", ""}, {"/", "/", ""}, {"年", "月", "日"}}};
  for (const Form& form : kForms) {
    std::string_view text = narrowed;
    const int year = TakeNumber(text, 4, 4);
    if (year < 0 || !TakeText(text, form.afterYear)) continue;
    const int month = TakeNumber(text, 1, 2);
    if (month < 0 || !TakeText(text, form.afterMonth)) continue;
    const int day = TakeNumber(text, 1, 2);
    if (day < 0 || !TakeText(text, form.afterDay) || !text.empty()) continue;
    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) return std::nullopt;
    const auto digits = [](int value, int width) {
      std::string text(static_cast<std::size_t>(width), '0');
      for (int i = width - 1; i >= 0; --i, value /= 10) text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
      return text;
    };
    return digits(year, 4) + "-" + digits(month, 2) + "-" + digits(day, 2);
  }
  return std::nullopt;
}

bool IsProjectDate(std::string_view text) {
  const std::optional<std::string> normal = NormalizedProjectDate(text);
  return normal && *normal == text;
}

}  // namespace tavoro
