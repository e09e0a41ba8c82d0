#include "study/study_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/input_rules.h"
#include "study/study.h"

namespace tavoro {
namespace {

// A permeability as the form reads it.
std::optional<double> Kg(const char* text) {
  return ReadFieldText(6, text);
}

TEST(StudySearchTest, WidthEndIsTheFirstBoundReached) {
  WidthBound bound = WidthBound::kR1;
  EXPECT_EQ(WidthEndMillimetres(10, 3, 240, 100, bound), 10000);
  EXPECT_EQ(bound, WidthBound::kAsked);
  EXPECT_EQ(WidthEndMillimetres(0.29, 3, 240, 100, bound), 290);  // 0.29 × 1000 is 289.99…
  EXPECT_EQ(WidthEndMillimetres(10.0009, 3, 240, 100, bound), 10000);
  // Edge exactly on R1 or on the calculation range is not allowed: 6.999 m is the last.
  EXPECT_EQ(WidthEndMillimetres(10, 3, 10, 100, bound), 6999);
  EXPECT_EQ(bound, WidthBound::kR1);
  EXPECT_EQ(WidthEndMillimetres(10, 3, 240, 10, bound), 6999);
  EXPECT_EQ(bound, WidthBound::kRange);
  EXPECT_EQ(WidthEndMillimetres(10, 3, 9, 10, bound), 5999);
  EXPECT_EQ(bound, WidthBound::kR1);
  EXPECT_EQ(WidthEndMillimetres(10, 3, 3, 100, bound), 0);
  EXPECT_EQ(WidthEndMillimetres(10, 3, NAN, 100, bound), 0);
  EXPECT_EQ(WidthEndMillimetres(1e300, 3, INFINITY, INFINITY, bound), 50000);  // the form's widest
  // r = 20/2π: the rules need 計算範囲 > r + B, so 0.001 m beyond the edge at the least.
  const double r = 20 / (2 * 3.141592653589793);
  EXPECT_EQ(RangeBeyond(r, 2), 5.184);
  EXPECT_EQ(RangeBeyond(3, 2), 5.001);
}

TEST(StudySearchTest, LadderRungsAreThreeDigitValuesAsTheFormReadsThem) {
  const std::int64_t rung = LadderRungAtMost(2.345e-5);
  EXPECT_EQ(LadderValue(rung), *Kg("2.34e-5"));
  EXPECT_EQ(LadderValue(rung + 1), *Kg("2.35e-5"));
  // Decades join: 9.99e-6 lies just below 1.00e-5.
  EXPECT_EQ(LadderValue(LadderRungAtMost(1e-5) - 1), *Kg("9.99e-6"));
  EXPECT_EQ(LadderValue(LadderRungAtMost(1e-5)), *Kg("0.00001"));
  EXPECT_EQ(LadderValue(LadderRungAtMost(0.01)), 0.01);
  EXPECT_EQ(LadderValue(LadderRungAtMost(0.0099999)), *Kg("9.99e-3"));
}

TEST(StudySearchTest, LoosestRungIsBracketedByDecadesThenBisected) {
  const std::int64_t top = LadderRungAtMost(0.01);
  const std::int64_t threshold = LadderRungAtMost(3.21e-6);
  int asked = 0;
  const MeetsAt meetsAt = [&](std::int64_t rung) {
    ++asked;
    return rung <= threshold;
  };
  const std::int64_t bottom = top - 10 * kRungsPerDecade;
  EXPECT_EQ(LoosestMeetingRung(top, bottom, meetsAt), threshold);
  EXPECT_LE(asked, 5 + 11);  // the decades down to it, then 900 rungs halved
  EXPECT_EQ(LoosestMeetingRung(top, bottom, [](std::int64_t) { return true; }), top);
  EXPECT_FALSE(LoosestMeetingRung(top, bottom, [](std::int64_t) { return false; }));
  // Down to bottom and no further, bottom itself sampled when it is no decade.
  const auto atMost = [](std::int64_t limit) {
    return MeetsAt([limit](std::int64_t rung) { return rung <= limit; });
  };
  EXPECT_FALSE(LoosestMeetingRung(top, bottom, atMost(bottom - 1)));
  EXPECT_EQ(LoosestMeetingRung(top, bottom + 450, atMost(bottom + 460)), bottom + 460);
  EXPECT_EQ(LoosestMeetingRung(top, bottom + 450, atMost(bottom + 450)), bottom + 450);
}

}  // namespace
}  // namespace tavoro
