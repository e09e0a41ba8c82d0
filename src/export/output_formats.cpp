#include "export/output_formats.h"

#include <array>

#include "calc/text_cut.h"

namespace tavoro {
namespace {

struct FormatName {
  OutputFormat format;
  std::string_view extension;
};

constexpr std::array<FormatName, 6> kExtensions{{
    {OutputFormat::kPdf, ".pdf"},
    {OutputFormat::kPng, ".png"},
    {OutputFormat::kSvg, ".svg"},
    {OutputFormat::kDxf, ".dxf"},
    {OutputFormat::kCsv, ".csv"},
    {OutputFormat::kJson, ".json"},
}};

// Start of the last name of path, after a slash or (Windows) a backslash.
std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<OutputFormat> OutputFormatOf(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  for (const FormatName& known : kExtensions) {
    const std::string_view ext = known.extension;
    // A name that is only the extension (".pdf") has no stem.
    if (name.size() <= ext.size()) continue;
    const std::string_view tail = name.substr(name.size() - ext.size());
    bool same = true;
    for (std::size_t i = 0; i < ext.size(); ++i) same = same && Lower(tail[i]) == ext[i];
    if (same) return known.format;
  }
  return std::nullopt;
}

std::string_view OutputExtension(OutputFormat format) {
  for (const FormatName& known : kExtensions) {
    if (known.format == format) return known.extension;
  }
  return "";
}

Status CheckOutputName(std::string_view option, const std::vector<OutputFormat>& accepted,
                       bool standardOutput, std::string_view path) {
  if (standardOutput && path == "-") return Status::Ok();
  const std::optional<OutputFormat> format = OutputFormatOf(path);
  for (const OutputFormat ok : accepted) {
    if (format == ok) return Status::Ok();
  }
  std::string list;
  for (const OutputFormat ok : accepted) {
    if (!list.empty()) list += "、";
    list += OutputExtension(ok);
  }
  std::string message(option);
  message += " の出力ファイル名「";
  message += FirstCharacters(path);
  message += "」の拡張子では書けません。";
  message += list;
  message += accepted.size() > 1 ? " のどれかで終わる名前にしてください" : " で終わる名前にしてください";
  if (standardOutput) message += "（標準出力は -）";
  return Status::Error(message);
}

std::filesystem::path PagePath(const std::filesystem::path& path, int pageIndex, int pageCount) {
  if (pageCount <= 1) return path;
  std::filesystem::path name = path.stem();
  name += "-" + std::to_string(pageIndex + 1);
  name += path.extension();
  return path.parent_path() / name;
}

}  // namespace tavoro
