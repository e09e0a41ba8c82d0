#include "study/study_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavoro {
namespace {

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-∞" : "∞";
}

}  // namespace

std::string KgText(double cmPerSec) {
  if (!std::isfinite(cmPerSec)) return NonFiniteText(cmPerSec);
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), cmPerSec,
                                    std::chars_format::scientific, 2);
  std::string text(buffer.data(), result.ptr);
  // "1.00e-04" -> "1.00e-4", "1.00e+00" -> "1.00e0".
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
  return text.substr(0, e + 1) + sign + exponent;
}

std::string ShortNumberText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

double AsTyped(double value) {
  if (!std::isfinite(value)) return value;
  std::array<char, 64> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::general, 15);
  double typed = value;
  std::from_chars(buffer.data(), written.ptr, typed);
  return typed;
}

}  // namespace tavoro
