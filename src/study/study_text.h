#pragma once

#include <string>

namespace tavoro {

// A permeability to three significant digits in the form the form reads
// back: "1.00e-4", "2.35e-5".
std::string KgText(double cmPerSec);

// The shortest text that reads back as value ("0.1", "1e-05", "2.345"), with
// the full stop in every locale; "NaN" or "∞" when not finite.
std::string ShortNumberText(double value);

// value to 15 significant digits and read back: the double a user gets by
// typing value's printed digits.
double AsTyped(double value);

}  // namespace tavoro
