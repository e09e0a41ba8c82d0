#include "case_json.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tavoro {
namespace {

// The whole text: every field in its place, two curve tables of 100 values each, 17 significant
// digits, and non-finite values as strings.
TEST(CaseJsonTest, WholeText) {
  CalculationCase calc;
  calc.kg = 0.000001;
  calc.Q[1] = std::numeric_limits<double>::infinity();
  calc.Q[2] = -calc.Q[1];
  calc.PointY[1] = std::nan("");
  calc.PointS[2] = 0.5;
  std::string zeros = "0";
  for (int i = 2; i <= kCurvePoints; ++i) zeros += ", 0";
  const std::string table = "[[" + zeros + "], [" + zeros + "]]";
  EXPECT_EQ(
      CaseToJson(calc),
      "{\"inputs\": {\"GroundwaterDepth\": 0, \"ImperviousDepth\": 0, \"ExcavationDepth\": 0, "
      "\"L\": 0, \"kn\": 0, \"B\": 0, \"kg\": 9.9999999999999995e-07, \"PointDistance\": 0, "
      "\"CalcRange\": 0},\n \"H\": 0, \"r\": 0, \"h\": [0, 0], \"S\": [0, 0], \"R\": [0, 0], "
      "\"Q\": [\"inf\", \"-inf\"], \"PointY\": [\"nan\", 0], \"PointS\": [0, 0.5],\n "
      "\"CurveX\": " +
          table + ", \"CurveY\": " + table + ", \"CurveS\": " + table +
          ",\n \"ImprovedCurveComputed\": false}\n");
}

}  // namespace
}  // namespace tavoro
