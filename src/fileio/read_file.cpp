#include "fileio/read_file.h"

#include <cstdio>
#include <memory>

#include "fileio/system_files.h"

namespace tavoro {

FileBytes ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  FileBytes read;
  bool notRegular = false;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenRegularFile(path, notRegular),
                                                             &std::fclose);
  if (!file) {
    read.failure = notRegular ? ReadFailure::kNotRegular : ReadFailure::kCannotOpen;
    return read;
  }
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
    if (read.bytes.size() + n > maxBytes) {
      read.failure = ReadFailure::kTooLarge;
      read.bytes.clear();
      return read;
    }
    read.bytes.append(buffer, n);
  }
  if (std::ferror(file.get())) {
    read.failure = ReadFailure::kReadError;
    read.bytes.clear();
  }
  return read;
}

}  // namespace tavoro
