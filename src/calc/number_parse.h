#pragma once

#include <optional>
#include <string_view>

namespace tavoro {

// The value of the longest leading number of text, as the form reads a field:
// blanks, tabs, carriage returns and line feeds are skipped anywhere, an
// optional sign, digits with the full stop as the decimal point (in every
// locale), and an exponent introduced by E or e. Reading stops at the first
// character that cannot continue the number ("12.5m" gives 12.5, "3,5" gives
// 3, "12e" gives 12). A text without a leading number gives 0. Empty when the
// number lies beyond the range of a double; a number too small for a double
// gives 0. Work is linear in the length of text.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace tavoro
