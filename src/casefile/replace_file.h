#pragma once

#include <filesystem>
#include <string_view>

namespace tavoro {

// Writes bytes to a temporary file beside path, checks every write and
// renames it over path. On failure path is left as it was and no temporary
// file remains. Returns whether path now holds bytes.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavoro
