#include "batch/qt/batch_inputs.h"

#include <filesystem>
#include <optional>

#include "casefile/case_file.h"
#include "fileio/read_file.h"

namespace tavoro {
namespace {

constexpr std::uintmax_t kMaxTableBytes = 16u << 20;

// The file's bytes, or empty with the failure in status.
std::optional<std::string> ReadFileBytes(const std::string& path, Status& status) {
  FileBytes read = ReadWholeFile(std::filesystem::path(path), kMaxTableBytes);
  switch (read.failure) {
    case ReadFailure::kNone:
      return std::move(read.bytes);
    case ReadFailure::kNotRegular:
      status = Status::Error(path + " は通常のファイルではありません");
      break;
    case ReadFailure::kTooLarge:
      status = Status::Error(path + " は大きすぎます (" + std::to_string(kMaxTableBytes >> 20) +
                             " MiB まで)");
      break;
    case ReadFailure::kCannotOpen:
    case ReadFailure::kReadError:
      status = Status::Error(path + " を読めません");
      break;
  }
  return std::nullopt;
}

BatchTable ReadCaseFiles(const std::vector<std::string>& paths) {
  BatchTable table;
  for (const std::string& path : paths) {
    BatchRow row;
    row.number = static_cast<int>(table.rows.size()) + 1;
    const CaseFileRead read = ReadCaseFile(std::filesystem::path(path));
    if (read.file) {
      row.inputs = read.file->inputs;
      row.ground = read.file->ground;
      row.project = read.file->project;
    } else {
      row.unreadable = read.status.message();
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

BatchTable ReadTable(const std::string& path, TableEncoding encoding) {
  BatchTable table;
  const std::optional<std::string> bytes = ReadFileBytes(path, table.status);
  if (!bytes) return table;
  const DecodedTable decoded = DecodeTable(*bytes, encoding);
  if (!decoded.status.ok()) {
    table.status = Status::Error(path + ": " + decoded.status.message());
    return table;
  }
  table = ReadBatchTable(decoded.utf8);
  if (!table.status.ok()) table.status = Status::Error(path + ": " + table.status.message());
  return table;
}

}  // namespace

bool IsCaseFilePath(const std::string& path) {
  const std::string suffix(kCaseFileSuffix);
  if (path.size() < suffix.size()) return false;
  std::string end = path.substr(path.size() - suffix.size());
  for (char& c : end) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return end == suffix;
}

BatchTable ReadBatchInputs(const std::vector<std::string>& paths, TableEncoding encoding) {
  BatchTable table;
  if (paths.empty()) {
    table.status = Status::Error("表の CSV ファイル (または案件ファイル) を指定してください");
    return table;
  }
  const bool caseFiles = IsCaseFilePath(paths.front());
  for (const std::string& path : paths) {
    if (IsCaseFilePath(path) != caseFiles || (!caseFiles && paths.size() > 1)) {
      table.status = Status::Error("表の CSV ファイル 1 つか、案件ファイル (.tavoro) の並びを指定してください");
      return table;
    }
  }
  return caseFiles ? ReadCaseFiles(paths) : ReadTable(paths.front(), encoding);
}

}  // namespace tavoro
