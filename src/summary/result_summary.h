#pragma once

#include <string>
#include <vector>

#include "calc/calculation_case.h"

namespace tavoro {

// One input or result of a run: its caption, symbol, value and unit.
struct SummaryLine {
  std::string name;
  std::string symbol;
  double value = 0;
  std::string unit;
};

// The nine inputs in form order (kn and kg in cm/sec, as typed).
std::vector<SummaryLine> InputLines(const CalculationCase& calc);

// r, H, h, S, R1, Q1 and the drawdown at the point of interest; with
// improvement (B > 0) also Q2, h2, S2, R2 and the drawdown at the point with
// it. Inflows in "m3/min".
std::vector<SummaryLine> ResultLines(const CalculationCase& calc);

// value with up to 15 significant digits and a full stop; kNotComputedMark
// when not computed.
std::string SummaryValueText(double value);

// A run's inputs and results as tab-separated lines (項目, 記号, 値, 単位),
// ready to paste into a spreadsheet: a heading line, then InputLines and
// ResultLines with SummaryValueText, and a line "注記" after them for each
// result not computed, saying why. Every line ends with "\n".
std::string ResultSummary(const CalculationCase& calc);

}  // namespace tavoro
