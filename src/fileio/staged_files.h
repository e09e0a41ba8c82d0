#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "status/status.h"

namespace tavoro {

// The files of one command, written all or none. Add the targets with their
// bytes, then Commit: each is written to a temporary file beside its target,
// every write checked and flushed to disk; each existing target is kept
// aside under a backup name, the temporary files are renamed over their
// targets, and only after the last rename are the backups removed. When any
// step fails every target is put back as it was, no temporary file remains,
// and the Japanese message names the file.
//
// Refused before anything is written: a target that exists but is not a
// regular file, a read-only target or one the user may not write, and a link
// that Linux's protected-symlinks rule would not follow (another user's link
// in a shared folder such as /tmp). Temporary and backup names are short
// (".tavoro-<process>-<random>.tmp" / ".bak"), whatever the target's name.
// Paths pass as the system gives them, without re-encoding.
class StagedFiles {
 public:
  StagedFiles() = default;
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;
  ~StagedFiles();  // removes the temporary files of a commit cut short

  void Add(std::filesystem::path target, std::string bytes);

  // Fails when two targets added are one file (the same name, or a link to
  // the other). Commit refuses them too.
  Status SameFileTwice() const;

  // OK when every file was written. The staged files are cleared either way.
  Status Commit();

 private:
  struct Staged {
    std::filesystem::path target;  // as given, for messages
    std::filesystem::path file;    // the file replaced: target, or where its link leads
    std::string bytes;
    std::filesystem::path temporary;
    std::filesystem::path backup;  // the old file kept aside
    bool existed = false;
    bool movedAside = false;  // the backup is the old file renamed, not a second link
    bool replaced = false;
  };

  Status WriteTemporary(Staged& staged);
  Status KeepAside(Staged& staged);
  std::string PutBack();
  void RemoveTemporaries();

  std::vector<Staged> staged_;
};

// Removes the temporary and backup files in folder that a Tavoro process
// which has ended (killed mid-save) left behind.
void RemoveLeftovers(const std::filesystem::path& folder);

// Removes the temporary files this process is writing, for a process that
// is about to end on an error it cannot recover from (an exception thrown
// through the windowing toolkit). Safe from any thread; does nothing while
// another thread is adding or removing one.
void RemoveTemporariesInProgress() noexcept;

// The path as bytes for a message: UTF-8 on Windows, unchanged elsewhere.
std::string PathForMessage(const std::filesystem::path& path);

}  // namespace tavoro
