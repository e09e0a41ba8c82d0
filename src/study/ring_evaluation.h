#pragma once

#include "study/study.h"

namespace tavoro {

// The improved case of inputs with the ring width set to width (m) and kg to
// kgCmPerSec / 100, computed by ComputeCase on a fresh record (results start
// as NaN); every other input as inputs has it. At width 0 (or less)
// the values are those without a ring: Q1, S1, h and R1.
RingValues EvaluateRing(const CalculationCase& inputs, double width, double kgCmPerSec);

// Q2 or S2, whichever the target limits.
double TargetQuantity(const RingValues& values, StudyTargetKind kind);

// True when the target's quantity is a number at most the target's value.
bool MeetsTarget(const RingValues& values, const StudyTarget& target);

}  // namespace tavoro
