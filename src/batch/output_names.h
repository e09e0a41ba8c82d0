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

// The shaft name made safe as a file name by that rule; "" when nothing is left.
std::string SafeShaftName(std::string_view shaft);

// The name 保存 proposes for a document shown on the desktop, without its
// extension: "<shaft>_<document>" with the shaft name made safe as above,
// else "<case>_<document>" from the case file's base name, else the
// document's name alone.
std::string ProposedDocumentStem(std::string_view shaft, std::string_view caseStem,
                                 std::string_view document);

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
