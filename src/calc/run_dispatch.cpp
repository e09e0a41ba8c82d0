#include "calc/run_dispatch.h"

#include <optional>

#include "calc/compute_case.h"
#include "calc/number_parse.h"

namespace tavoro {
namespace {

constexpr const char* kCaptions[kInputFieldCount] = {
    "地下水位", "不透水層深度",     "掘削深度", "立坑周長", "透水係数",
    "改良幅",   "改良後の透水係数", "着目点",   "計算範囲",
};

constexpr int kKnField = 4;
constexpr int kKgField = 6;
constexpr double kCentimetresPerMetre = 100.0;

}  // namespace

const char* InputFieldCaption(int field) {
  if (field < 0 || field >= kInputFieldCount) return "";
  return kCaptions[field];
}

RunResult RunDispatch(CalculationCase& calc, const InputTexts& texts, std::int16_t outputMode) {
  std::array<double, kInputFieldCount> values{};
  for (int field = 0; field < kInputFieldCount; ++field) {
    const std::optional<double> value = ParseNumber(texts[static_cast<std::size_t>(field)]);
    if (!value) return RunResult{RunStatus::kRejected, field};
    values[static_cast<std::size_t>(field)] = *value;
  }

  calc.GroundwaterDepth = values[0];
  calc.ImperviousDepth = values[1];
  calc.ExcavationDepth = values[2];
  calc.L = values[3];
  calc.kn = values[kKnField] / kCentimetresPerMetre;
  calc.B = values[5];
  calc.kg = values[kKgField] / kCentimetresPerMetre;
  calc.PointDistance = values[7];
  calc.CalcRange = values[8];

  if (!(calc.ExcavationDepth > calc.GroundwaterDepth)) return RunResult{RunStatus::kGuardStopped};
  ComputeCase(calc);
  calc.OutputMode = outputMode;
  return RunResult{RunStatus::kWentAhead};
}

}  // namespace tavoro
