#include "calc/whole_number.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace tavoro {
namespace {

TEST(WholeNumberTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(-3.5), -4);
  EXPECT_EQ(ToInt16(0.5), 0);
  EXPECT_EQ(ToInt16(-0.5), 0);
  EXPECT_EQ(ToInt16(2.5000000001), 3);
  EXPECT_EQ(ToInt16(-0.49), 0);
  EXPECT_EQ(ToInt16(-1.6), -2);
  EXPECT_EQ(ToInt32(1e9 + 0.5), 1000000000);
  EXPECT_EQ(ToInt32(-1e9 - 1.5), -1000000002);
}

TEST(WholeNumberTest, RangeLimitsAndNonFinite) {
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);
  EXPECT_EQ(ToInt16(-32768.6), std::nullopt);
  EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(ToInt32(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInt32(-2147483648.5), -2147483647 - 1);
  EXPECT_EQ(ToInt32(1e300), std::nullopt);
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt32(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace tavoro
