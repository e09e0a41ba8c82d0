#include "study/study.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/compute_case.h"
#include "calc/quantities.h"
#include "study/graph_scale.h"
#include "study/ring_evaluation.h"
#include "study/study_search.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

// How far below kn the largest kg for the case's width is sought.
constexpr int kKgSearchDecades = 10;

double CaseRadius(const CalculationCase& inputs) {
  CalculationCase calc;
  calc.L = inputs.L;
  ComputeCase(calc);
  return calc.r;
}

std::string TargetMessage(const StudyTarget& target) {
  const bool inflow = target.kind == StudyTargetKind::kInflow;
  return "目標の" + StudyTargetLabel(target.kind) + " は 0 より大きい値（" +
         (inflow ? "m³/min" : "m") + "）を指定してください。";
}

std::string KgBoundsText(double knCmPerSec) {
  return "1e-9 以上で改良前の透水係数 kn（" + ShortNumberText(knCmPerSec) +
         " cm/sec）以下の値";
}

StudySolution SolveWidth(const StudyRequest& request, const StudyCurve& curve,
                         const std::vector<std::int64_t>& grid, const std::vector<double>& widths) {
  const StudyTarget& target = request.target;
  StudySolution solution;
  solution.kg = curve.kg;
  solution.value = std::numeric_limits<double>::quiet_NaN();
  solution.best = std::numeric_limits<double>::quiet_NaN();
  const auto consider = [&](double value, double width) {
    if (std::isfinite(value) && !(value >= solution.best)) {
      solution.best = value;
      solution.bestWidth = width;
    }
  };

  std::vector<bool> meets;
  meets.reserve(curve.values.size());
  for (std::size_t i = 0; i < curve.values.size(); ++i) {
    meets.push_back(MeetsTarget(curve.values[i], target));
    consider(TargetQuantity(curve.values[i], target.kind), widths[i]);
  }
  const auto meetsAt = [&](std::int64_t mm) {
    return MeetsTarget(EvaluateRing(request.inputs, MillimetresToMetres(mm), curve.kg), target);
  };
  const std::optional<std::int64_t> found = NarrowestMeetingWidth(grid, meets, meetsAt);
  if (found) {
    const double width = MillimetresToMetres(*found);
    solution.width = width;
    solution.value = TargetQuantity(EvaluateRing(request.inputs, width, curve.kg), target.kind);
    consider(solution.value, width);
  }
  return solution;
}

// The narrowest ring beyond the calculation range, up to the other bounds,
// that meets the target; sampled and bisected as the widths inside it are.
std::optional<double> WidthBeyondRange(const StudyRequest& request, double kg, double r,
                                       double R1, std::int64_t endMm) {
  WidthBound bound = WidthBound::kAsked;
  const std::int64_t farMm =
      WidthEndMillimetres(request.widthMax, r, R1, std::numeric_limits<double>::infinity(), bound);
  if (farMm <= endMm) return std::nullopt;
  const auto meetsAt = [&](std::int64_t mm) {
    return MeetsTarget(EvaluateRing(request.inputs, MillimetresToMetres(mm), kg), request.target);
  };
  std::vector<std::int64_t> grid = WidthGrid(farMm - endMm);
  std::vector<bool> meets;
  meets.reserve(grid.size());
  for (std::int64_t& mm : grid) {
    mm += endMm;
    meets.push_back(mm == endMm ? false : meetsAt(mm));
  }
  const std::optional<std::int64_t> found = NarrowestMeetingWidth(grid, meets, meetsAt);
  if (!found) return std::nullopt;
  return MillimetresToMetres(*found);
}

// Samples of every kg over 0..widths of the grid, as the curves are.
std::vector<StudyCurve> SampledCurves(const StudyRequest& request,
                                      const std::vector<double>& widths) {
  std::vector<StudyCurve> curves;
  for (const double kg : request.kgList) {
    StudyCurve curve;
    curve.kg = kg;
    curve.values.reserve(widths.size());
    for (const double width : widths) {
      curve.values.push_back(EvaluateRing(request.inputs, width, kg));
    }
    curves.push_back(std::move(curve));
  }
  return curves;
}

std::vector<double> GridWidths(std::int64_t endMm) {
  std::vector<double> widths;
  for (const std::int64_t mm : WidthGrid(endMm)) widths.push_back(MillimetresToMetres(mm));
  return widths;
}

std::optional<double> LargestKgForWidth(const StudyRequest& request) {
  const double width = request.inputs.B;
  const double kn = request.knCmPerSec;
  if (!(width > 0) || !std::isfinite(width) || !(kn >= kMinPermeability) || !std::isfinite(kn)) {
    return std::nullopt;
  }
  // No looser than the natural ground as typed: kn itself when it has three
  // digits, for the rungs are the values their texts read as.
  const std::int64_t top = LadderRungAtMost(kn);
  const auto meetsAt = [&](std::int64_t rung) {
    return MeetsTarget(EvaluateRing(request.inputs, width, LadderValue(rung)), request.target);
  };
  // Ten decades down, and no tighter than the form accepts.
  std::int64_t bottom = top - kKgSearchDecades * kRungsPerDecade;
  std::int64_t lowest = LadderRungAtMost(kMinPermeability);
  if (LadderValue(lowest) < kMinPermeability) ++lowest;
  bottom = std::max(bottom, lowest);
  const std::optional<std::int64_t> rung = LoosestMeetingRung(top, bottom, meetsAt);
  if (!rung) return std::nullopt;
  return LadderValue(*rung);
}

}  // namespace

std::string StudyTargetLabel(StudyTargetKind kind) {
  return QuantityLabel(kind == StudyTargetKind::kInflow ? Quantity::kQ2 : Quantity::kS2);
}

std::string StudyTargetHeading(StudyTargetKind kind) {
  const Quantity quantity = kind == StudyTargetKind::kInflow ? Quantity::kQ2 : Quantity::kS2;
  return QuantityLabel(quantity) + " (" + std::string(PrintedUnit(QuantityOf(quantity).unit)) + ")";
}

std::optional<std::string> CheckStudyRequest(const StudyRequest& request) {
  if (request.kgList.empty()) {
    return std::string(
        "検討する改良後の透水係数がありません。0 より大きい値（cm/sec）を 1 個から 6 "
        "個指定してください。");
  }
  if (request.kgList.size() > kMaxStudyPermeabilities) {
    return "検討する改良後の透水係数は 6 個までです（" + std::to_string(request.kgList.size()) +
           " 個指定されています）。";
  }
  for (std::size_t i = 0; i < request.kgList.size(); ++i) {
    const double kg = request.kgList[i];
    if (!(kg >= kMinPermeability && kg <= request.knCmPerSec)) {
      return "検討する改良後の透水係数の " + std::to_string(i + 1) + " 番目は使えません。" +
             KgBoundsText(request.knCmPerSec) + "を指定してください。";
    }
  }
  if (!(request.widthMax > 0) || !(request.widthMax <= kMaxStudyWidth)) {
    return "改良幅の上限は 0 より大きく " + ShortNumberText(kMaxStudyWidth) +
           " 以下の値（m）を指定してください。";
  }
  if (!(request.target.value > 0) || !std::isfinite(request.target.value)) {
    return TargetMessage(request.target);
  }
  const double r = CaseRadius(request.inputs);
  const RingValues base = EvaluateRing(request.inputs, 0, request.kgList.front());
  if (!(r > 0) || !std::isfinite(base.Q2) || !std::isfinite(base.R2) || !(base.R2 > r)) {
    return "この案件では改良幅を検討できません。改良前の湧水量 Q1 と影響範囲 R1 "
           "が求まり、R1 が円換算半径 r より大きくなる入力にしてください。";
  }
  WidthBound bound = WidthBound::kAsked;
  if (WidthEndMillimetres(request.widthMax, r, base.R2, request.inputs.CalcRange, bound) <= 0) {
    return std::string(
        "改良幅を取れる範囲がありません。改良幅の上限を 1 mm 以上にし、影響範囲 R1 "
        "と計算範囲が円換算半径 r より 1 mm 以上大きくなる入力にしてください。");
  }
  return std::nullopt;
}

StudyResult RunStudy(const StudyRequest& request) {
  StudyResult result;
  result.target = request.target;
  result.widthMax = request.widthMax;
  result.caseWidth = request.inputs.B;
  result.calcRange = request.inputs.CalcRange;
  result.knCmPerSec = request.knCmPerSec;
  result.r = CaseRadius(request.inputs);
  const double anyKg = request.kgList.empty() ? 0 : request.kgList.front();
  result.withoutRing = EvaluateRing(request.inputs, 0, anyKg);

  const double R1 = result.withoutRing.R2;
  const std::int64_t endMm = WidthEndMillimetres(request.widthMax, result.r, R1,
                                                 request.inputs.CalcRange, result.bound);
  result.widthEnd = MillimetresToMetres(endMm);
  const std::vector<std::int64_t> grid = WidthGrid(endMm);
  result.widths = GridWidths(endMm);
  result.curves = SampledCurves(request, result.widths);
  for (const StudyCurve& curve : result.curves) {
    StudySolution solution = SolveWidth(request, curve, grid, result.widths);
    if (!solution.width && result.bound == WidthBound::kRange) {
      solution.widthBeyondRange = WidthBeyondRange(request, curve.kg, result.r, R1, endMm);
      if (solution.widthBeyondRange) {
        solution.rangeNeeded = RangeBeyond(result.r, *solution.widthBeyondRange);
      }
    }
    result.solutions.push_back(std::move(solution));
  }
  std::vector<double> found;
  for (const StudySolution& solution : result.solutions) {
    if (solution.width) found.push_back(*solution.width);
  }
  const AxisScale axis = WidthScale(found, result.widthEnd);
  if (axis.top < result.widthEnd) {
    result.graphWidths = GridWidths(std::llround(axis.top * 1000));
    result.graphCurves = SampledCurves(request, result.graphWidths);
  }
  result.kgForWidth = LargestKgForWidth(request);
  return result;
}

std::vector<double> DefaultStudyPermeabilities(double caseWidth, double caseKg,
                                               double knCmPerSec) {
  if (!(knCmPerSec >= kMinPermeability) || !std::isfinite(knCmPerSec)) return {};
  const bool ring = caseWidth > 0 && caseKg >= kMinPermeability && caseKg <= knCmPerSec;
  const std::vector<double> candidates =
      ring ? std::vector<double>{caseKg, AsTyped(caseKg / 10), AsTyped(caseKg * 10)}
           : std::vector<double>{AsTyped(knCmPerSec / 10), AsTyped(knCmPerSec / 100),
                                 AsTyped(knCmPerSec / 1000)};
  std::vector<double> list;
  for (const double kg : candidates) {
    if (kg >= kMinPermeability && kg <= knCmPerSec) list.push_back(kg);
  }
  if (list.empty()) list.push_back(knCmPerSec);
  return list;
}

}  // namespace tavoro
