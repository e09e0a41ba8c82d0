#include "calc/number_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "decimal_comma_locale.h"

namespace tavoro {
namespace {

using P = NumberPattern;

TEST(FormatNumberTest, PatternsShowTheirDecimalsAndOneLeadingDigit) {
  EXPECT_EQ(FormatNumber(0.976755, P::kWhole), "1");
  EXPECT_EQ(FormatNumber(0.976755, P::kTwoDecimals), "0.98");
  EXPECT_EQ(FormatNumber(0.0802871, P::kThreeDecimals), "0.080");
  EXPECT_EQ(FormatNumber(0.00001, P::kSixDecimals), "0.000010");
  EXPECT_EQ(FormatNumber(240, P::kTwoDecimals), "240.00");
  EXPECT_EQ(FormatNumber(0, P::kThreeDecimals), "0.000");
  EXPECT_EQ(FormatNumber(1234567.891, P::kTwoDecimals), "1234567.89");
  EXPECT_EQ(FormatNumber(-13.7891, P::kTwoDecimals), "-13.79");
  EXPECT_EQ(FormatNumber(1e20, P::kWhole), "100000000000000000000");
}

TEST(FormatNumberTest, RoundsHalfAwayFromZeroAfterFifteenDigits) {
  // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875.
  EXPECT_EQ(FormatNumber(2.675, P::kTwoDecimals), "2.68");
  EXPECT_EQ(FormatNumber(-2.675, P::kTwoDecimals), "-2.68");
  EXPECT_EQ(FormatNumber(0.5, P::kWhole), "1");
  EXPECT_EQ(FormatNumber(1.5, P::kWhole), "2");
  EXPECT_EQ(FormatNumber(2.5, P::kWhole), "3");
  EXPECT_EQ(FormatNumber(-0.5, P::kWhole), "-1");
  EXPECT_EQ(FormatNumber(0.4999, P::kWhole), "0");
  EXPECT_EQ(FormatNumber(9.9995, P::kThreeDecimals), "10.000");
  EXPECT_EQ(FormatNumber(999.9999996, P::kSixDecimals), "1000.000000");
  EXPECT_EQ(FormatNumber(0.0000005, P::kSixDecimals), "0.000001");
  EXPECT_EQ(FormatNumber(0.00000049, P::kSixDecimals), "0.000000");
  EXPECT_EQ(FormatNumber(1e-300, P::kTwoDecimals), "0.00");
}

TEST(FormatNumberTest, ZeroShowsNoSign) {
  EXPECT_EQ(FormatNumber(-0.0004, P::kThreeDecimals), "0.000");
  EXPECT_EQ(FormatNumber(-0.0, P::kWhole), "0");
  EXPECT_EQ(FormatNumber(-0.0005, P::kThreeDecimals), "-0.001");
}

TEST(FormatNumberTest, NonFiniteValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatNumber(inf, P::kTwoDecimals), "∞");
  EXPECT_EQ(FormatNumber(-inf, P::kWhole), "-∞");
  EXPECT_EQ(FormatNumber(std::nan(""), P::kSixDecimals), "NaN");
}

TEST(FormatNumberTest, LargestDoubleKeepsAllItsDigits) {
  const std::string text = FormatNumber(std::numeric_limits<double>::max(), P::kTwoDecimals);
  EXPECT_EQ(text.substr(0, 15), "179769313486232");
  EXPECT_EQ(text.size(), 309u + 3u);
}

// A process locale with a decimal comma must not change the full stop.
TEST(FormatNumberTest, DecimalCommaLocaleKeepsTheFullStop) {
  testing::DecimalCommaLocale locale;
  EXPECT_EQ(FormatNumber(1234.5678, P::kTwoDecimals), "1234.57");
  EXPECT_EQ(FormatNumber(-0.0802871, P::kSixDecimals), "-0.080287");
  if (!locale.HasCLocale()) GTEST_SKIP() << "no decimal-comma C locale installed";
}

}  // namespace
}  // namespace tavoro
