#pragma once

#include <cmath>
#include <string>

namespace tavoro {

// The number patterns of the report and the chart: "#0", "#0.00", "#0.000"
// and "#0.000000".
enum class NumberPattern { kWhole, kTwoDecimals, kThreeDecimals, kSixDecimals };

// A result a run could not compute is NaN in its record; one that overflowed
// is infinite. Neither is a number to show.
inline bool IsComputed(double value) {
  return std::isfinite(value);
}

// What the report, the chart and the messages show for a value that was not
// computed.
inline constexpr char kNotComputedMark[] = "算定不能";

// Formats value with the pattern: at least one digit before the point,
// exactly the pattern's digits after it, no grouping, "-" for negatives, and
// always the full stop, whatever the process locale. The value is first taken
// to 15 significant digits and then rounded half away from zero, so 2.675
// with two decimals gives "2.68". A value that rounds to zero shows no sign.
// Non-finite values read "∞", "-∞" and "NaN".
std::string FormatNumber(double value, NumberPattern pattern);

}  // namespace tavoro
