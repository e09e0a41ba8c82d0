#pragma once

#include <array>
#include <string>

#include "calc/input_fields.h"

namespace tavoro {

// The input texts as typed, in form order (kInputFields).
using InputTexts = std::array<std::string, kInputFieldCount>;

// The Japanese caption of input field 0..8, e.g. "地下水位", or of a ground
// field 9..17; "" outside.
const char* InputFieldCaption(int field);

}  // namespace tavoro
