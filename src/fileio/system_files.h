#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace tavoro {

// The few calls that differ between systems, in one place. Elsewhere files
// go through the C++ standard library.

// Flushes file's written data from the system's cache to the disk; false
// when the disk reports an error.
bool SyncToDisk(std::FILE* file);

// Opens path for writing only when no file of that name exists yet (a link
// of that name is not followed); null otherwise (errno says why).
std::FILE* CreateNewFile(const std::filesystem::path& path);

// Opens path for reading only when it is a regular file, without waiting on
// a pipe or a device; null otherwise, with notRegular set when the name
// exists but is something else.
std::FILE* OpenRegularFile(const std::filesystem::path& path, bool& notRegular);

// Makes an oversized write fail with EFBIG instead of ending the process.
void IgnoreFileSizeSignal();

// Whether the link at path may be followed: it belongs to the user running
// Tavoro, or its folder is not both sticky and writable by everyone (the
// rule by which Linux protects shared folders such as /tmp).
bool MayFollowLink(const std::filesystem::path& path);

// Whether the user may write the existing file at path.
bool MayWriteFile(const std::filesystem::path& path);

// This process's number, and whether the process numbered id has ended.
long CurrentProcessId();
bool ProcessHasEnded(long id);

}  // namespace tavoro
