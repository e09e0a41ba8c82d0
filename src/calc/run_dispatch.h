#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/calculation_case.h"

namespace tavoro {

inline constexpr int kInputFieldCount = 9;

// The nine input texts in form order: groundwater depth, impervious depth,
// excavation depth, perimeter L, kn (cm/sec), B, kg (cm/sec), point of
// interest x, calculation range.
using InputTexts = std::array<std::string, kInputFieldCount>;

enum class RunStatus {
  kWentAhead,     // inputs stored, case computed, OutputMode set
  kGuardStopped,  // inputs stored; excavation not below the water table, nothing computed
  kRejected,      // a number beyond the range of a double; the case is unchanged
};

struct RunResult {
  RunStatus status = RunStatus::kRejected;
  int rejectedField = -1;  // 0..8 when rejected
};

// The form's Japanese caption of input field 0..8, e.g. "地下水位".
const char* InputFieldCaption(int field);

// One run: converts and stores the nine texts (kn and kg divided by 100),
// then, only when ExcavationDepth > GroundwaterDepth, runs ComputeCase and
// sets OutputMode to outputMode.
RunResult RunDispatch(CalculationCase& calc, const InputTexts& texts, std::int16_t outputMode);

}  // namespace tavoro
