#pragma once

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

}  // namespace tavoro
