#pragma once

#include <string>

#include "calc/calculation_case.h"

namespace tavoro {

// A run's inputs and results as tab-separated lines (項目, 記号, 値, 単位),
// ready to paste into a spreadsheet: a heading line, the nine inputs (kn and
// kg in cm/sec, as typed), then r, H, h, S, R1, Q1 and the drawdown at the
// point of interest; with improvement (B > 0) also Q2, h2, S2, R2 and the
// drawdown at the point with it. Values carry up to 15 significant digits
// with a full stop; a value not computed shows kNotComputedMark. Every line
// ends with "\n".
std::string ResultSummary(const CalculationCase& calc);

}  // namespace tavoro
