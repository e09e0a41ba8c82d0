#include "calc/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tavoro {
namespace {

constexpr int kSignificantDigits = 15;

int DecimalsOf(NumberPattern pattern) {
  switch (pattern) {
    case NumberPattern::kWhole:
      return 0;
    case NumberPattern::kTwoDecimals:
      return 2;
    case NumberPattern::kThreeDecimals:
      return 3;
    case NumberPattern::kSixDecimals:
      return 6;
  }
  return 0;
}

// The digits of |value| rounded to 15 significant digits, and the power of
// ten of the first of them: |value| ~ d.dddd × 10^exponent.
struct Significand {
  std::string digits;
  int exponent = 0;
};

Significand SignificandOf(double magnitude) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string text(buffer, result.ptr);  // "d.dddddddddddddde+XX"
  const std::size_t e = text.find('e');
  Significand out;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits.push_back(text[i]);
  }
  out.exponent = std::atoi(text.c_str() + e + 1);
  return out;
}

// Rounds the digit string half away from zero to keep digits; returns the
// digits of round(|value| × 10^decimals) without leading zeros ("0" for zero).
std::string ScaledDigits(const Significand& sig, int decimals) {
  const int keep = sig.exponent + decimals + 1;  // digits at or above 10^-decimals
  std::string kept;
  if (keep >= static_cast<int>(sig.digits.size())) {
    kept = sig.digits + std::string(static_cast<std::size_t>(keep) - sig.digits.size(), '0');
  } else if (keep >= 0) {
    kept = sig.digits.substr(0, static_cast<std::size_t>(keep));
    if (sig.digits[static_cast<std::size_t>(keep)] >= '5') {
      int i = static_cast<int>(kept.size()) - 1;
      while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
        kept[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i >= 0) {
        ++kept[static_cast<std::size_t>(i)];
      } else {
        kept.insert(kept.begin(), '1');
      }
    }
  }
  const std::size_t first = kept.find_first_not_of('0');
  return first == std::string::npos ? std::string("0") : kept.substr(first);
}

}  // namespace

std::string FormatNumber(double value, NumberPattern pattern) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "∞" : "-∞";

  const int decimals = DecimalsOf(pattern);
  std::string digits = ScaledDigits(SignificandOf(std::fabs(value)), decimals);
  const bool negative = std::signbit(value) && digits != "0";

  if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
  return negative ? "-" + digits : digits;
}

}  // namespace tavoro
