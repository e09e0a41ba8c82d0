#pragma once

#include <string>

#include "page/display_list.h"

namespace tavoro::testing {

// A recorded document as text, one command a line: the kind, the layer, the coordinates in
// twips to 0.01, the pen, brush or font, and the text.
std::string DocumentText(const Document& document);

// Expects text to equal tests/golden/<name>.txt, naming the first line that differs. With
// TAVORO_UPDATE_GOLDEN=1 in the environment the file is written instead (review the change
// with git diff).
void ExpectGolden(const std::string& name, const std::string& text);

}  // namespace tavoro::testing
