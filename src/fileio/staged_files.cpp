#include "fileio/staged_files.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

#include "fileio/file_sync.h"

namespace tavoro {
namespace {

constexpr int kNameAttempts = 100;

std::string Reason(std::error_code error) {
  const std::error_condition c = error.default_error_condition();
  if (c == std::errc::no_space_on_device) return "ディスクの空き容量が足りません。";
  if (c == std::errc::file_too_large) return "ファイルの大きさの上限を超えます。";
  if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted ||
      c == std::errc::read_only_file_system) {
    return "書き込みが許可されていません。";
  }
  if (c == std::errc::no_such_file_or_directory || c == std::errc::not_a_directory) {
    return "保存先のフォルダがありません。";
  }
  if (c == std::errc::is_a_directory) return "同じ名前のフォルダがあります。";
  if (c == std::errc::io_error) return "入出力エラーが発生しました。";
  return "書き込みエラーです (エラー番号 " + std::to_string(error.value()) + ")。";
}

std::string CannotWrite(const std::filesystem::path& target, const std::string& reason) {
  return "「" + PathForMessage(target) + "」を保存できません: " + reason;
}

std::error_code LastError() {
  return {errno != 0 ? errno : EIO, std::generic_category()};
}

std::string RandomSuffix() {
  static std::mt19937_64 generator(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      std::random_device{}());
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix.push_back(kLetters[generator() % (sizeof kLetters - 1)]);
  return suffix;
}

// Writes all of bytes to file, flushes and closes it; the error, if any.
std::error_code WriteAndClose(std::FILE* file, const std::string& bytes) {
  std::error_code error;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0 ||
      !SyncToDisk(file)) {
    error = LastError();
  }
  errno = 0;
  if (std::fclose(file) != 0 && !error) error = LastError();
  return error;
}

}  // namespace

std::string PathForMessage(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
#else
  return path.native();
#endif
}

void StagedFiles::Add(std::filesystem::path target, std::string bytes) {
  staged_.push_back(Staged{std::move(target), std::move(bytes), {}});
}

std::optional<std::string> StagedFiles::WriteTemporary(Staged& staged) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(staged.target, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return CannotWrite(staged.target, "通常のファイルではありません。");
  }
  // A link is followed: the file it names is the one replaced.
  fs::path target = staged.target;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    target = fs::canonical(target, error);
    if (error) return CannotWrite(staged.target, Reason(error));
  }

  const fs::path folder = target.parent_path();
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < kNameAttempts && file == nullptr; ++attempt) {
    fs::path name = target.filename();
    name += "." + RandomSuffix() + ".tmp";
    fs::path hidden = ".";
    hidden += name;
    staged.temporary = folder / hidden;
    errno = 0;
    file = CreateNewFile(staged.temporary);
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) {
    const std::error_code openError = LastError();
    staged.temporary.clear();
    return CannotWrite(staged.target, Reason(openError));
  }
  staged.target = target;
  if (const std::error_code writeError = WriteAndClose(file, staged.bytes)) {
    return CannotWrite(staged.target, Reason(writeError));
  }
  if (fs::is_regular_file(status)) {
    fs::permissions(staged.temporary, status.permissions(), error);  // kept when possible
  }
  return std::nullopt;
}

void StagedFiles::RemoveTemporaries() {
  for (Staged& staged : staged_) {
    if (staged.temporary.empty()) continue;
    std::error_code ignored;
    std::filesystem::remove(staged.temporary, ignored);
    staged.temporary.clear();
  }
}

std::optional<std::string> StagedFiles::Commit() {
  std::optional<std::string> failure;
  for (Staged& staged : staged_) {
    failure = WriteTemporary(staged);
    if (failure) {
      if (staged_.size() > 1) failure->append("同時に保存するほかのファイルも保存していません。");
      break;
    }
  }
  if (!failure) {
    for (Staged& staged : staged_) {
      std::error_code error;
      std::filesystem::rename(staged.temporary, staged.target, error);
      if (error) {
        failure = CannotWrite(staged.target, Reason(error));
        break;
      }
      staged.temporary.clear();
    }
  }
  RemoveTemporaries();
  staged_.clear();
  return failure;
}

}  // namespace tavoro
