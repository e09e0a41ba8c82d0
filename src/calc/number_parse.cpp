#include "calc/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace tavoro {
namespace {

// More significant digits than this cannot change the nearest double.
constexpr std::size_t kMaxDigits = 800;
// Decimal exponents beyond these bounds are certainly out of range or zero.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Reads characters of a text, passing over blanks wherever they stand.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next character that is not a blank, or '\0' at the end.
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }
  std::size_t Position() const { return pos_; }
  void Rewind(std::size_t pos) { pos_ = pos; }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number as 0.<digits> × 10^exponent, digits without leading zeros.
struct Decimal {
  bool negative = false;
  std::string digits;
  bool droppedNonZero = false;  // digits beyond kMaxDigits that were not all zero
  std::int64_t exponent = 0;

  void Add(char digit, bool beforePoint) {
    if (digits.empty() && digit == '0') {
      if (!beforePoint) --exponent;
      return;
    }
    if (beforePoint) ++exponent;
    if (digits.size() < kMaxDigits) {
      digits.push_back(digit);
    } else if (digit != '0') {
      droppedNonZero = true;
    }
  }
};

// Reads an exponent after E or e; empty (and nothing consumed) without digits.
std::optional<std::int64_t> ReadExponent(Reader& reader) {
  const std::size_t start = reader.Position();
  reader.Advance();  // E or e
  bool negative = false;
  if (reader.Peek() == '+' || reader.Peek() == '-') {
    negative = reader.Peek() == '-';
    reader.Advance();
  }
  if (!IsDigit(reader.Peek())) {
    reader.Rewind(start);
    return std::nullopt;
  }
  std::int64_t value = 0;
  while (IsDigit(reader.Peek())) {
    if (value < kExponentCap) value = value * 10 + (reader.Peek() - '0');
    reader.Advance();
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  Reader reader(text);
  Decimal number;
  if (reader.Peek() == '+' || reader.Peek() == '-') {
    number.negative = reader.Peek() == '-';
    reader.Advance();
  }
  bool anyDigit = false;
  while (IsDigit(reader.Peek())) {
    number.Add(reader.Peek(), true);
    anyDigit = true;
    reader.Advance();
  }
  if (reader.Peek() == '.') {
    reader.Advance();
    while (IsDigit(reader.Peek())) {
      number.Add(reader.Peek(), false);
      anyDigit = true;
      reader.Advance();
    }
  }
  if (!anyDigit) return 0.0;
  if (reader.Peek() == 'e' || reader.Peek() == 'E') {
    if (const auto exponent = ReadExponent(reader)) number.exponent += *exponent;
  }

  if (number.digits.empty() || number.exponent < kUnderflowExponent) return 0.0;
  if (number.exponent > kOverflowExponent) return std::nullopt;

  std::string normalized;
  normalized.reserve(number.digits.size() + 32);
  normalized.append("0.").append(number.digits);
  if (number.droppedNonZero) normalized.push_back('1');
  normalized.append("e").append(std::to_string(number.exponent));
  double value = 0;
  const auto result =
      std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.exponent > 0) return std::nullopt;
    return 0.0;
  }
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return number.negative ? -value : value;
}

}  // namespace tavoro
