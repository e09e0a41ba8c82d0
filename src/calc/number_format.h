#pragma once

#include <string>

namespace tavoro {

// The number patterns of the report and the chart: "#0", "#0.00", "#0.000"
// and "#0.000000".
enum class NumberPattern { kWhole, kTwoDecimals, kThreeDecimals, kSixDecimals };

// Formats value with the pattern: at least one digit before the point,
// exactly the pattern's digits after it, no grouping, "-" for negatives, and
// always the full stop, whatever the process locale. The value is first taken
// to 15 significant digits and then rounded half away from zero, so 2.675
// with two decimals gives "2.68". A value that rounds to zero shows no sign.
// Non-finite values read "∞", "-∞" and "NaN".
std::string FormatNumber(double value, NumberPattern pattern);

}  // namespace tavoro
