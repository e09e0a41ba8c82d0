#pragma once

#include <string>

#include "calc/calculation_case.h"

namespace tavoro {

// Characters of the report's formulas.
inline constexpr char kMiddleDot[] = "・";         // U+30FB, symbolic multiplication
inline constexpr char kTimes[] = "×";              // U+00D7, substituted multiplication
inline constexpr char kPi[] = "π";                 // U+03C0
inline constexpr char kIdeographicSpace[] = "　";  // U+3000

// A length, radius or inflow with three decimals ("#0.000"); a value not
// computed reads kNotComputedMark, here and in the texts below.
std::string LengthText(double value);

// A permeability with six decimals ("#0.000000").
std::string PermeabilityText(double value);

// A permeability held in m/s, shown in m/min (× 60) with six decimals.
// Throws ReportError when the product of a computed value is not finite.
std::string PerMinuteText(double metresPerSecond, const char* symbol);

// True when the case has a ring of ground improvement: a width above zero.
// A negative width is no improvement, as in the computation.
bool HasImprovement(const CalculationCase& calc);

}  // namespace tavoro
