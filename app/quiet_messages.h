#pragma once

namespace tavoro {

// For the command line: drops Qt's notice that XDG_RUNTIME_DIR is not set (as under cron,
// ssh or CI; Qt then makes a private folder of its own, which is all a command needs), so
// that a command that succeeds writes nothing on standard error. Every other Qt message
// passes as before.
void DropRuntimeDirNotice();

}  // namespace tavoro
