#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavoro {

// The first count characters of a UTF-8 text, as a message quotes what it
// refuses: never cut inside a character, control characters as blanks, a
// byte of a broken character as "?", and "…" after a cut.
std::string FirstCharacters(std::string_view text, std::size_t count = 40);

}  // namespace tavoro
