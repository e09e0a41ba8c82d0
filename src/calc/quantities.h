#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// The computed quantities as Tavoro's own texts name them (the copy to the
// clipboard, the CSV files, the batch summaries, the study pages and the
// messages): one symbol, one name and one unit each, after the report's
// symbols and captions. The report and chart pages keep their own wording.
enum class Quantity { kr, kH, kh, kS, kR1, kQ1, kSx1, kQ2, kh2, kS2, kR2, kSx2 };

struct QuantityText {
  std::string_view symbol;     // "Sx1"
  std::string_view name;       // "着目点の水位低下量"
  std::string_view condition;  // "地盤改良なし", "地盤改良あり", or "" for one of a kind
  std::string_view unit;       // "m" or "m3/min", as a spreadsheet takes it
};

const QuantityText& QuantityOf(Quantity quantity);

// The name with its condition in full-width brackets: "湧水量（地盤改良なし）".
std::string QuantityName(Quantity quantity);

// The name without the condition, then the symbol: "改良外円の水位低下量 S2".
std::string QuantityLabel(Quantity quantity);

// The symbol and unit as a column heading: "Q1 (m3/min)".
std::string QuantityHeading(Quantity quantity);

// A unit as printed on a page: "m³/min" for "m3/min", others as they are.
std::string_view PrintedUnit(std::string_view unit);

}  // namespace tavoro
