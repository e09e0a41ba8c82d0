#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavoro {

// 日付 as typed to the form Tavoro keeps. Accepts YYYY-MM-DD, YYYY/MM/DD and
// YYYY年M月D日 (month and day with one or two digits, full-width digits and
// separators too) naming a real calendar day, and returns it as YYYY-MM-DD;
// anything else gives nothing. The one reading of --date, case files, tables
// and the project dialog.
std::optional<std::string> NormalizedProjectDate(std::string_view text);

// Whether text is already 日付 as Tavoro keeps it (YYYY-MM-DD, a real day).
bool IsProjectDate(std::string_view text);

// The forms quoted when a date is refused.
inline constexpr std::string_view kProjectDateForm = "YYYY-MM-DD、YYYY/MM/DD、YYYY年M月D日";

}  // namespace tavoro
