#include "calc/input_fields.h"

namespace tavoro {

namespace {
constexpr double kCentimetresPerMetre = 100.0;
}  // namespace

double FormUnitValue(const CalculationCase& calc, int field) {
  const InputField& f = Field(field);
  const double value = calc.*f.value;
  return f.unit == FieldUnit::kCentimetrePerSecond ? value * kCentimetresPerMetre : value;
}

std::string FieldHeading(int field) {
  const InputField& f = Field(field);
  std::string heading(f.caption);
  if (!f.symbol.empty()) heading.append(" ").append(f.symbol);
  return heading.append(" (").append(UnitText(f.unit)).append(")");
}

}  // namespace tavoro
