#include "study/study_page_text.h"

#include "calc/number_format.h"
#include "study/study_text.h"

namespace tavoro {

std::string StudyInflowText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kSixDecimals);
}

std::string StudyLengthText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kThreeDecimals);
}

std::string TargetValueText(StudyTargetKind kind, double value) {
  if (kind == StudyTargetKind::kInflow) return "Q2 = " + StudyInflowText(value) + " m³/min";
  return "S2 = " + StudyLengthText(value) + " m";
}

std::string TargetText(const StudyTarget& target) {
  if (target.kind == StudyTargetKind::kInflow) {
    return "目標 Q2 ≤ " + StudyInflowText(target.value) + " m³/min";
  }
  return "目標 S2 ≤ " + StudyLengthText(target.value) + " m";
}

std::string StudyRangeText(const StudyResult& result) {
  const std::string text =
      TargetText(result.target) + "　改良幅 B = 0 ～ " + StudyLengthText(result.widthEnd) + " m";
  switch (result.bound) {
    case WidthBound::kAsked:
      return text + (result.widthEnd >= kMaxStudyWidth ? "（入力できる最大の改良幅まで）"
                                                       : "（指定した上限まで）");
    case WidthBound::kR1:
      return text + "（上限 " + StudyLengthText(result.widthMax) +
             " m のうち、r + B が影響範囲 R1 = " + StudyLengthText(result.withoutRing.R2) +
             " m に達する手前まで）";
    case WidthBound::kRange:
      return text + "（上限 " + StudyLengthText(result.widthMax) + " m のうち、r + B が計算範囲 " +
             StudyLengthText(result.calcRange) + " m に達する手前まで）";
  }
  return text;
}

std::string SolutionText(const StudySolution& solution, StudyTargetKind kind) {
  std::string text = "kg = " + KgText(solution.kg) + " cm/sec：";
  if (solution.width) {
    return text + "必要な改良幅 B = " + StudyLengthText(*solution.width) + " m（" +
           TargetValueText(kind, solution.value) + "）";
  }
  text += "範囲内では目標に届きません（最小 " + TargetValueText(kind, solution.best) + "、B = " +
          StudyLengthText(solution.bestWidth) + " m）";
  if (solution.widthBeyondRange) {
    text += "。計算範囲を " + StudyLengthText(solution.rangeNeeded) + " m 以上にすれば B = " +
            StudyLengthText(*solution.widthBeyondRange) + " m で届きます";
  }
  return text;
}

std::string KgForWidthText(const StudyResult& result) {
  if (!(result.caseWidth > 0)) {
    return "案件の改良幅が 0 のため、改良幅に対する改良後の透水係数は求めていません";
  }
  const std::string head = "案件の改良幅 B = " + StudyLengthText(result.caseWidth) +
                           " m で目標を満たす最大の改良後の透水係数：";
  if (!result.kgForWidth) return head + "kn の 10 桁下まで見つかりません";
  return head + "kg = " + KgText(*result.kgForWidth) + " cm/sec";
}

}  // namespace tavoro
