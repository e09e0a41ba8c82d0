#include "casefile/case_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files.h"

namespace tavoro {

void PrintTo(const CaseFile& file, std::ostream* os) {
  *os << CaseFileText(file);
}

namespace {

namespace fs = std::filesystem;

CaseFile WorkedExample() {
  CaseFile file;
  file.inputs = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
  file.project = {"A工事", "1号立坑", "山田", "2024-05-01", "一行目\n二行目"};
  return file;
}

// The layout as Tavoro writes it is that of the shipped examples (ExampleCasesTest).
TEST(CaseFileText, MissingInputsAndProjectTextsReadAsEmptyFields) {
  const CaseFileRead read = ParseCaseFile(
      R"({"format": "tavoro-case", "version": 1, "inputs": {"range": "50"}})", "b.tavoro");
  ASSERT_TRUE(read.file) << read.status.message();
  EXPECT_EQ(read.file->inputs, (InputTexts{"", "", "", "", "", "", "", "", "50"}));
  EXPECT_EQ(read.file->project, ProjectInfo{});
}

TEST(CaseFileText, UnknownKeysOutsideInputsAreWrittenBackInTheirOrder) {
  const std::string_view original = R"({"zeta": {"a": [1, 2]}, "format": "tavoro-case",
    "project": {"client": "市", "name": "旧"}, "version": 1, "alpha": null,
    "inputs": {"kn": "0.01"}})";
  CaseFileRead read = ParseCaseFile(original, "c.tavoro");
  ASSERT_TRUE(read.file) << read.status.message();
  read.file->project.name = "新";

  const std::string saved = CaseFileText(*read.file);
  const std::string_view tail = R"(  "project": {
    "name": "新",
    "client": "市"
  },
  "zeta": {
    "a": [
      1,
      2
    ]
  },
  "alpha": null
}
)";
  EXPECT_TRUE(saved.ends_with(tail)) << saved;
  const CaseFileRead again = ParseCaseFile(saved, "c.tavoro");
  ASSERT_TRUE(again.file) << again.status.message();
  EXPECT_EQ(*again.file, *read.file);
}

// Each kind of bad file, and the words its message must carry beside the
// file's name.
struct BadFile {
  const char* what;
  std::string bytes;
  const char* says;
};

TEST(CaseFileRead, EachBadFileIsRefusedWithAMessageNamingTheFile) {
  const std::string head = R"({"format": "tavoro-case", "version": 1, )";
  const BadFile rows[] = {
      {"not JSON", "{\"format\": \"tavoro-case\",\n \"version\": 1,\n oops}",
       "Tavoro の案件ファイルとして読めません（壊れているか、別の形式です。3 行目）"},
      {"not UTF-8", head + "\"inputs\": {\"kn\": \"\xff\"}}", "Tavoro の案件ファイルとして読めません"},
      {"another format", R"({"format": "other", "version": 1, "inputs": {}})",
       "Tavoro の案件ファイルではありません"},
      {"newer version", R"({"format": "tavoro-case", "version": 3, "inputs": {}})",
       "新しい版（version 3）"},
      {"version as text", R"({"format": "tavoro-case", "version": "1", "inputs": {}})",
       "1 以上の整数"},
      {"not an object", R"(["tavoro-case"])",
       "Tavoro の案件ファイルとして読めません（壊れているか、別の形式です）"},
      {"no inputs", head + R"("project": {}})", "\"inputs\" オブジェクトがありません"},
      {"input as number", head + R"("inputs": {"kn": 0.01}})", "\"inputs\" の \"kn\" は文字列"},
      {"project not an object", head + R"("inputs": {}, "project": "A"})",
       "\"project\" はオブジェクト"},
      {"project text as number", head + R"("inputs": {}, "project": {"date": 20240501}})",
       "\"project\" の \"date\" は文字列"},
      {"unknown input", head + R"("inputs": {"depth": "2"}})", "知らない項目 \"depth\""},
      {"long unknown input", head + R"("inputs": {")" + std::string(100, 'k') + R"(": ""}})",
       "\"kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk…\""},
      {"too deep",
       head + R"("inputs": {}, "x": )" + std::string(100, '[') + std::string(100, ']') + "}",
       "入れ子が深すぎて"},
      {"NUL after the document", head + R"("inputs": {}})" + std::string("\0{}", 3),
       "NUL 文字があります（1 行目）"},
      {"impossible date", head + R"("inputs": {}, "project": {"date": "2026-02-30"}})",
       "\"date\" \"2026-02-30\" は日付ではありません"},
      {"more than 1 MiB",
       head + R"("inputs": {}, "x": ")" + std::string(kMaxCaseFileBytes, 'a') + "\"}",
       "大きすぎます"},
  };
  for (const BadFile& row : rows) {
    SCOPED_TRACE(row.what);
    const CaseFileRead read = ParseCaseFile(row.bytes, "/案件/d.tavoro");
    EXPECT_FALSE(read.file);
    EXPECT_TRUE(read.status.message().starts_with("案件ファイル「/案件/d.tavoro」")) << read.status.message();
    EXPECT_NE(read.status.message().find(row.says), std::string::npos) << read.status.message();
  }
}

// Ground fields make a version 2 file that reads back; without them the file stays version 1.
TEST(CaseFileRead, GroundFieldsAreSavedAsVersionTwo) {
  CaseFile file = WorkedExample();
  EXPECT_NE(CaseFileText(file).find("\"version\": 1,"), std::string::npos);
  GroundText(file.ground, kRadiusMethodField) = "given";
  GroundText(file.ground, kRadiusField) = "500";
  GroundText(file.ground, kSoilLayersField) = "3:18,5:19";
  const std::string text = CaseFileText(file);
  EXPECT_NE(text.find("\"version\": 2,"), std::string::npos);
  EXPECT_NE(text.find("\"radius-method\": \"given\""), std::string::npos);
  EXPECT_EQ(text.find("confined-top"), std::string::npos);
  const CaseFileRead read = ParseCaseFile(text, "g.tavoro");
  ASSERT_TRUE(read.file) << read.status.message();
  EXPECT_EQ(*read.file, file);
}

// A repeated key holds its last value, and a compact file near the limit saves to a file that
// reads again.
TEST(CaseFileText, ARepeatedKeyHoldsItsLastValueAndASavedFileStaysReadable) {
  const CaseFileRead read = ParseCaseFile(
      R"({"format":"tavoro-case","version":1,"inputs":{},"project":{"p":1,"p":2},"k":0,"k":"last"})",
      "m.tavoro");
  ASSERT_TRUE(read.file) << read.status.message();
  EXPECT_EQ(read.file->kept["k"], "last");
  EXPECT_EQ(read.file->keptProject.dump(), R"({"p":2})");

  CaseFile big;
  big.project.notes = std::string(kMaxCaseFileBytes - 1500, 'n');
  for (int i = 0; i < 100; ++i) big.kept["x" + std::to_string(i)] = nlohmann::ordered_json::array({1});
  const std::string text = CaseFileText(big);  // indented, it would pass the limit
  EXPECT_EQ(text.find('\n'), text.size() - 1);
  EXPECT_TRUE(ParseCaseFile(text, "b.tavoro").file);
  big.project.notes += std::string(1500, 'n');
  const testing::TempFolder folder;
  EXPECT_NE(WriteCaseFile(folder.path() / "big.tavoro", big).message().find("1 MiB を超える"),
            std::string::npos);
}

TEST(CaseFileDiskTest, MissingFolderOrOversizedFileIsNamedInTheMessage) {
  const testing::TempFolder folder;
  const fs::path& dir = folder.path();
  const fs::path missing = dir / "missing.tavoro";
  EXPECT_EQ(ReadCaseFile(missing).status.message(),
            "案件ファイル「" + missing.string() +
                "」を開けません（見つからないか、読む権限がありません）。");
  EXPECT_EQ(ReadCaseFile(dir).status.message(), "案件ファイル「" + dir.string() + "」はフォルダです。");

  const fs::path big = dir / "big.tavoro";
  testing::WriteFile(big, std::string(kMaxCaseFileBytes + 1, ' '));
  EXPECT_EQ(ReadCaseFile(big).status.message(),
            "案件ファイル「" + big.string() + "」が大きすぎます（1 MiB まで読めます）。");
  // Exactly 1 MiB is read (and then found to be no JSON).
  testing::WriteFile(big, std::string(kMaxCaseFileBytes, ' '));
  EXPECT_NE(ReadCaseFile(big).status.message().find("Tavoro の案件ファイルとして読めません"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
