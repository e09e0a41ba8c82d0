#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavoro {

// `tavoro verify` with the arguments that follow "verify": runs the
// built-in worked examples, prints each with its source, inputs, published
// and computed values to out, and writes --json FILE|- and --pdf FILE, all
// of them or none. Returns 0 when every example passed and every file was
// written, 1 otherwise, 2 for a bad command line.
int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);


}  // namespace tavoro
