#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavoro {

// `tavoro study` with the arguments that follow "study": runs the design
// study of the ring on one case and writes what was asked. Standard output
// (answers, --json -, --help) goes to out, messages to err. Returns 0 when
// every kg meets the target, 1 when some does not or a file could not be
// written, 2 on a bad command line or a rejected input.
int RunStudyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavoro
