#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tavoro::testing {

// What a finished program left: its exit status (-1 when a signal or the time limit ended
// it) and everything it wrote, byte for byte.
struct ProcessResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs argv[0] (a path, or a name looked up on PATH) with exactly these argument bytes, in
// folder (unless empty), with standard input empty. env entries "NAME=value" set a variable,
// "NAME" alone removes it. A program still running after limit is killed. POSIX only.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& folder = "",
                         const std::vector<std::string>& env = {},
                         std::chrono::seconds limit = std::chrono::seconds(120));

// The built tavoro with these arguments, under LC_ALL=de_DE.UTF-8 (a decimal-comma locale).
ProcessResult RunTavoro(const std::vector<std::string>& args, const std::string& folder = "",
                        const std::vector<std::string>& env = {});

}  // namespace tavoro::testing
