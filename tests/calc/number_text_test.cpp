// Reading a field's text, formatting a number for the page, rounding to a whole number.
#include <cmath>
#include <limits>
#include <locale>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "calc/number_format.h"
#include "calc/input_rules.h"
#include "calc/whole_number.h"

namespace tavoro {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kNone = std::nullopt;

// One number with blanks around it and the field's own unit, half- or full-width, nothing
// else; read as the nearest double, also under a decimal-comma locale (scripts/deps.sh installs
// de_DE.UTF-8). One too small for a double reads as 0, one too large refuses the field.
TEST(ReadFieldTextTest, UnitsFullWidthNearestDoubleUnderflowAndOverflow) {
  const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
  constexpr int kDepth = kGroundwaterField;
  const std::tuple<int, std::string, std::optional<double>> cases[] = {// clang-format off
      {kDepth, " 12.5 ", 12.5}, {kDepth, "\t-0.5e1m", -5}, {kDepth, "１０", 10},
      {kDepth, "　１２．５　ｍ　", 12.5}, {kDepth, "－３", -3}, {kDepth, "−３", -3},  // U+2212
      {kDepth, "+.5", 0.5}, {kDepth, "5.", 5}, {kDepth, "12.5m", 12.5}, {kDepth, ".5e1", 5},
      {kDepth, "+7", 7}, {kDepth, "1E3", 1000}, {kDepth, "-0", 0},
      {kKnField, "0.01cm/sec", 0.01}, {kKnField, "1e-3 cm/s", 0.001},
      {kKnField, "０．０１ｃｍ／ｓｅｃ", 0.01},
      {kDepth, "", kNone}, {kDepth, "1,000", kNone}, {kDepth, "10 m 5", kNone},
      {kDepth, "1 000", kNone}, {kDepth, "12e", kNone}, {kDepth, "m", kNone}, {kDepth, ".", kNone},
      {kDepth, "- 5", kNone}, {kDepth, "0x10", kNone}, {kDepth, "nan", kNone},
      {kDepth, "10 cm/sec", kNone},  // not the unit of a depth
      {kKnField, "0.01 m", kNone},
      {kDepth, "1e-400", 0}, {kDepth, "-1e-400", 0}, {kDepth, "0." + std::string(400, '0') + "1", 0},
      {kDepth, "1" + std::string(400, '0') + "e-380", 1e20},
      {kDepth, "1e400", kNone}, {kDepth, "-1e400", kNone}, {kDepth, "1.7976931348623159e308", kNone},
      {kDepth, std::string(1'000'000, '1'), kNone},
      // Just above the halfway point between 1 and its successor, decided by the last digit.
      {kDepth, "1.00000000000000011102230246251565404236316680908203125" + std::string(900, '0') + "1",
       std::nextafter(1.0, 2.0)}};
  // clang-format on
  for (const auto& [field, text, expected] : cases) {
    const std::optional<double> read = ReadFieldText(field, text);
    EXPECT_EQ(read, expected) << text.substr(0, 40);
    if (read && *read == 0) {
      EXPECT_FALSE(std::signbit(*read)) << text.substr(0, 40);
    }
  }
  std::locale::global(previous);
}

// Four patterns without grouping; half away from zero after 15 digits (2.675 is stored just below
// 2.675); a value that rounds to zero shows no sign. Under a decimal-comma locale too.
TEST(FormatNumberTest, PatternsRoundingAndNonFinite) {
  const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
  using enum NumberPattern;
  constexpr auto k0 = kWhole, k2 = kTwoDecimals, k3 = kThreeDecimals, k6 = kSixDecimals;
  const std::tuple<double, NumberPattern, const char*> cases[] = {
      // clang-format off
      {0.976755, k0, "1"}, {0.976755, k2, "0.98"}, {0.0802871, k3, "0.080"},
      {0.00001, k6, "0.000010"}, {-13.7891, k2, "-13.79"}, {1234567.891, k2, "1234567.89"},
      {2.675, k2, "2.68"}, {-2.675, k2, "-2.68"}, {0.5, k0, "1"}, {2.5, k0, "3"},
      {9.9995, k3, "10.000"}, {0.00000049, k6, "0.000000"},
      {-0.0, k0, "0"}, {-0.0004, k3, "0.000"}, {-0.0005, k3, "-0.001"},
      {kInf, k2, "∞"}, {-kInf, k0, "-∞"}, {std::nan(""), k6, "NaN"}};
  // clang-format on
  for (const auto& [value, pattern, expected] : cases)
    EXPECT_EQ(FormatNumber(value, pattern), expected) << value;
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max(), k2),
            "179769313486232" + std::string(294, '0') + ".00");
  std::locale::global(previous);
}

TEST(WholeNumberTest, HalvesToEvenAndOverflow) {
  using Int16 = std::optional<std::int16_t>;
  const std::pair<double, Int16> cases[] = {
      {2.5, 2},          {3.5, 4},      {-2.5, -2},           {-3.5, -4},         {0.5, 0},
      {2.5000000001, 3}, {-1.6, -2},    {32767.4, 32767},     {-32768.5, -32768}, {32767.5, kNone},
      {-32768.6, kNone}, {kInf, kNone}, {std::nan(""), kNone}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt16(value), expected) << value;
}

}  // namespace
}  // namespace tavoro
