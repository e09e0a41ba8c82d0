#pragma once

namespace tavoro {

// Starts the desktop program: the input form, then output windows as the
// engineer asks for them. Returns the process exit status. Without a display
// it prints a message naming `tavoro export` and returns non-zero.
int RunDesktop(int argc, char** argv);

}  // namespace tavoro
