#pragma once

#include <array>
#include <string>
#include <string_view>

#include "batch/shaft_outcome.h"
#include "calc/quantities.h"

namespace tavoro {

// The result columns of a summary: the quantity, headed by its symbol and
// unit ("Q1 (m3/min)"), and its value in a computed case (NaN when the run
// could not compute it).
struct ResultColumn {
  Quantity quantity;
  double (*value)(const CalculationCase& calc);
};

inline constexpr std::size_t kResultColumnCount = 12;
extern const std::array<ResultColumn, kResultColumnCount> kResultColumns;

// The last column of summary.csv: what became of a row's documents.
inline constexpr std::string_view kDocumentsHeading = "書類";
// The uplift check's columns, with ground texts in the table.
inline constexpr std::string_view kUpliftFHeading = "盤ぶくれ F";
inline constexpr std::string_view kUpliftVerdictHeading = "盤ぶくれ判定";

// The 状態 of a row: 計算済み, 計算不可, or that the run had no such row.
std::string ShaftState(const ShaftOutcome& outcome);

// The last column of summary.csv, 注記: why the row was not computed or
// written, and why a result of a computed row is missing.
inline constexpr std::string_view kNotesHeading = "注記";
std::string ShaftNotes(const ShaftOutcome& outcome);

// What became of a row's documents: written or not, and the documents of an
// earlier run removed under its number.
std::string DocumentsNote(const ShaftOutcome& outcome);

// The shortest text that reads back to the same double, in plain decimals
// from 1e-6 up to 1e15 ("0.1", "240", "0.0001") and with an exponent beyond
// ("1e-07"); "inf", "-inf", and "" for a value not computed (NaN).
std::string ShortestNumberText(double value);

}  // namespace tavoro
