#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

// Width of a text in twips, in the font the caller has in force.
using TextWidthOf = std::function<double(std::string_view)>;

// text cut so that it fits width twips, ending in "…" when cut.
// Cuts only between UTF-8 characters.
std::string FitText(const TextWidthOf& widthOf, std::string_view text, double width);

// How much of line to keep when the text breaks before the character next:
// all of it, or, when the break would split a symbol or number ("Sx" | "2"),
// the line up to that word, provided something is left on it.
std::size_t KeptBeforeBreak(std::string_view line, char next);

// text broken into at most maxLines lines of at most width twips each,
// between characters and never inside a symbol or number that fits a line;
// the last line ends in "…" when text goes on.
std::vector<std::string> WrapText(const TextWidthOf& widthOf, std::string_view text, double width,
                                  std::size_t maxLines);

}  // namespace tavoro
