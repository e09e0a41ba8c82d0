#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavoro {

// The shaft's part of its file names: "NNN-<shaft>" with the number
// zero-padded to three digits or more, or "NNN" when the shaft is unnamed.
// The shaft name is made safe on every system: characters a file name may
// not hold (\ / : * ? " < > | and control characters) become "_", blanks and
// full stops at either end are dropped, and it is cut to at most 80 bytes at
// a character boundary.
std::string ShaftFileStem(int number, std::string_view shaft);

// The kinds of a shaft's documents: "NNN-<shaft>-report.pdf" and
// "NNN-<shaft>-chart.pdf".
inline constexpr std::string_view kShaftDocumentKinds[] = {"report", "chart"};

// The file name of a shaft's document of one kind.
std::string ShaftDocumentName(int number, std::string_view shaft, std::string_view kind);

// The row number of a file name a batch could have given a shaft's document
// (number as ShaftFileStem writes it, a shaft name as made safe, one of the
// kinds); none for any other name.
std::optional<int> ShaftDocumentNumber(std::string_view fileName);

}  // namespace tavoro
