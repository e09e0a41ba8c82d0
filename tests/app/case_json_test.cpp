#include "case_json.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tavoro {
namespace {

// The whole text on one line: every field in its place, two curve tables of 100 values each,
// numbers in their shortest exact form, and every value not computed (NaN or infinite) as null.
TEST(CaseJsonTest, WholeText) {
  CalculationCase calc;
  calc.kg = 0.000001;
  calc.L = 0.1 + 0.2;
  calc.Q[1] = std::numeric_limits<double>::infinity();
  calc.Q[2] = -calc.Q[1];
  calc.PointS[2] = 0.5;
  calc.CurveX[1][1] = 0;
  calc.CurveX[2][100] = 1e300;
  calc.ImprovedCurveComputed = true;
  std::string nulls = "null";
  for (int i = 2; i < kCurvePoints; ++i) nulls += ",null";
  const std::string table = "[[" + nulls + ",null],[" + nulls + ",null]]";
  const std::string x = "[[0.0" + nulls.substr(4) + ",null],[" + nulls + ",1e+300]]";
  EXPECT_EQ(CaseToJson(calc),
            "{\"units\":{\"GroundwaterDepth\":\"m\",\"ImperviousDepth\":\"m\","
            "\"ExcavationDepth\":\"m\",\"L\":\"m\",\"B\":\"m\",\"PointDistance\":\"m\","
            "\"CalcRange\":\"m\",\"H\":\"m\",\"r\":\"m\",\"h\":\"m\",\"S\":\"m\",\"R\":\"m\","
            "\"PointY\":\"m\",\"PointS\":\"m\",\"CurveX\":\"m\",\"CurveY\":\"m\",\"CurveS\":\"m\","
            "\"kn\":\"m/s\",\"kg\":\"m/s\",\"Q\":\"m3/min\",\"radius\":\"m\","
            "\"confined_top\":\"m\",\"confined_head\":\"m\",\"thickness\":\"m\",\"d\":\"m\","
            "\"hw\":\"m\",\"head_drop_needed\":\"m\",\"target_head_depth\":\"m\","
            "\"max_excavation_depth\":\"m\",\"unit_weight\":\"kN/m3\","
            "\"water_unit_weight\":\"kN/m3\",\"gamma_w\":\"kN/m3\",\"W\":\"kN/m2\"},"
            "\"inputs\":{\"GroundwaterDepth\":0.0,\"ImperviousDepth\":0.0,\"ExcavationDepth\":0.0,"
            "\"L\":0.30000000000000004,\"kn\":0.0,\"B\":0.0,\"kg\":1e-06,\"PointDistance\":0.0,"
            "\"CalcRange\":0.0,\"radius\":null,\"radius_note\":null,\"confined_top\":null,"
            "\"confined_head\":null,\"unit_weight\":null,\"soil_layers\":null,"
            "\"water_unit_weight\":null,\"uplift_safety\":null},\"project\":{\"name\":\"\",\"shaft\":\"\",\"author\":\"\",\"date\":"
            "\"\",\"notes\":\"\",\"checker\":\"\"},"
            "\"H\":null,\"r\":null,\"h\":[null,null],\"S\":[null,null],"
            "\"R\":[null,null],\"Q\":[null,null],\"PointY\":[null,null],\"PointS\":[null,0.5],"
            "\"CurveX\":" +
                x + ",\"CurveY\":" + table + ",\"CurveS\":" + table +
                ",\"ImprovedCurveComputed\":true,\"radius_method\":\"sichardt\",\"uplift\":null,"
                "\"notes\":[{\"code\":\"natural-not-computed\","
                "\"text\":\"地盤改良なしの場合の値に算定不能があります（数値が計算できる範囲を超え"
                "ました）。\"}]}\n");
}

}  // namespace
}  // namespace tavoro
