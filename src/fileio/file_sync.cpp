#include "fileio/file_sync.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tavoro {

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wbx");
#else
  return std::fopen(path.c_str(), "wbx");
#endif
}

}  // namespace tavoro
