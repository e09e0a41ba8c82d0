#pragma once

#include "calc/calculation_case.h"

namespace tavoro {

// Fills the derived values, both cases' inflow and radius of influence, the
// curve tables and the point-of-interest values from the nine inputs of calc.
// Never stops on bad numbers: a statement whose logarithm or square root gets
// a bad or non-finite argument stores nothing, while a division by zero or
// overflow in a statement's final arithmetic stores the non-finite result.
// Without a ring (B <= 0), or with a ring reaching past R2, the improved
// curve keeps what an earlier run left and ImprovedCurveComputed is false.
void ComputeCase(CalculationCase& calc);

}  // namespace tavoro
