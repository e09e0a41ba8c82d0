#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "batch_command.h"
#include "casefile/case_file.h"
#include "export_command.h"
#include "fileio/staged_files.h"
#include "fileio/system_files.h"
#include "quiet_messages.h"
#include "study_command.h"
#include "tavoro_version.h"
#include "terminal.h"
#include "verify_command.h"
#include "ui/desktop.h"

namespace {

int RunCommand(int argc, char** argv, std::ostream& err) {
  if (argc < 2) return tavoro::RunDesktop(argc, argv);

  const std::string command = argv[1];
  if (command == "export" || command == "study" || command == "batch" || command == "verify") {
    tavoro::DropRuntimeDirNotice();
  }
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << tavoro::UsageText();
    return tavoro::kExitOk;
  }
  if (command == "--version" || command == "-v") {
    std::cout << "Tavoro " TAVORO_VERSION "\n";
    return tavoro::kExitOk;
  }
  if (command == "export") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return tavoro::RunExport(args, std::cout, err);
  }
  if (command == "study") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return tavoro::RunStudyCommand(args, std::cout, err);
  }
  if (command == "batch") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return tavoro::RunBatchCommand(args, std::cout, err,
                                   tavoro::IsTerminal(stderr) ? &std::cerr : nullptr);
  }
  if (command == "verify") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return tavoro::RunVerifyCommand(args, std::cout, err);
  }
  // A case file opens in the form.
  if (tavoro::IsCaseFileArgument(command)) return tavoro::RunDesktop(argc, argv);
  // Options such as -platform belong to the windowing toolkit.
  if (command.rfind('-', 0) == 0 && command.rfind("--", 0) != 0) {
    return tavoro::RunDesktop(argc, argv);
  }
  err << "tavoro: 不明なコマンド「" << command << "」です。\n(使い方は tavoro --help)\n";
  return tavoro::kExitUsage;
}

constexpr char kOutOfMemory[] =
    "tavoro: メモリが足りないため中断しました。書きかけのファイルは残していません。\n";
constexpr char kUnexpected[] =
    "tavoro: 予期しないエラーのため中断しました。書きかけのファイルは残していません。\n";

// An exception that no handler can catch (thrown through the toolkit's code,
// or in a worker thread) ends here rather than in an abort: the temporary
// files go, a Japanese message, status 1. Nothing here allocates.
[[noreturn]] void EndOnUncaughtException() {
  tavoro::RemoveTemporariesInProgress();
  bool outOfMemory = false;
  if (const std::exception_ptr thrown = std::current_exception()) {
    try {
      std::rethrow_exception(thrown);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    } catch (...) {
    }
  }
  std::fputs(outOfMemory ? kOutOfMemory : kUnexpected, stderr);
  std::fflush(stderr);
  std::_Exit(tavoro::kExitFailed);
}

}  // namespace

int main(int argc, char** argv) {
  std::set_terminate(EndOnUncaughtException);
  tavoro::IgnoreFileSizeSignal();
  tavoro::ControlEscapingBuffer escaping(std::cerr.rdbuf());
  std::ostream err(&escaping);
  // Unwinding removes the temporary files of a save cut short.
  try {
    return RunCommand(argc, argv, err);
  } catch (const std::bad_alloc&) {
    err << kOutOfMemory;
  } catch (const std::exception&) {
    err << kUnexpected;
  }
  err.flush();
  return tavoro::kExitFailed;
}
