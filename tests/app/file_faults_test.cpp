// The built program against hostile files: size limits, links, read-only and
// immutable targets, pipes, colliding outputs, leftovers of killed runs,
// control characters in names. Linux only: it runs the program through bash,
// and every file it makes or plants lies in the test's own folder.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "files.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

const std::string kWorkedExample =
    "--groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 --width 2 "
    "--kg 0.0001 --point 10 --range 100";

// Sets or clears the immutable flag of a file (root on a file system that has it).
bool SetImmutable(const fs::path& path, bool on) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  close(fd);
  return ok;
}

class FileFaultsTest : public ::testing::Test {
 protected:
  FileFaultsTest()
      : folder_(fs::path(::testing::TempDir()) /
                ("tavoro-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    Clear();
  }
  ~FileFaultsTest() override { Clear(); }

  void Clear() {
    if (fs::exists(folder_)) {
      for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
        if (entry.is_regular_file() && !entry.is_symlink()) SetImmutable(entry.path(), false);
      }
    }
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }

  // Exit status and standard error of `tavoro <args>` run in the folder by
  // bash after setup (e.g. a ulimit); a hang ends after 60 s as status 124.
  std::pair<int, std::string> Run(const std::string& args, const std::string& setup = "") {
    const std::string script = "cd '" + folder_.string() + "' && " + setup + " timeout 60 " +
                               TAVORO_BINARY " " + args + " 2>&1 >/dev/null";
    FILE* pipe = popen(("bash -c \"" + script + "\"").c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string err;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      err.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
  }
  std::pair<int, std::string> Export(const std::string& args, const std::string& setup = "") {
    return Run("export " + kWorkedExample + " " + args, setup);
  }

  void Write(const std::string& name, const std::string& text) { testing::WriteFile(folder_ / name, text); }
  std::string Read(const std::string& name) { return testing::ReadFile(folder_ / name); }

  std::vector<std::string> Names() const { return testing::NamesBelow(folder_); }

  fs::path folder_;
};

// Past a file-size limit the write fails: exit 1, the file named, the good
// files kept and no temporary file left; without the limit they are replaced.
TEST_F(FileFaultsTest, FileSizeLimitKeepsTheGoodFiles) {
  Write("r.pdf", "good report");
  Write("j.json", "good json");
  const auto [status, err] = Export("--json j.json --report r.pdf --chart c.png", "ulimit -f 4;");
  EXPECT_EQ(status, 1) << err;
  EXPECT_NE(err.find("を保存できません: ファイルの大きさの上限を超えます。"), std::string::npos)
      << err;
  EXPECT_EQ(Read("r.pdf"), "good report");
  EXPECT_EQ(Read("j.json"), "good json");
  EXPECT_EQ(Names(), (std::vector<std::string>{"j.json", "r.pdf"}));

  EXPECT_EQ(Export("--json j.json --report r.pdf --chart c.png").first, 0);
  EXPECT_EQ(Read("r.pdf").substr(0, 5), "%PDF-");
  EXPECT_TRUE(Read("j.json").starts_with("{\""));
  EXPECT_EQ(Names(), (std::vector<std::string>{"c.png", "j.json", "r.pdf"}));
}

// A target that cannot be replaced, or may not be, leaves every target of the
// command as it was: exit status, the words of the message, and the folder after.
TEST_F(FileFaultsTest, RefusedTargetsLeaveEveryFileAsItWas) {
  struct Row {
    const char* what;
    std::string setup;  // bash, in the fresh folder
    std::string args;
    int status;
    std::string says;
    std::vector<std::string> names;
  };
  const std::string longName = std::string(250, 'n') + ".json";
  const Row rows[] = {
      {"a folder as target", "mkdir d.pdf;", "export " + kWorkedExample + " --json j.json --chart d.pdf",
       1, "「d.pdf」を保存できません: 通常のファイルではありません。同時に", {"d.pdf"}},
      {"a pipe as target", "mkfifo p.png;", "export " + kWorkedExample + " --chart p.png --dpi 10", 1,
       "「p.png」を保存できません: 通常のファイルではありません。", {"p.png"}},
      {"a read-only target", "echo old > ro.json; chmod 444 ro.json;",
       "export " + kWorkedExample + " --json ro.json --csv c.csv", 1,
       "「ro.json」を保存できません: 読み取り専用か", {"ro.json"}},
      {"one file named twice", "", "export " + kWorkedExample + " --report x.pdf --chart x.pdf", 2,
       "出力「x.pdf」が同じファイルになります。", {}},
      {"a page name taken", "",
       "export " + kWorkedExample + " --report p.svg --chart ./p-1.svg", 2,
       "出力「p-1.svg」と「./p-1.svg」が同じファイルになります。", {}},
      {"study outputs linked", "echo old > s.csv; ln -s s.csv s.json;",
       "study " + kWorkedExample + " --target-q2 0.3 --csv s.csv --json s.json", 2, "が同じファイルになります。",
       {"s.csv", "s.json"}},
      {"a pipe as case file", "mkfifo c.tavoro;", "export --case c.tavoro --json j.json", 2,
       "案件ファイル「c.tavoro」は通常のファイルではありません。", {"c.tavoro"}},
      {"a pipe as table", "mkfifo t.csv;", "batch t.csv --out o", 2,
       "t.csv は通常のファイルではありません", {"t.csv"}},
      {"the longest name", "", "export " + kWorkedExample + " --json " + longName, 0, "",
       {longName}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Clear();
    const auto [status, err] = Run(row.args, row.setup);
    EXPECT_EQ(status, row.status) << err;
    EXPECT_NE(err.find(row.says), std::string::npos) << err;
    EXPECT_EQ(Names(), row.names);
    if (fs::exists(folder_ / "ro.json")) {
      EXPECT_EQ(Read("ro.json"), "old\n");
    }
  }
}

// A file that refuses to be replaced late, after others could have been: none
// of the command's files changes.
TEST_F(FileFaultsTest, ImmutableTargetLeavesTheOthersAsTheyWere) {
  Write("s.tavoro", "old case");
  Write("j.json", "old json");
  Write("r.pdf", "old report");
  if (!SetImmutable(folder_ / "r.pdf", true)) GTEST_SKIP() << "no immutable files here";
  const auto [status, err] = Export("--save-case s.tavoro --json j.json --report r.pdf");
  EXPECT_EQ(status, 1) << err;
  EXPECT_NE(err.find("「r.pdf」を保存できません"), std::string::npos) << err;
  EXPECT_EQ(Read("s.tavoro"), "old case");
  EXPECT_EQ(Read("j.json"), "old json");
  EXPECT_EQ(Names(), (std::vector<std::string>{"j.json", "r.pdf", "s.tavoro"}));
}

// In a folder shared by all (sticky, writable by everyone) another user's link
// is not followed; the user's own link is, and stays a link.
TEST_F(FileFaultsTest, AnotherUsersLinkInASharedFolderIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
  fs::create_directory(folder_ / "shared");
  fs::permissions(folder_ / "shared", fs::perms::all | fs::perms::sticky_bit);
  Write("precious.json", "precious");
  Write("mine.json", "mine");
  fs::create_symlink("../precious.json", folder_ / "shared" / "planted.json");
  fs::create_symlink("../mine.json", folder_ / "shared" / "own.json");
  ASSERT_EQ(lchown((folder_ / "shared" / "planted.json").c_str(), 65534, 65534), 0);

  const auto [status, err] = Export("--json shared/planted.json");
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("「shared/planted.json」を保存できません: ほかのユーザー"), std::string::npos)
      << err;
  EXPECT_EQ(Read("precious.json"), "precious");

  EXPECT_EQ(Export("--json shared/own.json").first, 0);
  EXPECT_TRUE(Read("mine.json").starts_with("{\""));
  EXPECT_TRUE(fs::is_symlink(folder_ / "shared" / "own.json"));
}

// A batch clears the temporary files that killed runs left in its folder,
// not those of a running process nor other hidden files; names of shafts
// reach the terminal with their control characters escaped.
TEST_F(FileFaultsTest, BatchClearsLeftoversAndEscapesNames) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child);
  fs::create_directory(folder_ / "o");
  for (const std::string& name : std::vector<std::string>{".tavoro-" + dead + "-abcdefgh.tmp", ".tavoro-" + dead + "-abcdefgh.bak",
                                 ".tavoro-1-abcdefgh.tmp", ".tavoro-x.tmp"}) {
    Write("o/" + name, "left");
  }
  Write("t.csv",
        "shaft,groundwater,impervious,excavation,perimeter,kn,width,kg,point,range\n"
        "\"A\x1b[2J\",30,20,10,20,0.01,2,0.0001,10,100\n"
        "B\x07,2,20,10,20,0.01,2,0.0001,10,100\n");
  const auto [status, err] = Run("batch t.csv --out o --jobs 1");
  EXPECT_EQ(status, 1) << err;
  EXPECT_NE(err.find("No.1 A\\x1b[2J: "), std::string::npos) << err;
  EXPECT_EQ(err.find('\x1b'), std::string::npos);
  EXPECT_TRUE(fs::exists(folder_ / "o" / ".tavoro-1-abcdefgh.tmp"));
  EXPECT_TRUE(fs::exists(folder_ / "o" / ".tavoro-x.tmp"));
  EXPECT_FALSE(fs::exists(folder_ / "o" / (".tavoro-" + dead + "-abcdefgh.tmp")));
  EXPECT_FALSE(fs::exists(folder_ / "o" / (".tavoro-" + dead + "-abcdefgh.bak")));
}

// Out of memory, even inside the toolkit's PDF writer, a batch ends with a
// message and status 1 (not an abort), leaving no temporary file.
TEST_F(FileFaultsTest, OutOfMemoryEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves its shadow memory beyond any ulimit -v";
#endif
  std::string table = "shaft,groundwater,impervious,excavation,perimeter,kn,width,kg,point,range\n";
  for (int i = 0; i < 20; ++i) table += "S,2,20,10,20,0.01,2,0.0001,10,100\n";
  Write("t.csv", table);
  const auto [status, err] = Run("batch t.csv --out o --jobs 2", "ulimit -v 200000;");
  EXPECT_TRUE(status == 0 || (status == 1 && err.find("メモリが足りないため中断しました。") !=
                                                   std::string::npos))
      << status << err;
  for (const std::string& name : Names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

}  // namespace
}  // namespace tavoro
