#include "fileio/staged_files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>
#include <system_error>

#include "fileio/system_files.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;
// Every temporary and backup name starts with this mark.
constexpr char kMark[] = ".tavoro-";
constexpr char kTemporaryEnd[] = ".tmp";
constexpr char kBackupEnd[] = ".bak";

std::string Reason(std::error_code error) {
  const std::error_condition c = error.default_error_condition();
  struct Known {
    std::errc code;
    const char* text;
  };
  static constexpr Known kKnown[] = {
      {std::errc::no_space_on_device, "ディスクの空き容量が足りません。"},
      {std::errc::file_too_large, "ファイルの大きさの上限を超えます。"},
      {std::errc::permission_denied, "書き込みが許可されていません。"},
      {std::errc::operation_not_permitted, "書き込みが許可されていません。"},
      {std::errc::read_only_file_system, "読み取り専用のドライブです。"},
      {std::errc::filename_too_long, "ファイル名が長すぎます。"},
      {std::errc::is_a_directory, "同じ名前のフォルダがあります。"},
      {std::errc::no_such_file_or_directory, "保存先のフォルダがありません。"},
      {std::errc::not_a_directory, "保存先のフォルダがありません。"},
      {std::errc::cross_device_link, "別のドライブをまたいで置き換えられません。"},
      {std::errc::device_or_resource_busy, "ファイルが使用中です。"},
      {std::errc::text_file_busy, "ファイルが実行中のプログラムとして使用中です。"},
      {std::errc::io_error, "入出力エラーが発生しました。"},
  };
  for (const Known& known : kKnown) {
    if (c == known.code) return known.text;
  }
  return "書き込みエラーです (エラー番号 " + std::to_string(error.value()) + ")。";
}

Status CannotWrite(const fs::path& target, const std::string& reason) {
  return Status::Error("「" + PathForMessage(target) + "」を保存できません: " + reason);
}

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

// ".tavoro-<process>-<8 letters><end>" beside path.
fs::path MarkedName(const fs::path& path, const char* end) {
  static std::mt19937_64 generator(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      std::random_device{}());
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = kMark + std::to_string(CurrentProcessId()) + "-";
  for (int i = 0; i < 8; ++i) name.push_back(kLetters[generator() % (sizeof kLetters - 1)]);
  return path.parent_path() / (name + end);
}

// The process that made a marked name, or 0 when name is not one.
long MakerOf(const std::string& name) {
  if (name.rfind(kMark, 0) != 0) return 0;
  if (!name.ends_with(kTemporaryEnd) && !name.ends_with(kBackupEnd)) return 0;
  const std::string rest = name.substr(sizeof kMark - 1);
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || dash > 18 || rest.size() != dash + 1 + 8 + 4) {
    return 0;
  }
  long id = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (rest[i] < '0' || rest[i] > '9') return 0;
    id = id * 10 + (rest[i] - '0');
  }
  return id;
}

// The temporary files being written by this process, for an abrupt end.
std::mutex& InProgressLock() {
  static std::mutex lock;
  return lock;
}
std::set<fs::path>& InProgress() {
  static std::set<fs::path> paths;
  return paths;
}
void NoteInProgress(const fs::path& path) {
  const std::lock_guard lock(InProgressLock());
  InProgress().insert(path);
}
void ForgetInProgress(const fs::path& path) {
  const std::lock_guard lock(InProgressLock());
  InProgress().erase(path);
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

// What names one file, for comparing targets: the absolute path with links
// in its existing part resolved.
fs::path Identity(const fs::path& path) {
  std::error_code error;
  fs::path identity = fs::weakly_canonical(fs::absolute(path, error), error);
  if (error) identity = fs::absolute(path, error).lexically_normal();
#ifdef _WIN32
  std::wstring text = identity.native();
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  });
  identity = text;
#endif
  return identity;
}

}  // namespace

std::string PathForMessage(const fs::path& path) {
#ifdef _WIN32
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
#else
  return path.native();
#endif
}

StagedFiles::~StagedFiles() {
  try {
    PutBack();
  } catch (...) {  // no memory left for a message: the backups stay
  }
  RemoveTemporaries();
}

void StagedFiles::Add(fs::path target, std::string bytes) {
  Staged staged;
  staged.file = target;
  staged.target = std::move(target);
  staged.bytes = std::move(bytes);
  staged_.push_back(std::move(staged));
}

Status StagedFiles::SameFileTwice() const {
  std::vector<std::pair<fs::path, const Staged*>> identities;
  for (const Staged& staged : staged_) identities.emplace_back(Identity(staged.target), &staged);
  for (std::size_t i = 0; i < identities.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      std::error_code error;
      if (identities[i].first == identities[j].first ||
          fs::equivalent(identities[i].first, identities[j].first, error)) {
        const std::string a = PathForMessage(identities[j].second->target);
        const std::string b = PathForMessage(identities[i].second->target);
        return Status::Error("出力「" + a + "」" + (a == b ? "" : "と「" + b + "」") +
                             "が同じファイルになります。出力ごとに別の名前を指定してください。");
      }
    }
  }
  return Status::Ok();
}

Status StagedFiles::WriteTemporary(Staged& staged) {
  std::error_code error;
  const fs::file_status linkStatus = fs::symlink_status(staged.target, error);
  if (fs::is_symlink(linkStatus)) {
    if (!MayFollowLink(staged.target)) {
      return CannotWrite(staged.target,
                         "ほかのユーザーが共有フォルダに置いたリンクです。リンク先には書き込みません。");
    }
    staged.file = fs::canonical(staged.target, error);
    if (error) return CannotWrite(staged.target, Reason(error));
  }
  const fs::file_status status = fs::status(staged.file, error);
  staged.existed = fs::exists(status);
  if (staged.existed && !fs::is_regular_file(status)) {
    return CannotWrite(staged.target, "通常のファイルではありません。");
  }
  constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write |
                                  fs::perms::others_write;
  if (staged.existed &&
      ((status.permissions() & kAnyWrite) == fs::perms::none || !MayWriteFile(staged.file))) {
    return CannotWrite(staged.target, "読み取り専用か、書き込みが許可されていないファイルです。");
  }

  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < kNameAttempts && file == nullptr; ++attempt) {
    staged.temporary = MarkedName(staged.file, kTemporaryEnd);
    errno = 0;
    file = CreateNewFile(staged.temporary);
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) {
    const std::error_code openError = LastError();
    staged.temporary.clear();
    return CannotWrite(staged.target, Reason(openError));
  }
  NoteInProgress(staged.temporary);
  if (const std::error_code writeError = WriteAndClose(file, staged.bytes)) {
    return CannotWrite(staged.target, Reason(writeError));
  }
  if (staged.existed) fs::permissions(staged.temporary, status.permissions(), error);  // kept when possible
  return Status::Ok();
}

// A second name for the old file (a hard link), or where links are not to
// be had, the old file renamed to its backup name.
Status StagedFiles::KeepAside(Staged& staged) {
  if (!staged.existed) return Status::Ok();
  std::error_code error;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    staged.backup = MarkedName(staged.file, kBackupEnd);
    fs::create_hard_link(staged.file, staged.backup, error);
    if (error != std::errc::file_exists) break;
  }
  if (!error) return Status::Ok();
  fs::rename(staged.file, staged.backup, error);
  if (!error) {
    staged.movedAside = true;
    return Status::Ok();
  }
  staged.backup.clear();
  return CannotWrite(staged.target, Reason(error));
}

// Undoes the renames done so far; the message of what could not be undone.
std::string StagedFiles::PutBack() {
  std::string lost;
  for (Staged& staged : staged_) {
    std::error_code error;
    if (staged.backup.empty()) {
      if (staged.replaced) fs::remove(staged.file, error);
    } else if (staged.replaced || staged.movedAside) {
      fs::rename(staged.backup, staged.file, error);
    } else {
      fs::remove(staged.backup, error);
    }
    if (error) {
      lost += "「" + PathForMessage(staged.target) + "」を元に戻せませんでした" +
              (staged.backup.empty() ? "。"
                                     : "（元の内容は「" + PathForMessage(staged.backup) +
                                           "」にあります）。");
    } else {
      staged.backup.clear();
    }
    staged.replaced = false;
  }
  return lost;
}

void StagedFiles::RemoveTemporaries() {
  for (Staged& staged : staged_) {
    if (staged.temporary.empty()) continue;
    std::error_code ignored;
    fs::remove(staged.temporary, ignored);
    ForgetInProgress(staged.temporary);
    staged.temporary.clear();
  }
}

Status StagedFiles::Commit() {
  Status failure = SameFileTwice();
  for (Staged& staged : staged_) {
    if (!failure.ok()) break;
    failure = WriteTemporary(staged);
  }
  for (Staged& staged : staged_) {
    if (!failure.ok()) break;
    failure = KeepAside(staged);
  }
  for (Staged& staged : staged_) {
    if (!failure.ok()) break;
    std::error_code error;
    fs::rename(staged.temporary, staged.file, error);
    if (error) {
      failure = CannotWrite(staged.target, Reason(error));
    } else {
      ForgetInProgress(staged.temporary);
      staged.temporary.clear();
      staged.replaced = true;
    }
  }
  if (!failure.ok()) {
    std::string message = failure.message();
    if (staged_.size() > 1) message += "同時に保存するほかのファイルも保存していません。";
    failure = Status::Error(message + PutBack());
  } else {
    for (Staged& staged : staged_) {
      std::error_code ignored;
      if (!staged.backup.empty()) fs::remove(staged.backup, ignored);
    }
  }
  RemoveTemporaries();
  staged_.clear();
  return failure;
}

void RemoveTemporariesInProgress() noexcept {
  const std::unique_lock lock(InProgressLock(), std::try_to_lock);
  if (!lock.owns_lock()) return;
  for (const fs::path& path : InProgress()) {
    std::error_code ignored;
    fs::remove(path, ignored);
  }
}

void RemoveLeftovers(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const long maker = MakerOf(entry->path().filename().string());
    if (maker == 0 || maker == CurrentProcessId() || !ProcessHasEnded(maker)) continue;
    std::error_code ignored;
    if (entry->is_regular_file(ignored)) fs::remove(entry->path(), ignored);
  }
}

}  // namespace tavoro
