#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavoro {

// The files of one command, written all or none. Add the targets with their
// bytes, then Commit: each is written to a temporary file beside its target,
// every write checked, flushed to disk, and only when all are written are
// they renamed over their targets. On a failure no target is replaced, no
// temporary file remains, and the Japanese message names the file. A target
// that exists but is not a regular file (a directory, a device) is refused.
// Paths pass as the system gives them, without re-encoding.
class StagedFiles {
 public:
  void Add(std::filesystem::path target, std::string bytes);

  // Empty when every file was written; else the message. The staged files
  // are cleared either way.
  std::optional<std::string> Commit();

 private:
  struct Staged {
    std::filesystem::path target;
    std::string bytes;
    std::filesystem::path temporary;
  };

  std::optional<std::string> WriteTemporary(Staged& staged);
  void RemoveTemporaries();

  std::vector<Staged> staged_;
};

// The path as bytes for a message: UTF-8 on Windows, unchanged elsewhere.
std::string PathForMessage(const std::filesystem::path& path);

}  // namespace tavoro
