#include "calc/number_parse.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "decimal_comma_locale.h"

namespace tavoro {
namespace {

TEST(ParseNumberTest, LongestLeadingNumber) {
  EXPECT_EQ(ParseNumber("12.5"), 12.5);
  EXPECT_EQ(ParseNumber("12.5m"), 12.5);
  EXPECT_EQ(ParseNumber("3,5"), 3);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("5."), 5);
  EXPECT_EQ(ParseNumber("-2.25"), -2.25);
  EXPECT_EQ(ParseNumber("+7"), 7);
  EXPECT_EQ(ParseNumber("1.2.3"), 1.2);
  EXPECT_EQ(ParseNumber("007.50"), 7.5);
  EXPECT_EQ(ParseNumber("0.1"), 0.1);
  EXPECT_EQ(ParseNumber("3.18309886183791"), 3.18309886183791);
}

TEST(ParseNumberTest, NoLeadingNumberGivesZero) {
  for (const char* text : {"", "   ", "abc", "m12", "-", "+", ".", "-.e5", "--5", "e5", "\t\n"}) {
    EXPECT_EQ(ParseNumber(text), 0.0) << '"' << text << '"';
  }
}

TEST(ParseNumberTest, BlanksAreSkippedAnywhere) {
  EXPECT_EQ(ParseNumber("  1 2 . 5 "), 12.5);
  EXPECT_EQ(ParseNumber("\t- 3\n5"), -35);
  EXPECT_EQ(ParseNumber("1 e - 3"), 1e-3);
  EXPECT_EQ(ParseNumber("2\r\n0"), 20);
}

TEST(ParseNumberTest, Exponents) {
  EXPECT_EQ(ParseNumber("1e-3"), 1e-3);
  EXPECT_EQ(ParseNumber("1E3"), 1000);
  EXPECT_EQ(ParseNumber("2.5e+2"), 250);
  EXPECT_EQ(ParseNumber(".5e1"), 5);
  EXPECT_EQ(ParseNumber("12e"), 12);
  EXPECT_EQ(ParseNumber("1e-"), 1);
  EXPECT_EQ(ParseNumber("1e+x"), 1);
  EXPECT_EQ(ParseNumber("1ee5"), 1);
  EXPECT_EQ(ParseNumber("4e2e3"), 400);
}

TEST(ParseNumberTest, RangeOfADouble) {
  EXPECT_EQ(ParseNumber("1e400"), std::nullopt);
  EXPECT_EQ(ParseNumber("-1e400"), std::nullopt);
  EXPECT_EQ(ParseNumber("1.7976931348623159e308"), std::nullopt);
  EXPECT_EQ(ParseNumber(std::string(400, '9')), std::nullopt);
  EXPECT_EQ(ParseNumber("1e99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(ParseNumber("1e-400"), 0.0);
  EXPECT_EQ(ParseNumber("-1e-99999999999999999999"), 0.0);
  EXPECT_EQ(ParseNumber("0e999"), 0.0);
  EXPECT_EQ(ParseNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1e405"), 1e4);
}

TEST(ParseNumberTest, HugeInputsStayExact) {
  // A million digits of 1 followed by zeros: 0.1111… × 10^…, out of range.
  EXPECT_EQ(ParseNumber(std::string(1'000'000, '1')), std::nullopt);
  // 1 followed by 999 zeros and then 1, scaled back: the tail still rounds.
  const std::string long_one = "1." + std::string(1000, '0') + "1";
  EXPECT_EQ(ParseNumber(long_one), 1.0);
  EXPECT_EQ(ParseNumber(std::string(1'000'000, ' ') + "42"), 42);
  EXPECT_EQ(ParseNumber("0." + std::string(1'000'000, '0') + "1"), 0.0);
  // Just above the halfway point between 1 and its successor, decided by the last digit.
  EXPECT_EQ(ParseNumber("1.00000000000000011102230246251565404236316680908203125" +
                        std::string(900, '0') + "1"),
            std::nextafter(1.0, 2.0));
}

TEST(ParseNumberTest, FullStopInADecimalCommaLocale) {
  testing::DecimalCommaLocale locale;
  EXPECT_EQ(ParseNumber("12.5"), 12.5);
  EXPECT_EQ(ParseNumber("3,5"), 3);
  if (!locale.HasCLocale()) GTEST_SKIP() << "no decimal-comma C locale installed";
}

}  // namespace
}  // namespace tavoro
