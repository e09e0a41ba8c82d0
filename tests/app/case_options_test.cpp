// `tavoro export` with case files and project texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

#include "casefile/case_file.h"
#include "export_command.h"
#include "files.h"
#include "worked_example.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

std::tuple<int, std::string, std::string> Export(const Args& args) {
  std::ostringstream out, err;
  const int status = RunExport(args, out, err);
  return {status, out.str(), err.str()};
}

using testing::ReadFile;
const Args& kWorkedExample = testing::kWorkedExampleArgs;

class CaseOptionsTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_ / name; }
  const testing::TempFolder folder_;
};

TEST_F(CaseOptionsTest, CommandLineToFileToCommandLineGivesTheSameJsonAndFile) {
  Args first = kWorkedExample;
  for (const std::string arg : {"--project-name=A工事", "--shaft-name=1号立坑", "--author=山田",
                                "--date=2024-05-01", "--notes=メモ"}) {
    first.push_back(arg);
  }
  first.insert(first.end(), {"--save-case", Path("a.tavoro"), "--json", Path("a.json")});
  ASSERT_EQ(Export(first), std::tuple(kExitOk, "", ""));
  ASSERT_EQ(Export({"--case", Path("a.tavoro"), "--save-case", Path("b.tavoro"), "--json", "-"}),
            std::tuple(kExitOk, ReadFile(Path("a.json")), ""));
  EXPECT_EQ(ReadFile(Path("b.tavoro")), ReadFile(Path("a.tavoro")));

  const CaseFileRead saved = ReadCaseFile(Path("a.tavoro"));
  ASSERT_TRUE(saved.file) << saved.status.message();
  EXPECT_EQ(saved.file->inputs,
            (InputTexts{"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"}));
  EXPECT_EQ(saved.file->project, (ProjectInfo{"A工事", "1号立坑", "山田", "2024-05-01", "メモ", ""}));
  EXPECT_NE(ReadFile(Path("a.json"))
                .find(R"("project":{"name":"A工事","shaft":"1号立坑","author":"山田",)"
                      R"("date":"2024-05-01","notes":"メモ","checker":""})"),
            std::string::npos);
}

TEST_F(CaseOptionsTest, OptionsGivenWithACaseOverrideSingleFields) {
  Args args = kWorkedExample;
  args.insert(args.end(), {"--project-name=A工事", "--notes=旧", "--save-case", Path("a.tavoro")});
  ASSERT_EQ(std::get<0>(Export(args)), kExitOk);
  ASSERT_EQ(Export({"--case", Path("a.tavoro"), "--range", "50", "--width=", "--notes=",
                    "--shaft-name", "2号", "--save-case", Path("b.tavoro")}),
            std::tuple(kExitOk, "", ""));
  const CaseFileRead changed = ReadCaseFile(Path("b.tavoro"));
  ASSERT_TRUE(changed.file) << changed.status.message();
  EXPECT_EQ(changed.file->inputs,
            (InputTexts{"2", "20", "10", "20", "0.01", "", "0.0001", "10", "50"}));
  EXPECT_EQ(changed.file->project, (ProjectInfo{"A工事", "2号", "", "", "", ""}));
}

TEST(ExampleCasesTest, AreWrittenAsTavoroWritesThemAndRun) {
  for (const char* name : {"worked-example.tavoro", "no-ring.tavoro"}) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path(TAVORO_EXAMPLES_DIR) / name;
    const CaseFileRead read = ReadCaseFile(path);
    ASSERT_TRUE(read.file) << read.status.message();
    EXPECT_EQ(CaseFileText(*read.file), ReadFile(path));
    EXPECT_EQ(std::get<0>(Export({"--case", path.string(), "--json", "-"})), kExitOk);
  }
  const auto [status, json, err] =
      Export({"--case", std::string(TAVORO_EXAMPLES_DIR) + "/worked-example.tavoro", "--json=-"});
  Args typed = kWorkedExample;
  typed.insert(
      typed.end(),
      {"--project-name=計算例", "--shaft-name=No.1 立坑（地盤改良あり）", "--date=２０２４年4月1日",
       "--notes=地盤改良幅 2 m、改良後の透水係数 0.0001 cm/sec の例。", "--json=-"});
  EXPECT_EQ(std::get<1>(Export(typed)), json);
}

}  // namespace
}  // namespace tavoro
