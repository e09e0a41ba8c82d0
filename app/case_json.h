#pragma once

#include <string>

#include "calc/calculation_case.h"

namespace tavoro {

// The computed case as JSON: the nine inputs (kn and kg in m/s), the derived
// values, both cases' results and curve tables, and ImprovedCurveComputed.
// Numbers carry 17 significant digits with the full stop in every locale; a
// non-finite value is the string "inf", "-inf" or "nan". Ends with a newline.
std::string CaseToJson(const CalculationCase& calc);

}  // namespace tavoro
