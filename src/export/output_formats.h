#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "status/status.h"

namespace tavoro {

enum class OutputFormat { kPdf, kPng, kSvg, kDxf, kCsv, kJson };

// The format an output name's extension names (".pdf", ".PNG", ...), or
// nothing for any other extension or none.
std::optional<OutputFormat> OutputFormatOf(std::string_view path);

// The extension of format with its dot, e.g. ".dxf".
std::string_view OutputExtension(OutputFormat format);

// Nothing when path is a name an output option can write: one ending in
// an accepted extension, or "-" when the option may write standard output.
// Else the usage error, naming the option and the
// accepted extensions.
Status CheckOutputName(std::string_view option, const std::vector<OutputFormat>& accepted,
                       bool standardOutput, std::string_view path);

// "out.png" as page 2 of 2 -> "out-2.png"; a one-page document keeps path.
std::filesystem::path PagePath(const std::filesystem::path& path, int pageIndex, int pageCount);

// Resolution of PNG files unless asked otherwise.
inline constexpr int kDefaultPngDpi = 150;

}  // namespace tavoro
