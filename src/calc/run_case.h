#pragma once

#include <cstdint>
#include <optional>

#include "calc/calculation_case.h"
#include "calc/input_rules.h"
#include "calc/ground_texts.h"
#include "calc/input_texts.h"

namespace tavoro {

// One run of the nine texts: either the rejection, or the computed case.
struct CaseRun {
  std::optional<InputRejection> rejection;
  CalculationCase calc;  // fresh: what the run could not compute is NaN
};

// Checks the texts against the input rules and, when they pass, computes
// them into a fresh record with OutputMode set to outputMode (0 report,
// 1 chart). Nothing of an earlier run can reach the result. Every caller
// (form, output window, command line) runs a case through here.
// The ground texts choose the radius method and the uplift check; empty
// ones are Sichardt without it.
CaseRun RunCase(const InputTexts& texts, std::int16_t outputMode, const GroundTexts& ground = {});

}  // namespace tavoro
