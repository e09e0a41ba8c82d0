#include "case_json.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tavoro {
namespace {

// One line; numbers read back to the very doubles; every value not computed (NaN or
// infinite) is null, in both curve tables of 100 values.
TEST(CaseJsonTest, ExactNumbersAndNullForWhatWasNotComputed) {
  CalculationCase calc;
  calc.kg = 0.000001;
  calc.L = 0.1 + 0.2;
  calc.Q[1] = std::numeric_limits<double>::infinity();
  calc.Q[2] = -calc.Q[1];
  calc.PointS[2] = 0.5;
  calc.CurveX[1][1] = 0;
  calc.CurveX[2][100] = 1e300;
  const std::string text = CaseToJson(calc);
  EXPECT_EQ(text.find('\n'), text.size() - 1);
  EXPECT_NE(text.find("\"L\":0.30000000000000004,"), std::string::npos);
  const nlohmann::json json = nlohmann::json::parse(text);
  EXPECT_EQ(json["inputs"]["kg"].get<double>(), 1e-6);
  EXPECT_EQ(json["Q"], nlohmann::json::parse("[null,null]"));
  EXPECT_EQ(json["PointS"], nlohmann::json::parse("[null,0.5]"));
  EXPECT_TRUE(json["H"].is_null());
  int numbers = 0;
  for (const char* table : {"CurveX", "CurveY", "CurveS"}) {
    ASSERT_EQ(json[table].size(), 2u);
    for (const auto& slot : json[table]) {
      ASSERT_EQ(slot.size(), static_cast<std::size_t>(kCurvePoints));
      for (const auto& value : slot) numbers += value.is_number();
    }
  }
  EXPECT_EQ(numbers, 2);
  EXPECT_EQ(json["CurveX"][0][0].get<double>(), 0.0);
  EXPECT_EQ(json["CurveX"][1][99].get<double>(), 1e300);
  EXPECT_EQ(json["units"]["kn"], "m/s");
  EXPECT_EQ(json["units"]["Q"], "m3/min");
}

}  // namespace
}  // namespace tavoro
