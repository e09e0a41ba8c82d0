#include "calc/input_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <span>

#include "calc/compute_case.h"
#include "calc/ground_rules.h"
#include "calc/number_format.h"
#include "calc/quantities.h"
#include "calc/text_cut.h"

namespace tavoro {
namespace {

constexpr double kCentimetresPerMetre = 100.0;

bool IsPermeability(int field) {
  return field >= 0 && field < kInputFieldCount &&
         Field(field).unit == FieldUnit::kCentimetrePerSecond;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The text with full-width ASCII forms (U+FF01..U+FF5E), the ideographic
// space and the minus sign U+2212 turned into their half-width forms.
std::string HalfWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 2 < text.size()) {
      const unsigned lead = byte(0), mid = byte(1), last = byte(2);
      const bool continuation = (last & 0xC0) == 0x80;
      if (lead == 0xEF && (mid == 0xBC || mid == 0xBD) && continuation) {
        const unsigned code = ((lead & 0x0F) << 12) | ((mid & 0x3F) << 6) | (last & 0x3F);
        if (code >= 0xFF01 && code <= 0xFF5E) {
          out.push_back(static_cast<char>(code - 0xFEE0));
          i += 2;
          continue;
        }
      }
      if (lead == 0xE3 && mid == 0x80 && last == 0x80) {
        out.push_back(' ');
        i += 2;
        continue;
      }
      if (lead == 0xE2 && mid == 0x88 && last == 0x92) {
        out.push_back('-');
        i += 2;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

using Reading = TextReading;
using FieldValue = NumberText;

// Length of the decimal number at the start of text; 0 when there is none.
std::size_t NumberLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    const std::size_t exponentStart = k;
    while (k < text.size() && IsDigit(text[k])) ++k;
    if (k > exponentStart) i = k;
  }
  return i;
}

// Whether an out-of-range number is too small for a double rather than too
// large: the power of ten of its first significant digit is negative.
bool Underflows(std::string_view number) {
  constexpr std::int64_t kCap = 1'000'000'000;
  std::size_t i = number.front() == '+' || number.front() == '-' ? 1 : 0;
  std::int64_t position = 0;
  bool significant = false;
  for (; i < number.size() && IsDigit(number[i]); ++i) {
    significant = significant || number[i] != '0';
    if (significant && position < kCap) ++position;
  }
  if (!significant && i < number.size() && number[i] == '.') {
    for (++i; i < number.size() && number[i] == '0'; ++i) {
      if (position > -kCap) --position;
    }
  }
  const std::size_t e = number.find_first_of("eE");
  if (e == std::string_view::npos) return position < 0;
  std::size_t k = e + 1;
  const bool negative = number[k] == '-';
  if (number[k] == '+' || number[k] == '-') ++k;
  std::int64_t exponent = 0;
  for (; k < number.size(); ++k) exponent = std::min(kCap, exponent * 10 + (number[k] - '0'));
  return position + (negative ? -exponent : exponent) < 0;
}

// The value of a number NumberLength found: the nearest double, 0 for one
// too small for a double.
FieldValue ValueOf(std::string_view number) {
  const std::string_view digits = number.front() == '+' ? number.substr(1) : number;
  double value = 0;
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (failure == std::errc::result_out_of_range) {
    if (Underflows(number)) return {Reading::kValue, 0};
    return {Reading::kTooLarge, 0};
  }
  if (failure != std::errc() || end != digits.data() + digits.size()) {
    return {Reading::kUnreadable, 0};
  }
  return {Reading::kValue, value == 0 ? 0.0 : value};  // "-0" reads as 0
}

bool ConsumeUnit(std::string_view& rest, std::span<const std::string_view> units) {
  for (const std::string_view unit : units) {
    if (rest.substr(0, unit.size()) == unit) {
      rest.remove_prefix(unit.size());
      return true;
    }
  }
  return false;
}

constexpr std::string_view kLengthUnits[] = {"m"};
constexpr std::string_view kPermeabilityUnits[] = {"cm/sec", "cm/s"};

std::span<const std::string_view> UnitsOf(int field) {
  if (IsPermeability(field)) return kPermeabilityUnits;
  return kLengthUnits;
}

void SkipBlanks(std::string_view& rest) {
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
}

FieldValue ReadNumber(std::string_view text, std::span<const std::string_view> units) {
  const std::string half = HalfWidth(text);
  std::string_view rest = half;
  SkipBlanks(rest);
  if (rest.empty()) return {Reading::kEmpty, 0};
  const std::size_t length = NumberLength(rest);
  if (length == 0) return {Reading::kUnreadable, 0};
  const std::string_view number = rest.substr(0, length);
  rest.remove_prefix(length);
  SkipBlanks(rest);
  ConsumeUnit(rest, units);
  SkipBlanks(rest);
  if (!rest.empty()) return {Reading::kUnreadable, 0};
  return ValueOf(number);
}

FieldValue ReadField(int field, std::string_view text) {
  return ReadNumber(text, UnitsOf(field));
}

// Up to the first 40 characters of text, in 「」.
std::string Quote(std::string_view text) {
  return "「" + FirstCharacters(text) + "」";
}

std::string Caption(int field) {
  return "「" + std::string(Field(field).caption) + "」";
}

std::string Metres(double value) {
  return FormatNumber(value, NumberPattern::kThreeDecimals) + " m";
}

class RuleCheck {
 public:
  RuleCheck(const InputTexts& texts, const GroundTexts& ground) : texts_(texts), ground_(ground) {}

  std::optional<InputRejection> Run() {
    for (int field = 0; field < kInputFieldCount; ++field) {
      values_[static_cast<std::size_t>(field)] = ReadField(field, Text(field));
    }
    for (int field = 0; field < kInputFieldCount; ++field) {
      if (auto rejection = CheckReading(field)) return rejection;
    }
    for (int field = 0; field < kInputFieldCount; ++field) {
      if (!InBounds(field)) return Reject(field, "は受け付けられません。");
    }
    GroundReading ground = ReadGround(ground_);
    if (ground.rejection) return ground.rejection;
    return CheckRelations(ground.conditions);
  }

 private:
  const std::string& Text(int field) const { return texts_[static_cast<std::size_t>(field)]; }
  double Value(int field) const { return values_[static_cast<std::size_t>(field)].value; }
  bool Improved() const { return Value(kWidthField) > 0; }

  bool Required(int field) const {
    if (field == kWidthField) return false;
    if (field == kKgField) return Improved();
    return true;
  }

  std::optional<InputRejection> CheckReading(int field) const {
    switch (values_[static_cast<std::size_t>(field)].reading) {
      case Reading::kValue:
        return std::nullopt;
      case Reading::kEmpty:
        if (!Required(field)) return std::nullopt;
        return InputRejection{
            field, Caption(field) + "が空欄です。" + std::string(Field(field).accepted) + "を入力してください。"};
      case Reading::kUnreadable:
        return InputRejection{field, Caption(field) + "の" + Quote(Text(field)) +
                                         "は数値として読めません。" + std::string(Field(field).accepted) +
                                         "を、数値だけか単位 " + std::string(UnitText(Field(field).unit)) +
                                         " を付けて入力してください (桁区切りは使えません)。"};
      case Reading::kTooLarge:
        return InputRejection{field, Caption(field) + "の" + Quote(Text(field)) +
                                         "は大きすぎて扱えません。" + std::string(Field(field).accepted) +
                                         "を入力してください。"};
    }
    return std::nullopt;
  }

  // The bounds of one field on its own; an empty optional field passes.
  bool InBounds(int field) const {
    if (values_[static_cast<std::size_t>(field)].reading == Reading::kEmpty) return true;
    const double v = Value(field);
    switch (field) {
      case kGroundwaterField:
        return v >= 0 && v <= kMaxDepth;
      case kImperviousField:
      case kExcavationField:
        return v > 0 && v <= kMaxDepth;
      case kPerimeterField:
        return v >= kMinPerimeter && v <= kMaxPerimeter;
      case kKnField:
        return v >= kMinPermeability && v <= kMaxPermeability;
      case kWidthField:
        return v >= 0 && v <= kMaxRingWidth;
      case kKgField:
        return !Improved() || (v >= kMinPermeability && v <= kMaxPermeability);
      case kPointField:
        return v >= 0 && v <= kMaxCalcRange;
      case kRangeField:
        return v > 0 && v <= kMaxCalcRange;
    }
    return false;
  }

  InputRejection Reject(int field, const std::string& why, const char* accepted = nullptr) const {
    return {field, Caption(field) + "の" + Quote(Text(field)) + why +
                       (accepted != nullptr ? std::string(accepted) : std::string(Field(field).accepted)) +
                       "を入力してください。"};
  }

  // r = L/2π not below R1: R1 rises with kn and S (and H by Kusakin), so the
  // message names 立坑周長, 透水係数 and the drawdown S together, not the
  // perimeter alone.
  InputRejection ShaftAsWideAsR1(const CalculationCase& calc) const {
    const bool kusakin = calc.ground.radiusMethod == RadiusMethod::kKusakin;
    return {kPerimeterField,
            Caption(kPerimeterField) + "の" + Quote(Text(kPerimeterField)) + "では" +
                QuantityLabel(Quantity::kr) + " = L/2π (" + Metres(calc.r) + ") が影響範囲 R1 (" +
                Metres(calc.R[kNatural]) + ") 以上になり、湧水量を計算できません。" +
                (kusakin ? "R1 = 575・S・√(H・kn)" : "R1 = 3000・S・√kn") + " は透水係数 kn" +
                Quote(Text(kKnField)) + "と" + QuantityLabel(Quantity::kS) + " (" +
                Metres(calc.S[kNatural]) + "、掘削深度 − 地下水位)" +
                (kusakin ? "、" + QuantityLabel(Quantity::kH) + " (" + Metres(calc.H) + ")" : "") +
                " で決まります。立坑周長、透水係数と掘削深度・地下水位を"
                "合わせて見直し、r が R1 より小さくなるようにしてください。"};
  }

  std::optional<InputRejection> CheckRelations(const GroundConditions& ground) const {
    if (!(Value(kExcavationField) > Value(kGroundwaterField))) {
      return Reject(kExcavationField, "は地下水位" + Quote(Text(kGroundwaterField)) +
                                          "より深くありません。掘削底が地下水位より下でなければ"
                                          "排水の計算はできません。");
    }
    if (!(Value(kImperviousField) >= Value(kExcavationField))) {
      return Reject(kImperviousField, "は掘削深度" + Quote(Text(kExcavationField)) +
                                          "より浅く、掘削底が不透水層の中になります。");
    }
    if (Improved() && !(Value(kKgField) <= Value(kKnField))) {
      return Reject(kKgField,
                    "は透水係数" + Quote(Text(kKnField)) + "より大きく、地盤改良になりません。");
    }

    CalculationCase calc;
    StoreInputs(texts_, calc);
    calc.ground = ground;
    ComputeCase(calc);
    const double r = calc.r;
    const double R1 = calc.R[kNatural];
    // A given R names its own field.
    const bool given = ground.radiusMethod == RadiusMethod::kGiven;
    if (!given && !(r < R1)) return ShaftAsWideAsR1(calc);
    const double edge = Improved() ? r + Value(kWidthField) : r;
    if (!given && Improved() && !(edge < R1)) {
      return Reject(kWidthField,
                    "では改良範囲 r + B (" + Metres(edge) + ") が影響範囲 R1 (" + Metres(R1) +
                        ") に届きます。",
                    "r + B が R1 より小さくなる幅 (m)");
    }
    if (auto bad = CheckGroundRelations(calc, ground_)) return bad;
    if (!(Value(kRangeField) > edge)) {
      return Reject(kRangeField, std::string("は") + (Improved() ? "r + B (" : QuantityLabel(Quantity::kr) + " (") +
                                     Metres(edge) + ") 以下で、低下水位曲線を描けません。");
    }
    if (!(Value(kPointField) <= Value(kRangeField))) {
      return Reject(kPointField,
                    "は計算範囲" + Quote(Text(kRangeField)) + "の外で、図に描けません。");
    }
    if (!(calc.Q[kNatural] <= kMaxInflow)) {
      return Reject(kKnField,
                    "では湧水量 Q1 が " +
                        FormatNumber(calc.Q[kNatural], NumberPattern::kThreeDecimals) +
                        " m³/min となり、上限の 1000 m³/min を超えます。",
                    "Q1 が上限以下になる値 (cm/sec)");
    }
    return std::nullopt;
  }

  const InputTexts& texts_;
  const GroundTexts& ground_;
  std::array<FieldValue, kInputFieldCount> values_{};
};

}  // namespace

const char* InputFieldCaption(int field) {
  if (field >= kFirstGroundField) return GroundFieldOf(field).caption;
  if (field < 0) return "";
  return Field(field).caption.data();
}

NumberText ReadNumberText(std::string_view text, std::span<const std::string_view> units) {
  return ReadNumber(text, units);
}

std::string QuoteText(std::string_view text) {
  return Quote(text);
}

std::string HalfWidthText(std::string_view text) {
  return HalfWidth(text);
}

std::optional<double> ReadFieldText(int field, std::string_view text) {
  const FieldValue read = ReadField(field, text);
  if (read.reading != Reading::kValue) return std::nullopt;
  return read.value;
}

std::optional<double> ReadQuantityText(std::string_view text,
                                       std::initializer_list<std::string_view> units) {
  const FieldValue read = ReadNumber(text, std::span(units.begin(), units.size()));
  if (read.reading != Reading::kValue) return std::nullopt;
  return read.value;
}

std::optional<InputRejection> CheckInputs(const InputTexts& texts, const GroundTexts& ground) {
  return RuleCheck(texts, ground).Run();
}

void StoreInputs(const InputTexts& texts, CalculationCase& calc) {
  for (int field = 0; field < kInputFieldCount; ++field) {
    const double value = ReadFieldText(field, texts[static_cast<std::size_t>(field)]).value_or(0.0);
    calc.*Field(field).value = IsPermeability(field) ? value / kCentimetresPerMetre : value;
  }
}

}  // namespace tavoro
