#include "case_json.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "json_values.h"

namespace tavoro {
namespace {

using testing::JsonNumbers;

CalculationCase WorkedExample() {
  CalculationCase calc;
  calc.GroundwaterDepth = 2;
  calc.ImperviousDepth = 20;
  calc.ExcavationDepth = 10;
  calc.L = 20;
  calc.kn = 0.01 / 100.0;
  calc.B = 2;
  calc.kg = 0.0001 / 100.0;
  calc.PointDistance = 10;
  calc.CalcRange = 100;
  ComputeCase(calc);
  return calc;
}

TEST(CaseJsonTest, LayoutAndSeventeenDigits) {
  const std::string json = CaseToJson(WorkedExample());
  EXPECT_EQ(
      json.rfind("{\"inputs\": {\"GroundwaterDepth\": 2, \"ImperviousDepth\": 20, "
                 "\"ExcavationDepth\": 10, \"L\": 20, \"kn\": 0.0001, \"B\": 2, \"kg\": "
                 "9.9999999999999995e-07, \"PointDistance\": 10, \"CalcRange\": 100},\n "
                 "\"H\": 18, \"r\": 3.1830988618379101, \"h\": [10, 0], \"S\": [8, 0], \"R\": [",
                 0),
      0u)
      << json.substr(0, 400);
  EXPECT_NE(json.find("],\n \"CurveX\": [[0, 3.1830988618379101, "), std::string::npos);
  EXPECT_NE(json.find("]],\n \"ImprovedCurveComputed\": true}\n"), std::string::npos);
}

TEST(CaseJsonTest, ValuesReadBackExactly) {
  const CalculationCase calc = WorkedExample();
  const std::string json = CaseToJson(calc);
  const std::vector<double> q = JsonNumbers(json, "Q");
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0], calc.Q[kNatural]);
  EXPECT_EQ(q[1], calc.Q[kImproved]);
  const std::vector<double> y = JsonNumbers(json, "CurveY");
  ASSERT_EQ(y.size(), 200u);
  EXPECT_EQ(y[49], calc.CurveY[kNatural][50]);
  EXPECT_EQ(y[100 + 4], calc.CurveY[kImproved][5]);
  EXPECT_EQ(JsonNumbers(json, "r").at(0), calc.r);
}

TEST(CaseJsonTest, NonFiniteValuesAreStrings) {
  CalculationCase calc;
  calc.Q[kNatural] = std::numeric_limits<double>::infinity();
  calc.Q[kImproved] = -std::numeric_limits<double>::infinity();
  calc.r = std::nan("");
  const std::string json = CaseToJson(calc);
  EXPECT_NE(json.find("\"Q\": [\"inf\", \"-inf\"]"), std::string::npos);
  EXPECT_NE(json.find("\"r\": \"nan\""), std::string::npos);
  EXPECT_NE(json.find("\"ImprovedCurveComputed\": false}"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
