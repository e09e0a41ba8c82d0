#pragma once

#include <string>
#include <vector>

#include "calc/calculation_case.h"

namespace tavoro {

// Why a result was not computed or a curve is left out, as the pages, the
// copies and the command line tell it: a stable code ("ring-beyond-r2") and
// one short Japanese sentence.
struct ResultNote {
  std::string code;
  std::string text;

  friend bool operator==(const ResultNote&, const ResultNote&) = default;
};

// The notes of a computed case, empty when every result it shows was
// computed.
std::vector<ResultNote> ResultNotes(const CalculationCase& calc);

// The notes' texts joined with "　" for a single cell or line.
std::string JoinedNoteTexts(const std::vector<ResultNote>& notes);

}  // namespace tavoro
