#pragma once

#include <string_view>

namespace tavoro {

// Whether text is 日付 as Tavoro keeps it: a calendar date written
// YYYY-MM-DD. The one check of --date, case files, tables and the project
// dialog.
bool IsProjectDate(std::string_view text);

// The form quoted when a date is refused.
inline constexpr std::string_view kProjectDateForm = "YYYY-MM-DD";

}  // namespace tavoro
