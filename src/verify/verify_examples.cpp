#include "verify/verify_examples.h"

#include <charconv>
#include <cmath>

#include "calc/ground.h"
#include "calc/number_format.h"
#include "calc/run_case.h"

namespace tavoro {
namespace {

constexpr char kDupuitSource[] =
    "Dupuit, J.: Études théoriques et pratiques sur le mouvement des eaux, 2e éd., Dunod, "
    "Paris, 1863 の井戸の定常湧水量式 Q = πk(H² − h²) / ln(R / r)。公表値は同式を独立に計算した値";
constexpr char kSichardtSource[] =
    "Sichardt, W.: Das Fassungsvermögen von Rohrbrunnen und seine Bedeutung für die "
    "Grundwasserabsenkung, Springer, Berlin, 1928 の式 R = 3000·S·√k (k: m/s)。"
    "公表値は同式の値（有効数字3桁）";
constexpr char kKusakinSource[] =
    "Kusakin の式 R = 575·S·√(H·k) (k: m/s)。我が国の地下水・土質関係の便覧に引用される形による。"
    "公表値は同式の値";
constexpr char kUpliftSource[] =
    "掘削底面の盤ぶくれに対する土被り荷重と被圧水圧の釣合い F = γt·d / (γw·hw)。"
    "我が国の掘削・土留め仮設の指針に示される釣合い式による。公表値は同式の値";
constexpr char kSeriesSource[] =
    "改良体と未改良地盤を直列の2層とする湧水量式の極限。基準値は地盤改良なしの Dupuit の式の値 "
    "Q1 = 0.976755 m³/min（同式を独立に計算）";

// A case run as the form runs it; a case the input rules refuse keeps every
// result NaN, so its checks fail.
CalculationCase Run(const InputTexts& texts) {
  return RunCase(texts, 0).calc;
}

WorkedExample SichardtExample() {
  WorkedExample example{"Sichardt の影響範囲", kSichardtSource,
                        {{"S", 5, "m"}, {"k1", 1e-5, "m/s"}, {"k2", 1e-4, "m/s"}},
                        {}};
  // GL−0, excavation 5 m: S = 5 m; kn typed in cm/sec.
  const CalculationCase first = Run({"0", "20", "5", "10", "0.001", "0", "", "1", "100"});
  const CalculationCase second = Run({"0", "20", "5", "10", "0.01", "0", "", "1", "100"});
  example.checks = {{"R (k1)", "m", 47.4, 1, first.R[kNatural]},
                    {"R (k2)", "m", 150, 0, second.R[kNatural]}};
  return example;
}

WorkedExample KusakinExample() {
  WorkedExample example{"Kusakin の影響範囲", kKusakinSource,
                        {{"S", 5, "m"}, {"H", 10, "m"}, {"k1", 1e-5, "m/s"}, {"k2", 1e-4, "m/s"}},
                        {}};
  GroundConditions ground;
  ground.radiusMethod = RadiusMethod::kKusakin;
  example.checks = {{"R (k1)", "m", 28.75, 2, RadiusOfInfluence(ground, 5, 10, 1e-5)},
                    {"R (k2)", "m", 90.9, 1, RadiusOfInfluence(ground, 5, 10, 1e-4)}};
  return example;
}

WorkedExample UpliftExample() {
  WorkedExample example{"盤ぶくれの安全率", kUpliftSource,
                        {{"γt", 14, "kN/m³"}, {"d", 8, "m"}, {"γw", 10, "kN/m³"}, {"hw", 12, "m"}},
                        {}};
  // Excavation 10 m, confined aquifer from 18 m with its head at 6 m.
  UpliftInputs inputs;
  inputs.confinedTop = 18;
  inputs.confinedHead = 6;
  inputs.unitWeight = 14;
  inputs.waterUnitWeight = 10;
  const UpliftResult uplift = ComputeUplift(inputs, 10);
  example.checks = {{"F", "", 0.933, 3, uplift.applies ? uplift.F : kNotComputed}};
  return example;
}

WorkedExample DupuitExample() {
  WorkedExample example{"Dupuit の湧水量（地盤改良なし）", kDupuitSource,
                        {{"H", 15, "m"},
                         {"h", 10, "m"},
                         {"k", 1e-4, "m/s"},
                         {"L", 30, "m"},
                         {"R", 150, "m"}},
                        {}};
  // H = 15, h = 10, S = 5, so R = 3000·5·√1e-4 = 150 m; r = 30 / 2π.
  const CalculationCase calc = Run({"0", "15", "5", "30", "0.01", "0", "", "10", "100"});
  example.checks = {{"r", "m", 4.775, 3, calc.r},
                    {"Q1", "m³/min", 0.6835, 4, calc.Q[kNatural]}};
  return example;
}

WorkedExample EqualPermeabilityExample() {
  WorkedExample example{"地盤改良ありの湧水量: kg = kn の極限", kSeriesSource,
                        {{"H", 18, "m"},
                         {"h", 10, "m"},
                         {"L", 20, "m"},
                         {"kn = kg", 1e-4, "m/s"},
                         {"B", 2, "m"}},
                        {}};
  // A ring as permeable as the ground lets as much water through as none.
  const CalculationCase calc = Run({"2", "20", "10", "20", "0.01", "2", "0.01", "10", "100"});
  example.checks = {{"Q1", "m³/min", 0.976755, 6, calc.Q[kNatural]},
                    {"Q2", "m³/min", 0.976755, 6, calc.Q[kImproved]}};
  return example;
}

WorkedExample ThinRingExample() {
  WorkedExample example{"地盤改良ありの湧水量: B → 0 の極限", kSeriesSource,
                        {{"H", 18, "m"},
                         {"h", 10, "m"},
                         {"L", 20, "m"},
                         {"kn", 1e-4, "m/s"},
                         {"kg", 1e-6, "m/s"},
                         {"B", 1e-9, "m"}},
                        {}};
  // A ring a nanometre wide leaves Q2 at Q1 to the sixth decimal.
  const CalculationCase calc =
      Run({"2", "20", "10", "20", "0.01", "0.000000001", "0.0001", "10", "100"});
  example.checks = {{"Q2", "m³/min", 0.976755, 6, calc.Q[kImproved]}};
  return example;
}

}  // namespace

double ExampleCheck::Tolerance() const {
  return 0.5 * std::pow(10.0, -decimals);
}

bool ExampleCheck::Passed() const {
  // A hair above half a unit, so that a value printed as the published one
  // is never refused for the binary form of either.
  return std::isfinite(computed) &&
         std::fabs(Difference()) <= Tolerance() * (1 + 1e-9);
}

bool WorkedExample::Passed() const {
  if (checks.empty()) return false;
  for (const ExampleCheck& check : checks) {
    if (!check.Passed()) return false;
  }
  return true;
}

std::vector<WorkedExample> RunWorkedExamples() {
  return {SichardtExample(),           KusakinExample(),  DupuitExample(),
          EqualPermeabilityExample(), ThinRingExample(), UpliftExample()};
}

bool AllPassed(const std::vector<WorkedExample>& examples) {
  if (examples.empty()) return false;
  for (const WorkedExample& example : examples) {
    if (!example.Passed()) return false;
  }
  return true;
}

std::string ExampleNumber(double value, int decimals) {
  if (!std::isfinite(value)) return kNotComputedMark;
  char buffer[64];
  const auto [end, failure] =
      decimals >= 0
          ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                          decimals)
          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  if (failure != std::errc()) return kNotComputedMark;
  return std::string(buffer, end);
}

}  // namespace tavoro
