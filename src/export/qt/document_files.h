#pragma once

#include <filesystem>
#include <string>

#include "export/output_formats.h"
#include "fileio/staged_files.h"
#include "page/display_list.h"

namespace tavoro {

// Renders document in memory in format and stages its files for path: one
// PDF of every page; a PNG (at dpi) or an SVG per page, a document of more
// than one page to path with "-1", "-2", ... before the extension; a DXF
// drawing of a one-page document. Needs a QGuiApplication. When note is given it receives a Japanese
// remark for a staged file that differs from the page: the characters a DXF
// drawing could not carry.
Status StageDocument(const Document& document, OutputFormat format,
                     const std::filesystem::path& path, int dpi, StagedFiles& files,
                     std::string* note = nullptr);

}  // namespace tavoro
