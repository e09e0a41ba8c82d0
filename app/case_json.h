#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"

namespace tavoro {

// The computed case as one line of JSON: the nine inputs (kn and kg in m/s),
// the project texts (name, shaft, author, date, notes; "" when not given),
// the derived values, both cases' results and curve tables, and
// ImprovedCurveComputed. Numbers in their shortest exact form with the full
// stop in every locale; a value not computed is null. Ends with a newline.
std::string CaseToJson(const CalculationCase& calc, const ProjectInfo& project = {});

}  // namespace tavoro
