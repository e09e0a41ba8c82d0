#include "ui/desktop.h"

#include <cstdio>

namespace tavoro {

int RunDesktop(int, char**) {
  std::fprintf(stderr, "tavoro: the desktop window is not built yet; use `tavoro export`.\n");
  return 1;
}

}  // namespace tavoro
