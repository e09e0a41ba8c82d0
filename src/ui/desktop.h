#pragma once

namespace tavoro {

// Starts the desktop program: the input form, then output windows as the
// engineer asks for them. The first argument left after the toolkit's own
// options is a case file to open. Returns the process exit status. Without a display
// it prints a message naming `tavoro export` and returns non-zero.
int RunDesktop(int argc, char** argv);

}  // namespace tavoro
