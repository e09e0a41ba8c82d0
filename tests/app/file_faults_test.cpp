// The built program against files that cannot be written: a file-size limit,
// a FIFO or a directory as target. Linux only: it runs the program through bash.
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace tavoro {
namespace {

namespace fs = std::filesystem;

const std::string kWorkedExample =
    "--groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 --width 2 "
    "--kg 0.0001 --point 10 --range 100";

class FileFaultsTest : public ::testing::Test {
 protected:
  FileFaultsTest()
      : folder_(fs::path(::testing::TempDir()) /
                ("tavoro-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~FileFaultsTest() override { fs::remove_all(folder_); }

  // Exit status and standard error of `tavoro export <worked example> <args>` run in the
  // folder by bash after setup (e.g. a ulimit).
  std::pair<int, std::string> Export(const std::string& args, const std::string& setup = "") {
    const std::string script = "cd '" + folder_.string() + "' && " + setup +
                               " " TAVORO_BINARY " export " + kWorkedExample + " " + args +
                               " 2>&1 >/dev/null";
    const std::string command = "bash -c \"" + script + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string err;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      err.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }

  std::string Read(const std::string& name) {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The names in the folder, sorted; temporary files would show here.
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

// Past a file-size limit (with SIGXFSZ ignored) the write fails: exit 1, the file named, the good
// files kept and no temporary file left; without the limit they are replaced.
TEST_F(FileFaultsTest, FileSizeLimitKeepsTheGoodFiles) {
  Write("r.pdf", "good report");
  Write("j.json", "good json");
  const auto [status, err] =
      Export("--json j.json --report r.pdf --chart c.png", "trap '' XFSZ; ulimit -f 4;");
  EXPECT_EQ(status, 1) << err;
  EXPECT_NE(err.find("を保存できません: ファイルの大きさの上限を超えます。"), std::string::npos)
      << err;
  EXPECT_EQ(Read("r.pdf"), "good report");
  EXPECT_EQ(Read("j.json"), "good json");
  EXPECT_EQ(Names(), (std::vector<std::string>{"j.json", "r.pdf"}));

  EXPECT_EQ(Export("--json j.json --report r.pdf --chart c.png").first, 0);
  EXPECT_EQ(Read("r.pdf").substr(0, 5), "%PDF-");
  EXPECT_NE(Read("j.json").find("\"inputs\":{"), std::string::npos);
  EXPECT_EQ(Names(), (std::vector<std::string>{"c.png", "j.json", "r.pdf"}));
}

// A device or a directory as target is refused, and nothing else of the command is written.
TEST_F(FileFaultsTest, DeviceOrDirectoryAsTargetWritesNothing) {
  fs::create_directory(folder_ / "d.pdf");
  const auto [status, err] = Export("--json j.json --report r.pdf --chart d.pdf");
  EXPECT_EQ(status, 1);
  // Qt may say something of its own first.
  EXPECT_TRUE(
      err.ends_with("tavoro: 「d.pdf」を保存できません: 通常のファイルではありません。"
                    "同時に保存するほかのファイルも保存していません。\n"))
      << err;
  EXPECT_EQ(Names(), std::vector<std::string>{"d.pdf"});
  EXPECT_TRUE(fs::is_empty(folder_ / "d.pdf"));

  // A FIFO made here stands for a device: it must stay a FIFO. Nothing outside the folder is
  // named, so a regression can only spoil the folder; `timeout` ends a writer that blocks on it.
  ASSERT_EQ(mkfifo((folder_ / "fifo.png").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((folder_ / "fifo.json").c_str(), 0600), 0);
  const auto [fifoStatus, fifoErr] = Export("--chart fifo.png --dpi 10", "timeout 20");
  EXPECT_EQ(fifoStatus, 1);
  EXPECT_TRUE(
      fifoErr.ends_with("tavoro: 「fifo.png」を保存できません: 通常のファイルではありません。\n"))
      << fifoErr;
  EXPECT_EQ(Export("--json fifo.json", "timeout 20").first, 1);
  EXPECT_TRUE(fs::is_fifo(folder_ / "fifo.png"));
  EXPECT_TRUE(fs::is_fifo(folder_ / "fifo.json"));
}

// A file name that is not UTF-8 is written under exactly its bytes; --dpi twice writes nothing.
TEST_F(FileFaultsTest, FileNamesAreBytesAndRepeatedOptionsWriteNothing) {
  EXPECT_EQ(Export("--json $'\\\\xff\\\\xfe.json'").first, 0);
  EXPECT_EQ(Names(), std::vector<std::string>{"\xff\xfe.json"});
  const auto [status, err] = Export("--chart c.png --dpi 100 --dpi 100");
  EXPECT_EQ(status, 2);
  EXPECT_NE(err.find("--dpi が 2 回以上指定されています。"), std::string::npos) << err;
  EXPECT_EQ(Names(), std::vector<std::string>{"\xff\xfe.json"});
}

}  // namespace
}  // namespace tavoro
