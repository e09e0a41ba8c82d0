#pragma once

#include "calc/calculation_case.h"

namespace tavoro {

// Fills the derived values, both cases' inflow and radius of influence, the
// curve tables and the point-of-interest values from the nine inputs of calc.
// Never stops on bad numbers: a statement whose logarithm or square root gets
// a bad or non-finite argument stores nothing, while a division by zero or
// overflow in a statement's final arithmetic stores the non-finite result.
// Without a ring (B <= 0), or with a ring reaching past R2, the improved
// curve keeps what the record held (NaN in a fresh one) and
// ImprovedCurveComputed is false. Runs go through RunCase, which computes
// into a fresh record.
void ComputeCase(CalculationCase& calc);

}  // namespace tavoro
