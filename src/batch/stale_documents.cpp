#include "batch/stale_documents.h"

#include <algorithm>
#include <system_error>

#include "batch/output_names.h"

namespace tavoro {
namespace {

std::string Utf8Name(const std::filesystem::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

bool SameFileAsAny(const std::filesystem::path& path,
                   const std::vector<std::filesystem::path>& written) {
  for (const std::filesystem::path& file : written) {
    if (file.filename() == path.filename()) return true;
    std::error_code ec;
    if (std::filesystem::equivalent(file, path, ec) && !ec) return true;
  }
  return false;
}

}  // namespace

std::vector<StaleDocument> FindStaleDocuments(const std::filesystem::path& outDir,
                                              const std::vector<std::filesystem::path>& written) {
  std::vector<StaleDocument> stale;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(outDir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::directory_entry& entry = *it;
    std::error_code typeError;
    if (!entry.is_regular_file(typeError) || entry.is_symlink(typeError)) continue;
    const std::string name = Utf8Name(entry.path());
    const std::optional<int> number = ShaftDocumentNumber(name);
    if (!number || SameFileAsAny(entry.path(), written)) continue;
    stale.push_back({*number, name, entry.path()});
  }
  std::sort(stale.begin(), stale.end(), [](const StaleDocument& a, const StaleDocument& b) {
    return a.number != b.number ? a.number < b.number : a.name < b.name;
  });
  return stale;
}

Status RemoveStaleDocuments(const std::vector<StaleDocument>& documents) {
  std::string failed;
  for (const StaleDocument& document : documents) {
    std::error_code ec;
    std::filesystem::remove(document.path, ec);
    if (ec) failed += (failed.empty() ? "" : "、") + document.name;
  }
  if (failed.empty()) return Status::Ok();
  return Status::Error("前回の書類を削除できません: " + failed);
}

}  // namespace tavoro
