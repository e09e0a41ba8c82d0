#include "calc/input_rules.h"

#include <cmath>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "calc/run_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

InputTexts With(std::initializer_list<std::pair<int, std::string>> changes) {
  InputTexts texts = testing::kWorkedExampleTexts;
  for (const auto& [field, text] : changes) texts[static_cast<std::size_t>(field)] = text;
  return texts;
}

int RefusedField(const InputTexts& texts) {
  const auto rejection = CheckInputs(texts);
  return rejection ? rejection->field : -1;
}

// Every field but 改良幅 and 改良後の透水係数 is required; an empty or zero width means no ring,
// and then the ring's permeability may stay empty.
TEST(InputRulesTest, RequiredFields) {
  for (int field = 0; field < kInputFieldCount; ++field) {
    const int expected = field == kWidthField ? -1 : field;
    EXPECT_EQ(RefusedField(With({{field, ""}})), expected) << field;
  }
  EXPECT_EQ(RefusedField(With({{kWidthField, ""}, {kKgField, ""}})), -1);
  EXPECT_EQ(RefusedField(With({{kWidthField, "0"}, {kKgField, ""}})), -1);
  EXPECT_EQ(RefusedField(With({{kWidthField, "0"}, {kKgField, "abc"}})), kKgField);
  EXPECT_EQ(RefusedField(InputTexts{}), kGroundwaterField);
}

// The sound-value rules, each just inside and just outside its bound; the field named.
TEST(InputRulesTest, SoundValues) {
  const std::tuple<int, std::string, int> cases[] = {
      {kGroundwaterField, "0", -1},
      {kGroundwaterField, "-0.001", kGroundwaterField},
      {kGroundwaterField, "10", kExcavationField},  // at the shaft bottom: nothing to lower
      {kImperviousField, "10", -1},                 // a dry shaft bottom on the layer
      {kImperviousField, "9.999", kImperviousField},
      {kImperviousField, "500.001", kImperviousField},
      {kPerimeterField, "0.1", -1},
      {kPerimeterField, "0.099", kPerimeterField},
      {kPerimeterField, "-20", kPerimeterField},
      {kKnField, "0", kKnField},
      {kKnField, "10.001", kKnField},
      {kWidthField, "-1", kWidthField},
      {kWidthField, "50.001", kWidthField},
      {kKgField, "0", kKgField},
      {kKgField, "0.01", -1},  // as permeable as the ground
      {kKgField, "0.0101", kKgField},
      {kPointField, "0", -1},
      {kPointField, "-1", kPointField},
      {kPointField, "100", -1},
      {kPointField, "100.001", kPointField},
      {kRangeField, "5.183", kRangeField},  // r + B = 5.18310
      {kRangeField, "5.184", -1},
      {kRangeField, "10000.001", kRangeField},
  };
  for (const auto& [field, text, expected] : cases) {
    EXPECT_EQ(RefusedField(With({{field, text}, {kPointField, field == kPointField ? text : "1"}})),
              expected)
        << field << " " << text;
  }
  // A shaft as wide as its radius of influence: with kn = 1e-7 cm/sec, R1 = 3000 · 8 · √1e-9
  // = 0.759 m, below r = 20 / 2π = 3.183 m. No perimeter alone mends that: the message
  // names the perimeter, the permeability and the drawdown S together.
  const auto wide = CheckInputs(With({{kKnField, "1e-7"}, {kWidthField, ""}, {kKgField, ""}}));
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(wide->field, kPerimeterField);
  EXPECT_EQ(wide->message,
            "「立坑周長」の「20」では円換算半径 r = L/2π (3.183 m) が影響範囲 R1 (0.759 m) 以上になり、"
            "湧水量を計算できません。R1 = 3000・S・√kn は透水係数 kn「1e-7」と地下水位から掘削底までの"
            "高さ S (8.000 m、掘削深度 − 地下水位) で決まります。立坑周長、透水係数と掘削深度・地下水位を"
            "合わせて見直し、r が R1 より小さくなるようにしてください。");
  // The ring reaching R1 (240 m) and a range that then still fits.
  EXPECT_EQ(RefusedField(With({{kWidthField, "50"}, {kKnField, "0.0004"}})), kWidthField);
  // Q1 beyond 1000 m³/min: deep, wide open ground.
  EXPECT_EQ(RefusedField(With({{kImperviousField, "500"},
                               {kExcavationField, "400"},
                               {kKnField, "10"},
                               {kRangeField, "10000"}})),
            kKnField);
}

// A message names the field, says what is wrong and what is accepted, and quotes at most the
// first 40 characters of the text.
TEST(InputRulesTest, MessagesQuoteAtMostFortyCharacters) {
  const auto rejection = CheckInputs(With({{kRangeField, std::string(5000, '9')}}));
  ASSERT_TRUE(rejection);
  EXPECT_EQ(rejection->message, "「計算範囲」の「" + std::string(40, '9') +
                                    "…」は大きすぎて扱えません。円換算半径 r と改良幅 B の和より"
                                    "大きく 10000 以下の距離 (m)を入力してください。");
  const auto wide = CheckInputs(With({{kKnField, std::string(41, 'x') + "あいう"}}));
  ASSERT_TRUE(wide);
  EXPECT_NE(wide->message.find("「" + std::string(40, 'x') + "…」"), std::string::npos);
  const auto japanese = CheckInputs(With({{kKnField, std::string(50 * 3 / 3, 'a') + "\n"}}));
  ASSERT_TRUE(japanese);
  EXPECT_EQ(japanese->message.find('\n'), std::string::npos);
}

// Each run computes into a fresh record: what it cannot reach is NaN, never an earlier value.
TEST(RunCaseTest, FreshRecordEveryRun) {
  const CaseRun plain = RunCase(With({{kWidthField, "0"}, {kKgField, ""}}), 1);
  ASSERT_FALSE(plain.rejection);
  EXPECT_EQ(std::tuple(plain.calc.B, plain.calc.kg, plain.calc.OutputMode), std::tuple(0, 0, 1));
  for (const double value : {plain.calc.Q[2], plain.calc.R[2], plain.calc.h[2],
                             plain.calc.CurveY[2][50], plain.calc.PointS[2]}) {
    EXPECT_TRUE(std::isnan(value));
  }
  EXPECT_FALSE(plain.calc.ImprovedCurveComputed);
  const CaseRun refused = RunCase(With({{kKnField, "0,01"}}), 1);
  ASSERT_TRUE(refused.rejection);
  EXPECT_TRUE(std::isnan(refused.calc.Q[1]));
}

}  // namespace
}  // namespace tavoro
