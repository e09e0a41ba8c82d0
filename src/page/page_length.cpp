#include "page/page_length.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace tavoro {
namespace {

struct Unit {
  std::string_view name;
  double twips;
};

constexpr std::array<Unit, 5> kUnits{{
    {"mm", 1440.0 / 25.4},
    {"cm", 1440.0 / 2.54},
    {"in", 1440.0},
    {"pt", 20.0},
    {"tw", 1.0},
}};

std::string_view Trim(std::string_view text) {
  const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

std::optional<double> ParseLengthTwips(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc()) return std::nullopt;
  const std::string unit = Lower(Trim(text.substr(static_cast<std::size_t>(end - text.data()))));
  double factor = 1.0;
  if (!unit.empty()) {
    bool known = false;
    for (const Unit& candidate : kUnits) {
      if (unit == candidate.name) {
        factor = candidate.twips;
        known = true;
      }
    }
    if (!known) return std::nullopt;
  }
  const double twips = number * factor;
  if (!std::isfinite(twips) || twips < 0) return std::nullopt;
  return twips;
}

}  // namespace tavoro
