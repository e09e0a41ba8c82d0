#include "report/report_values.h"

#include <cmath>

#include "calc/number_format.h"
#include "report/report_error.h"

namespace tavoro {

std::string LengthText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kThreeDecimals);
}

std::string PermeabilityText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kSixDecimals);
}

std::string PerMinuteText(double metresPerSecond, const char* symbol) {
  if (!IsComputed(metresPerSecond)) return kNotComputedMark;
  const double perMinute = metresPerSecond * 60;
  if (!std::isfinite(perMinute)) {
    throw ReportError(std::string("計算書を作成できません: 透水係数 ") + symbol +
                      " × 60 (m/min) が有効な数値になりません。");
  }
  return PermeabilityText(perMinute);
}

bool HasImprovement(const CalculationCase& calc) {
  return calc.B > 0;
}

}  // namespace tavoro
