#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavoro {

enum class ReadFailure {
  kNone,
  kCannotOpen,   // missing, or not readable by the user
  kNotRegular,   // a folder, a pipe, a device: refused without waiting
  kTooLarge,     // more than the limit
  kReadError,
};

struct FileBytes {
  std::string bytes;
  ReadFailure failure = ReadFailure::kNone;
};

// Reads the whole regular file at path when it holds at most maxBytes.
// Never waits on a pipe or a device; memory used is at most maxBytes + 1.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace tavoro
