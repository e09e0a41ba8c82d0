#include "batch/summary_columns.h"

#include <charconv>
#include <cmath>

#include "calc/input_texts.h"
#include "calc/result_notes.h"

namespace tavoro {
const std::array<ResultColumn, kResultColumnCount> kResultColumns = {{
    {Quantity::kr, [](const CalculationCase& c) { return c.r; }},
    {Quantity::kH, [](const CalculationCase& c) { return c.H; }},
    {Quantity::kh, [](const CalculationCase& c) { return c.h[kNatural]; }},
    {Quantity::kS, [](const CalculationCase& c) { return c.S[kNatural]; }},
    {Quantity::kR1, [](const CalculationCase& c) { return c.R[kNatural]; }},
    {Quantity::kQ1, [](const CalculationCase& c) { return c.Q[kNatural]; }},
    {Quantity::kQ2, [](const CalculationCase& c) { return c.Q[kImproved]; }},
    {Quantity::kh2, [](const CalculationCase& c) { return c.CurveY[kImproved][kRingEdgePoint]; }},
    {Quantity::kS2, [](const CalculationCase& c) { return c.CurveS[kImproved][kRingEdgePoint]; }},
    {Quantity::kR2, [](const CalculationCase& c) { return c.R[kImproved]; }},
    {Quantity::kSx1, [](const CalculationCase& c) { return c.PointS[kNatural]; }},
    {Quantity::kSx2, [](const CalculationCase& c) { return c.PointS[kImproved]; }},
}};

std::string ShaftState(const ShaftOutcome& outcome) {
  if (!outcome.inRun) return "今回の表にない行";
  return outcome.computed ? "計算済み" : "計算不可";
}

std::string ShaftNotes(const ShaftOutcome& outcome) {
  std::string notes = outcome.inRun ? outcome.failure : std::string();
  if (outcome.computed) {
    const std::string reasons = JoinedNoteTexts(ResultNotes(outcome.calc));
    if (!reasons.empty()) notes += (notes.empty() ? "" : "　") + reasons;
  }
  return notes;
}

std::string DocumentsNote(const ShaftOutcome& outcome) {
  std::string note;
  if (outcome.inRun) note = outcome.Succeeded() ? "作成しました" : "作成していません";
  if (!outcome.removed.empty()) {
    if (!note.empty()) note += "。";
    note += "前回の書類を削除しました: ";
    for (std::size_t i = 0; i < outcome.removed.size(); ++i) {
      note += (i > 0 ? "、" : "") + outcome.removed[i];
    }
  }
  return note;
}

std::string ShortestNumberText(double value) {
  if (std::isnan(value)) return "";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  // Plain decimals for everyday magnitudes ("0.0001", not "1e-04"); the
  // shortest form beyond them. Either reads back to the same double.
  char buffer[400];
  const double magnitude = std::abs(value);
  if (magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e15)) {
    const auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, fixed.ptr);
  }
  const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, shortest.ptr);
}

}  // namespace tavoro
