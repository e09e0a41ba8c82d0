#include "batch/table_header.h"

#include <algorithm>
#include <optional>

#include "batch/summary_columns.h"
#include "calc/input_texts.h"
#include "calc/text_cut.h"
#include "calc/trim_blanks.h"

namespace tavoro {
namespace {

// Unknown columns named one by one; the rest counted.
constexpr std::size_t kMostNamed = 20;
// Code points of a header compared for the closest name.
constexpr std::size_t kMostCompared = 64;

// The name without a unit in brackets at its end, ASCII in lower case, as
// code points for comparing.
std::u32string Comparable(std::string_view text) {
  text = TrimBlanks(text);
  for (const std::string_view open : {"(", "（", "["}) {
    const std::size_t at = text.rfind(open);
    if (at != std::string_view::npos && at > 0) {
      text = TrimBlanks(text.substr(0, at));
      break;
    }
  }
  std::u32string points;
  for (std::size_t i = 0; i < text.size() && points.size() < kMostCompared;) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if (point >= U'A' && point <= U'Z') point += U'a' - U'A';
    if (point == U'-' && points.empty() && i + 1 < text.size() && text[i + 1] == '-') {
      i += 2;  // "--groundwater"
      continue;
    }
    points.push_back(point);
    i += length;
  }
  return points;
}

std::size_t EditDistance(const std::u32string& a, const std::u32string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

struct Accepted {
  std::string_view name;     // as the message offers it
  std::string_view matches;  // a spelling that leads to it
};

std::vector<Accepted> AcceptedNames() {
  std::vector<Accepted> names;
  for (const HeaderColumn& column : HeaderColumns()) {
    names.push_back({column.caption, column.caption});
    names.push_back({column.key, column.key});
    if (!column.symbol.empty()) names.push_back({column.caption, column.symbol});
  }
  return names;
}

// The accepted name nearest to header, when it is near: a few characters
// apart, or the symbol of a field.
std::optional<std::string_view> ClosestName(std::string_view header) {
  const std::u32string name = Comparable(header);
  if (name.empty()) return std::nullopt;
  std::optional<std::string_view> closest;
  std::size_t best = 0;
  for (const Accepted& accepted : AcceptedNames()) {
    const std::u32string candidate = Comparable(accepted.matches);
    const std::size_t distance = EditDistance(name, candidate);
    const std::size_t near = std::max<std::size_t>(1, std::max(name.size(), candidate.size()) / 3);
    if (distance <= near && (!closest || distance < best)) {
      closest = accepted.name;
      best = distance;
    }
  }
  return closest;
}

bool IsSummaryColumn(std::string_view header) {
  const std::string_view name = TrimBlanks(header);
  if (name == "No." || name == "状態" || name == kDocumentsHeading || name == kUpliftFHeading ||
      name == kUpliftVerdictHeading || name == kNotesHeading) {
    return true;
  }
  return std::any_of(kResultColumns.begin(), kResultColumns.end(),
                     [&](const ResultColumn& column) { return QuantityHeading(column.quantity) == name; });
}

bool IsRequired(int field) {
  return field != kWidthField && field != kKgField;
}

// The text in 「」, cut after its first 40 characters.
std::string Quoted(std::string_view text) {
  return "「" + FirstCharacters(text) + "」";
}

std::string AcceptedList() {
  std::string fields;
  std::string project;
  for (const HeaderColumn& column : HeaderColumns()) {
    std::string& list = column.role == ColumnRole::kField ? fields : project;
    list += (list.empty() ? "" : "、") + std::string(column.caption) + " (" +
            std::string(column.key) + ")";
  }
  return "使える見出しは、入力欄の " + fields + "、案件の " + project +
         " です。記号や単位を付けても読みます (「地下水位 GL- (m)」)。改良幅と改良後の透水係数"
         "の列はなくても構いません。";
}

}  // namespace

HeaderMap MapHeader(const std::vector<std::string>& header,
                    const std::vector<bool>& columnHasCells) {
  HeaderMap map;
  std::vector<std::string> unknown;
  std::vector<std::string> twins;
  std::vector<std::optional<std::size_t>> seen(HeaderColumns().size());
  for (std::size_t c = 0; c < header.size(); ++c) {
    const ColumnName name = NameColumn(header[c]);
    map.columns.push_back(name);
    if (name.role == ColumnRole::kNone) {
      if (TrimBlanks(header[c]).empty()) {
        if (c < columnHasCells.size() && columnHasCells[c]) {
          unknown.push_back(std::to_string(c + 1) + " 列目 (見出しが空欄で、値があります)");
        }
      } else if (!IsSummaryColumn(header[c])) {
        std::string entry = Quoted(header[c]);
        if (const std::optional<std::string_view> closest = ClosestName(header[c])) {
          entry += " (" + Quoted(*closest) + " のことですか)";
        }
        unknown.push_back(std::move(entry));
      }
      continue;
    }
    const std::size_t key = HeaderColumnIndex(name);
    if (seen[key]) {
      twins.push_back(Quoted(header[*seen[key]]) + " と " + Quoted(header[c]));
    } else {
      seen[key] = c;
    }
  }
  std::vector<std::string> missing;
  for (int field = 0; field < kInputFieldCount; ++field) {
    if (IsRequired(field) && !seen[static_cast<std::size_t>(field)]) {
      missing.push_back(Quoted(InputFieldCaption(field)));
    }
  }
  if (unknown.empty() && twins.empty() && missing.empty()) return map;

  const auto joined = [](const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < kMostNamed; ++i) {
      text += (i > 0 ? "、" : "") + items[i];
    }
    if (items.size() > kMostNamed) {
      text += " ほか " + std::to_string(items.size() - kMostNamed) + " 列";
    }
    return text;
  };
  std::string message = "表の見出し行を使えないため、何も計算していません。";
  if (!unknown.empty()) message += "\n知らない列: " + joined(unknown);
  if (!missing.empty()) message += "\n足りない列: " + joined(missing);
  if (!twins.empty()) message += "\n同じ項目を指す列: " + joined(twins);
  map.status = Status::Error(message + "\n" + AcceptedList());
  return map;
}

}  // namespace tavoro
