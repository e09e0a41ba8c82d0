#include "calc/ground.h"

#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "calc/ground_rules.h"
#include "calc/run_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

GroundTexts Ground(std::initializer_list<std::pair<int, std::string>> fields) {
  GroundTexts texts;
  for (const auto& [field, text] : fields) GroundText(texts, field) = text;
  return texts;
}

double Rounded(double value, int decimals) {
  return std::round(value * std::pow(10, decimals)) / std::pow(10, decimals);
}

// S = 5 m, H = 10 m as the handbooks tabulate them, to their printed digits.
TEST(GroundTest, PublishedRadiiOfInfluence) {
  GroundConditions sichardt;
  GroundConditions kusakin;
  kusakin.radiusMethod = RadiusMethod::kKusakin;
  EXPECT_EQ(Rounded(RadiusOfInfluence(sichardt, 5, 10, 1e-5), 1), 47.4);
  EXPECT_EQ(Rounded(RadiusOfInfluence(sichardt, 5, 10, 1e-4), 0), 150);
  EXPECT_EQ(Rounded(RadiusOfInfluence(kusakin, 5, 10, 1e-5), 2), 28.75);
  EXPECT_EQ(Rounded(RadiusOfInfluence(kusakin, 5, 10, 1e-4), 1), 90.9);
}

// The exam example (γt 14, d 8, γw 10, hw 12) and hand-worked layered cases.
TEST(GroundTest, UpliftCheck) {
  UpliftInputs exam{18, 6, 14, {}, 10, 1.1};
  const UpliftResult u = ComputeUplift(exam, 10);
  EXPECT_EQ(std::tuple(u.applies, u.d, u.hw, u.W, u.ok), std::tuple(true, 8, 12, 112, false));
  EXPECT_EQ(Rounded(u.F, 3), 0.933);
  EXPECT_NEAR(u.headDrop, 12 - 112 / 11.0, 1e-12);  // about 2 m
  EXPECT_NEAR(u.targetHeadDepth, 18 - 112 / 11.0, 1e-12);
  EXPECT_NEAR(*u.maxExcavationDepth, 18 - 132 / 14.0, 1e-12);
  EXPECT_FALSE(u.extrapolated);

  // 3 m of 18 over 5 m of 20: W = 154; Fs·γw·hw = 129.36 is reached 1.631 m into the top layer.
  UpliftInputs layered{18, 6, 18, {{3, 18}, {5, 20}}, 9.8, 1.1};
  UpliftResult v = ComputeUplift(layered, 10);
  EXPECT_EQ(v.W, 154);
  EXPECT_NEAR(v.F, 154 / 117.6, 1e-12);
  EXPECT_TRUE(v.ok);
  EXPECT_EQ(v.headDrop, 0);
  EXPECT_NEAR(*v.maxExcavationDepth, 13 - (129.36 - 100) / 18, 1e-12);
  // hw = 20: the layers weigh too little, and the top layer's 18 is taken upward.
  layered.confinedHead = -2;
  v = ComputeUplift(layered, 10);
  EXPECT_FALSE(v.ok);
  EXPECT_NEAR(*v.maxExcavationDepth, 10 - (215.6 - 154) / 18, 1e-12);
  EXPECT_TRUE(v.extrapolated);
  layered.confinedHead = -100;  // no depth is safe, not even the surface
  EXPECT_FALSE(ComputeUplift(layered, 10).maxExcavationDepth);

  // The excavation reaching the aquifer: no check.
  const UpliftResult reached = ComputeUplift(exam, 18);
  EXPECT_FALSE(reached.applies);
  EXPECT_TRUE(std::isnan(reached.F));
}

// Each ground text table row: the texts and the field refused (-1 none).
TEST(GroundTest, GroundRules) {
  const std::tuple<GroundTexts, int> cases[] = {
      {Ground({}), -1},
      {Ground({{kRadiusMethodField, " Kusakin "}}), -1},
      {Ground({{kRadiusMethodField, "指定"}, {kRadiusField, "５００ｍ"}, {kRadiusNoteField, "河川までの距離の2倍"}}), -1},
      {Ground({{kRadiusMethodField, "thiem"}}), kRadiusMethodField},
      {Ground({{kRadiusMethodField, "given"}}), kRadiusField},
      {Ground({{kRadiusField, "500"}}), kRadiusField},
      {Ground({{kRadiusMethodField, "kusakin"}, {kRadiusNoteField, "x"}}), kRadiusNoteField},
      {Ground({{kRadiusMethodField, "given"}, {kRadiusField, "5"}}), kRadiusField},  // r + B = 5.18
      {Ground({{kRadiusMethodField, "given"}, {kRadiusField, "10000.1"}}), kRadiusField},
      {Ground({{kRadiusMethodField, "given"}, {kRadiusField, "500"}, {kRadiusNoteField, "a\nb"}}),
       kRadiusNoteField},
      {Ground({{kRadiusMethodField, "given"}, {kRadiusField, "500"},
               {kRadiusNoteField, std::string(31, 'a')}}),
       kRadiusNoteField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "-3"}, {kSoilLayersField, "5:18,10:19"}}), -1},
      {Ground({{kConfinedTopField, "25"}}), kConfinedHeadField},
      {Ground({{kConfinedHeadField, "5"}}), kConfinedTopField},
      {Ground({{kUpliftSafetyField, "1.1"}}), kUpliftSafetyField},
      {Ground({{kConfinedTopField, "19"}, {kConfinedHeadField, "5"}}), kConfinedTopField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "25"}}), kConfinedHeadField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "-100.5"}}), kConfinedHeadField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kUnitWeightField, "9.9"}}), kUnitWeightField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kUnitWeightField, "18"},
               {kSoilLayersField, "15:18"}}),
       kSoilLayersField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kSoilLayersField, "5:18,9.998:19"}}), kSoilLayersField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kSoilLayersField, "5:18,9.9995:19"}}), -1},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kSoilLayersField, "5:18,,10:19"}}), kSoilLayersField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kSoilLayersField, "15:26"}}), kSoilLayersField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kWaterUnitWeightField, "10 kN/m³"}}), -1},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kWaterUnitWeightField, "8"}}), kWaterUnitWeightField},
      {Ground({{kConfinedTopField, "25"}, {kConfinedHeadField, "5"}, {kUpliftSafetyField, "3.01"}}), kUpliftSafetyField},
  };
  for (const auto& [texts, field] : cases) {
    const CaseRun run = RunCase(testing::kWorkedExampleTexts, 0, texts);
    EXPECT_EQ(run.rejection ? run.rejection->field : -1, field)
        << (run.rejection ? run.rejection->message : "accepted") << " " << texts[0] << texts[1];
    if (run.rejection) {
      EXPECT_EQ(run.rejection->message.find(std::string("「") + InputFieldCaption(field) + "」"), 0);
    }
  }
  // Twelve layers are read, thirteen are refused.
  std::string layers = "0.2:18";
  for (int i = 1; i < kMaxSoilLayers; ++i) layers += ",0.2:18";
  EXPECT_EQ(ReadSoilLayers(layers)->size(), 12u);
  EXPECT_FALSE(ReadSoilLayers(layers + ",0.2:18"));
}

// ln* as the sheet takes it: log(z) / log(2.718282).
double LnStar(double z) {
  return std::log(z) / std::log(2.718282);
}

// Random accepted cases with Kusakin and a given R against the formulas written out anew.
TEST(GroundTest, RandomCasesAgreeWithTheFormulasWrittenOut) {
  std::mt19937_64 random(7);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  const auto text = [](double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return std::string(buffer);
  };
  const double pi = 3.14159265358979;
  int checked = 0;
  for (int n = 0; n < 2000; ++n) {
    const double gw = uniform(0, 20), exc = gw + uniform(0.5, 30), imp = exc + uniform(0, 40);
    const double L = uniform(2, 100), kn = std::pow(10, uniform(-4, 0)), B = uniform(0.5, 8);
    const double kg = kn * std::pow(10, uniform(-3, 0));
    const bool given = n % 2 == 1;
    const double givenR = uniform(50, 3000);
    const InputTexts texts = {text(gw), text(imp), text(exc), text(L), text(kn), text(B),
                              text(kg), "0",       "10000"};
    const GroundTexts ground = given ? Ground({{kRadiusMethodField, "given"},
                                               {kRadiusField, text(givenR)}})
                                     : Ground({{kRadiusMethodField, "kusakin"}});
    const CaseRun run = RunCase(texts, 0, ground);
    if (run.rejection || !run.calc.ImprovedCurveComputed) continue;
    ++checked;
    const CalculationCase& c = run.calc;
    const double k = kn / 100, kgm = kg / 100, H = imp - gw, h = imp - exc, S = exc - gw;
    const double r = L / (2 * pi), edge = r + B;
    const auto radius = [&](double s) { return given ? givenR : 575 * s * std::sqrt(H * k); };
    const double R1 = radius(S);
    const double Q1 = (H * H - h * h) * pi * k * 60 / LnStar(R1 / r);
    const double Q2 = (H * H - h * h) * pi * k * 60 / (LnStar(R1 / edge) + k / kgm * LnStar(edge / r));
    const double h2 = std::sqrt(LnStar(edge / r) * Q2 / (pi * kgm * 60) + h * h);
    const double R2 = radius(H - h2);
    const double outer = (H * H - h2 * h2) * pi * k * 60 / LnStar(R2 / edge);
    const double x1 = r + 50 * (std::min(R1, 10000.0) - r) / 98;
    const double x2 = edge + 50 * (std::min(R2, 10000.0) - edge) / 90;
    const std::pair<double, double> pairs[] = {
        {c.R[1], R1},
        {c.Q[1], Q1},
        {c.Q[2], Q2},
        {c.CurveY[2][kRingEdgePoint], h2},
        {c.CurveS[2][kRingEdgePoint], H - h2},
        {c.R[2], R2},
        {c.CurveY[1][52], std::sqrt(LnStar(x1 / r) * Q1 / (pi * k * 60) + h * h)},
        {c.CurveY[2][60], std::sqrt(LnStar(x2 / edge) * outer / (pi * k * 60) + h2 * h2)},
    };
    for (const auto& [actual, expected] : pairs) {
      ASSERT_NEAR(actual, expected, 1e-9 * std::abs(expected)) << n;
    }
  }
  EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace tavoro
