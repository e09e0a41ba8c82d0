#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// text as one CSV cell: quoted when it holds a comma, quote or line break
// or begins or ends with a blank. A text that a spreadsheet would take for
// a formula (beginning with =, +, -, @, a tab or a carriage return) and that
// is not a plain number gets a leading apostrophe, so it shows as typed and
// never runs. Numbers stay numbers.
std::string CsvCell(std::string_view text);

}  // namespace tavoro
