#include "fileio/system_files.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavoro {

#ifdef _WIN32

bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

std::FILE* CreateNewFile(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"wbx"); }

std::FILE* OpenRegularFile(const std::filesystem::path& path, bool& notRegular) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  notRegular = std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
  if (notRegular) return nullptr;
  return _wfopen(path.c_str(), L"rb");
}

void IgnoreFileSizeSignal() {}

bool MayFollowLink(const std::filesystem::path&) { return true; }

bool MayWriteFile(const std::filesystem::path& path) { return _waccess(path.c_str(), 2) == 0; }

long CurrentProcessId() { return static_cast<long>(_getpid()); }

bool ProcessHasEnded(long id) {
  const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

#else

bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

std::FILE* CreateNewFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) close(fd);
  return file;
}

std::FILE* OpenRegularFile(const std::filesystem::path& path, bool& notRegular) {
  notRegular = false;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    // A FIFO without a writer opens at once; a device may refuse.
    struct stat info {};
    notRegular = stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    return nullptr;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    notRegular = true;
    close(fd);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr) close(fd);
  return file;
}

void IgnoreFileSizeSignal() { signal(SIGXFSZ, SIG_IGN); }

bool MayFollowLink(const std::filesystem::path& path) {
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
  if (link.st_uid == geteuid()) return true;
  const std::filesystem::path parent = path.parent_path();
  struct stat folder {};
  if (stat(parent.empty() ? "." : parent.c_str(), &folder) != 0) return false;
  return (folder.st_mode & S_ISVTX) == 0 || (folder.st_mode & S_IWOTH) == 0;
}

bool MayWriteFile(const std::filesystem::path& path) { return access(path.c_str(), W_OK) == 0; }

long CurrentProcessId() { return static_cast<long>(getpid()); }

bool ProcessHasEnded(long id) { return id > 0 && kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH; }

#endif

}  // namespace tavoro
