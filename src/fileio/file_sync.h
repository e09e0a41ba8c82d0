#pragma once

#include <cstdio>
#include <filesystem>

namespace tavoro {

// Flushes file's written data from the system's cache to the disk; false
// when the disk reports an error.
bool SyncToDisk(std::FILE* file);

// Opens path for writing only when no file of that name exists yet; null
// otherwise (errno says why).
std::FILE* CreateNewFile(const std::filesystem::path& path);

}  // namespace tavoro
