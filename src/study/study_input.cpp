#include "study/study_input.h"

#include <charconv>

#include "calc/input_rules.h"
#include "study/study.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

constexpr std::size_t kQuotedLength = 40;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<double> ReadStudyNumber(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ReadStudyWidth(std::string_view text) {
  return ReadFieldText(kWidthField, text);
}

KgListRead ReadKgList(std::string_view text) {
  std::vector<double> list;
  // Bounded by the text: one item per comma, and no more than the study takes.
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::optional<double> value = ReadFieldText(kKgField, item);
    if (!value) {
      return {std::nullopt, "改良後の透水係数の一覧の「" +
                                std::string(Trimmed(item).substr(0, kQuotedLength)) +
                                "」は数値ではありません。1e-4,1e-5 のように cm/sec "
                                "の値をコンマで区切ってください"};
    }
    list.push_back(*value);
    if (list.size() > kMaxStudyPermeabilities) {
      return {std::nullopt, "改良後の透水係数の一覧は 6 個までです"};
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return {std::move(list), ""};
}

std::string KgListText(const std::vector<double>& list) {
  std::string text;
  for (const double kg : list) {
    if (!text.empty()) text += ",";
    text += ShortNumberText(kg);
  }
  return text;
}

}  // namespace tavoro
