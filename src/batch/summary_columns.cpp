#include "batch/summary_columns.h"

#include <charconv>
#include <cmath>

#include "calc/input_texts.h"
#include "calc/result_notes.h"

namespace tavoro {
const std::array<ResultColumn, kResultColumnCount> kResultColumns = {{
    {"r (m)", [](const CalculationCase& c) { return c.r; }},
    {"H (m)", [](const CalculationCase& c) { return c.H; }},
    {"h (m)", [](const CalculationCase& c) { return c.h[kNatural]; }},
    {"S (m)", [](const CalculationCase& c) { return c.S[kNatural]; }},
    {"R1 (m)", [](const CalculationCase& c) { return c.R[kNatural]; }},
    {"Q1 (m3/min)", [](const CalculationCase& c) { return c.Q[kNatural]; }},
    {"Q2 (m3/min)", [](const CalculationCase& c) { return c.Q[kImproved]; }},
    {"h2 (m)", [](const CalculationCase& c) { return c.CurveY[kImproved][kRingEdgePoint]; }},
    {"S2 (m)", [](const CalculationCase& c) { return c.CurveS[kImproved][kRingEdgePoint]; }},
    {"R2 (m)", [](const CalculationCase& c) { return c.R[kImproved]; }},
    {"Sx1 (m)", [](const CalculationCase& c) { return c.PointS[kNatural]; }},
    {"Sx2 (m)", [](const CalculationCase& c) { return c.PointS[kImproved]; }},
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
