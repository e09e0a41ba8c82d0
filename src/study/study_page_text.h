#pragma once

#include <string>

#include "study/study.h"

namespace tavoro {

// Page texts of the study, in the report's number patterns: inflows with six
// decimals, lengths with three, permeabilities to three significant digits;
// a value not computed reads as the not-computed mark.
std::string StudyInflowText(double value);
std::string StudyLengthText(double value);
// Q2 or S2 with its symbol and unit: "Q2 = 0.299876 m³/min", "S2 = 1.234 m".
std::string TargetValueText(StudyTargetKind kind, double value);
// "目標 Q2 ≤ 0.300000 m³/min"
std::string TargetText(const StudyTarget& target);
// The target and the width range, and where the range was cut short.
std::string StudyRangeText(const StudyResult& result);
// One kg's answer: the width found with its value, or the best reached.
std::string SolutionText(const StudySolution& solution, StudyTargetKind kind);
// The largest kg for the case's own width, or why there is none.
std::string KgForWidthText(const StudyResult& result);

}  // namespace tavoro
