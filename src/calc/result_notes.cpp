#include "calc/result_notes.h"

#include "calc/number_format.h"
#include "calc/quantities.h"

namespace tavoro {
namespace {

std::string Metres(double value) {
  return FormatNumber(value, NumberPattern::kThreeDecimals) + " m";
}

bool AnyMissing(std::initializer_list<double> values) {
  for (const double value : values) {
    if (!IsComputed(value)) return true;
  }
  return false;
}

}  // namespace

std::vector<ResultNote> ResultNotes(const CalculationCase& c) {
  std::vector<ResultNote> notes;
  if (AnyMissing({c.r, c.H, c.R[kNatural], c.Q[kNatural], c.PointS[kNatural]})) {
    notes.push_back({"natural-not-computed",
                     "地盤改良なしの場合の値に算定不能があります（数値が計算できる範囲を超えました）。"});
  }
  if (!(c.B > 0)) return notes;
  const double edge = c.r + c.B;
  const double R2 = c.R[kImproved];
  if (IsComputed(edge) && IsComputed(R2) && edge > R2) {
    notes.push_back({"ring-beyond-r2",
                     "改良外円 r+B=" + Metres(edge) + " が影響範囲 R2=" + Metres(R2) +
                         " の外にあるため、改良後低下水位曲線と" + QuantityLabel(Quantity::kSx2) +
                         " は算定できません。"});
  } else if (!c.ImprovedCurveComputed ||
             AnyMissing({c.Q[kImproved], R2, c.CurveS[kImproved][kRingEdgePoint],
                         c.PointS[kImproved]})) {
    notes.push_back({"improved-not-computed",
                     "地盤改良を施した場合の値に算定不能があります（数値が計算できる範囲を超えました）。"});
  }
  return notes;
}

std::string JoinedNoteTexts(const std::vector<ResultNote>& notes) {
  std::string joined;
  for (const ResultNote& note : notes) {
    if (!joined.empty()) joined += "　";
    joined += note.text;
  }
  return joined;
}

}  // namespace tavoro
