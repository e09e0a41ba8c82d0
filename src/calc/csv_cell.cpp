#include "calc/csv_cell.h"

namespace tavoro {
namespace {

// Optional sign, digits with an optional fraction, optional exponent.
bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t count = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    count += digits();
  }
  if (count == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == text.size();
}

bool LooksLikeFormula(std::string_view text) {
  if (text.empty()) return false;
  const char first = text.front();
  const bool formulaStart =
      first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' || first == '\r';
  return formulaStart && !IsPlainNumber(text);
}

}  // namespace

std::string CsvCell(std::string_view text) {
  std::string cell = LooksLikeFormula(text) ? "'" + std::string(text) : std::string(text);
  const bool needsQuotes = cell.find_first_of(",\"\r\n") != std::string::npos ||
                           (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!needsQuotes) return cell;
  std::string quoted = "\"";
  for (const char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace tavoro
