#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavoro {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a file could not be written
inline constexpr int kExitUsage = 2;   // bad command line or refused input

// The help text of `tavoro`: its commands.
std::string UsageText();

// `tavoro export` with the arguments that follow "export": runs one case
// as the form would and writes the JSON, the report and the chart asked for,
// all of them or none.
// Standard output (for --json - and --help) goes to out, messages to err.
// Returns the process exit status.
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavoro
