#pragma once

#include <cstdio>

namespace tavoro {

// True when stream is an interactive terminal (a console on Windows).
bool IsTerminal(std::FILE* stream);

}  // namespace tavoro
