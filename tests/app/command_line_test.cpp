// tavoro export, study and batch as a user runs them, one row a command line: its exit
// status, a fragment of its standard error (none at all for a quiet run) and every file in
// the folder afterwards. Run without XDG_RUNTIME_DIR, as cron, CI and ssh run it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "files.h"
#include "process.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using Strings = std::vector<std::string>;

struct Row {
  // "@" stands for the worked example's nine options, "@name=value" for them with --name
  // given that value.
  Strings args;
  int status;
  std::string err;  // a fragment of standard error; "" when it must stay empty
  Strings files;    // everything in the folder afterwards, sorted, given files included
  std::vector<std::pair<std::string, std::string>> given = {};
};

const std::string kTable =
    "立坑名,地下水位,不透水層深度,掘削深度,立坑周長,透水係数,改良幅,改良後の透水係数,着目点,"
    "計算範囲\r\nNo.1,2,20,10,20,0.01,2,0.0001,10,100\r\nNo.2,5,20,4,20,0.01,2,0.0001,10,100\r\n";

const std::string kCase =
    R"({"format": "tavoro-case", "version": 1, "inputs": {"groundwater": "2",
    "impervious": "20", "excavation": "10", "perimeter": "20", "kn": "0.01", "width": "2",
    "kg": "0.0001", "point": "10", "range": "100"}, "project": {"shaft": "No.9"}})";

const Row kRows[] = {
    // export: every format, chosen by the extension in any case.
    {{"export", "@", "--json", "j.json", "--report", "r.pdf", "--chart", "C.PNG", "--dpi", "20"},
     0, "", {"C.PNG", "j.json", "r.pdf"}},
    {{"export", "@", "--report", "r.svg", "--chart", "c.dxf", "--csv", "k.csv"},
     0, "", {"c.dxf", "k.csv", "r-1.svg", "r-2.svg"}},
    {{"export", "@", "--report=r.png", "--dpi=10", "--save-case=a.tavoro"},
     0, "", {"a.tavoro", "r-1.png", "r-2.png"}},
    {{"export", "@", "--json", "\xff\xfe.json"}, 0, "", {"\xff\xfe.json"}},
    {{"export", "@", "--checker=佐藤", "--cover", "--report", "c.pdf"}, 0, "", {"c.pdf"}},
    // export: usage errors write nothing.
    {{"export", "@", "--chart", "c.txt"}, 2, "c.txt", {}},
    {{"export", "@", "--csv", "ok.csv", "--chart", "c.PNG.bak"}, 2, "c.PNG.bak", {}},
    {{"export", "@", "--report", "r.dxf"}, 2, "r.dxf", {}},
    {{"export", "@", "--json", "case.csv"}, 2, "case.csv", {}},
    {{"export", "@", "--save-case", "a.json"}, 2, "--save-case", {}},
    {{"export", "--kn", "1"}, 2, "出力がありません。", {}},
    {{"export", "@", "--json", "j.json", "--depth=3"}, 2, "不明なオプション --depth があります。", {}},
    {{"export", "@", "--json", "j.json", "--kn"}, 2, "--kn に値がありません。", {}},
    {{"export", "@", "--json", "j.json", "7"}, 2, "余分な引数「7」があります。", {}},
    {{"export", "@", "--json", "j.json", "--kn=2"}, 2, "--kn が 2 回以上指定されています。", {}},
    {{"export", "@", "--chart", "c.png", "--dpi", "9"}, 2, "10 から 600 までの整数", {}},
    {{"export", "@", "--json", "j.json", "--date=2024-02-30"}, 2, "--date", {}},
    {{"export", "@", "--json", "j.json", "--notes=a", "--notes=b"}, 2, "--notes", {}},
    {{"export", "--case", "bad.tavoro", "--json", "j.json"}, 2, "bad.tavoro", {"bad.tavoro"},
     {{"bad.tavoro", R"({"format": "tavoro-case", "version": 1, "inputs": {"depth": "2"}})"}}},
    // export: a refused input names the option and the field.
    {{"export", "@excavation=2", "--json=j.json"},
     2, "--excavation: 「掘削深度」の「2」は地下水位「2」より深くありません。", {}},
    {{"export", "@range=1e400", "--json=j.json"}, 2, "「計算範囲」の「1e400」は大きすぎて", {}},
    {{"export", "@", "--json", "no/j.json"}, 1, "保存先のフォルダがありません。", {}},
    // export: ground options refused.
    {{"export", "@", "--radius=500", "--json=j.json"},
     2, "tavoro: --radius: 「影響半径」は影響半径の式が「指定」のときだけ", {}},
    {{"export", "@", "--radius-method=thiem", "--json=j.json"},
     2, "tavoro: --radius-method: 「影響半径の式」の「thiem」は", {}},
    {{"export", "@", "--confined-top=20", "--json=j.json"},
     2, "tavoro: --confined-head: 「被圧水頭」が空欄です。", {}},
    {{"export", "@", "--confined-top=20", "--confined-head=8", "--soil-layers=4:18", "--json=j.json"},
     2, "tavoro: --soil-layers: 「土層」の「4:18」では層厚の和 (4.000 m) が", {}},
    {{"frobnicate"}, 2, "", {}},
    {{"verify", "--pdf"}, 2, "--pdf に値がありません。", {}},
    // study
    {{"study", "@", "--target-q2", "0.3", "--pdf", "s.pdf", "--csv", "s.csv", "--json", "s.json"},
     0, "", {"s.csv", "s.json", "s.pdf"}},
    {{"study", "--case", "a.tavoro", "--kg-list", "1e-4, 1e-6", "--width-max=1", "--target-s2",
      "0.01", "--json", "s.json"},
     1, "", {"a.tavoro", "s.json"}, {{"a.tavoro", kCase}}},
    {{"study", "@", "--pdf", "s.pdf"}, 2, "どちらか一方", {}},
    {{"study", "@", "--target-q2", "1", "--target-s2", "1"}, 2, "どちらか一方", {}},
    {{"study", "@", "--target-q2", "1", "--target-q2", "2"}, 2, "--target-q2", {}},
    {{"study", "@", "--target-q2", "abc"}, 2, "「abc」は数値として読めません", {}},
    {{"study", "@", "--target-q2", "1", "--kg-list", "1e-4,0"}, 2, "2 番目の「0」は使えません", {}},
    {{"study", "@", "--target-q2", "1", "--kg-list", "1e-4,1e-10"}, 2, "2 番目の「1e-10」は使えません", {}},
    {{"study", "@", "--target-q2", "1", "--width-max", "60"}, 2, "改良幅の上限の「60」は使えません", {}},
    {{"study", "@", "--target-q2", "0"}, 2, "目標の湧水量 Q2の「0」は使えません", {}},
    {{"study", "@", "--target-q2", "1", "stray"}, 2, "余分な引数", {}},
    {{"study", "@", "--target-q2", "1", "--pdf", "s.txt"}, 2, "--pdf の出力ファイル名「s.txt」", {}},
    {{"study", "@", "--target-q2", "0.3", "--csv", "\xff\xfe.csv"}, 0, "", {"\xff\xfe.csv"}},
    {{"study", "--excavation", "1", "--groundwater", "2", "--target-q2", "1"}, 2, "掘削深度", {}},
    {{"study", "--case", "a.tavoro", "--kn", "0.01", "--target-q2", "1"}, 2, "同時に指定できません",
     {"a.tavoro"}, {{"a.tavoro", kCase}}},
    // the ground options reach the study's rules
    {{"study", "@", "--radius-method", "given", "--target-q2", "1"}, 2, "--radius", {}},
    {{"study", "--case", "a.tavoro", "--unit-weight", "18", "--target-q2", "1"}, 2,
     "同時に指定できません", {"a.tavoro"}, {{"a.tavoro", kCase}}},
    // batch
    {{"batch", "t.csv", "--out", "out", "--jobs", "2"},
     1, "No.2: 「掘削深度」の「4」は", {"out", "out/001-No.1-chart.pdf", "out/001-No.1-report.pdf", "out/summary.csv",
             "out/summary.pdf", "t.csv"},
     {{"t.csv", kTable}}},
    {{"batch", "a.tavoro", "b.tavoro", "--out", "out"},
     1, "No.2: 案件ファイル「b.tavoro」は", {"a.tavoro", "b.tavoro", "out", "out/001-No.9-chart.pdf", "out/001-No.9-report.pdf",
             "out/summary.csv", "out/summary.pdf"},
     {{"a.tavoro", kCase}, {"b.tavoro", "not json"}}},
    {{"batch", "t.csv"}, 2, "--out", {"t.csv"}, {{"t.csv", kTable}}},
    {{"batch", "t.csv", "--out", "a", "--out", "b"}, 2, "--out", {"t.csv"}, {{"t.csv", kTable}}},
    {{"batch", "t.csv", "--out", "x", "--jobs", "0"}, 2, "--jobs", {"t.csv"}, {{"t.csv", kTable}}},
    {{"batch", "t.csv", "-o", "x", "--encoding", "utf-8", "--encoding=cp932"}, 2,
     "--encoding が 2 回以上指定されています。", {"t.csv"}, {{"t.csv", kTable}}},
    {{"batch", "t.csv", "--out", "x", "--encoding", "latin1"}, 2, "--encoding には utf-8 か cp932", {"t.csv"},
     {{"t.csv", kTable}}},
    {{"batch", "missing.csv", "--out", "x"}, 2, "missing.csv", {}},
    {{"batch", "t.csv", "--out", "x"}, 2, "表の見出し行を使えないため", {"t.csv"},
     {{"t.csv", "2,20,10,20,0.01,10,100\n"}}},
    // Headers close to the captions: the table is refused as a whole.
    {{"batch", "t.csv", "--out", "x"}, 2, "", {"t.csv"},
     {{"t.csv", "地下水位,不透水層,掘削深度,立坑周長,透水係数,改良幅,改良後透水係数,着目点\n"
                "2,20,10,20,0.01,2,0.0001,10\n"}}},
    {{"batch", "t.csv", "a.tavoro", "--out", "x"}, 2, "", {"a.tavoro", "t.csv"},
     {{"t.csv", kTable}, {"a.tavoro", kCase}}},
};

TEST(CommandLineTest, StatusMessageAndFilesOfEachCommandLine) {
  for (const Row& row : kRows) {
    Strings args;
    for (const std::string& arg : row.args) {
      if (!arg.starts_with("@")) {
        args.push_back(arg);
        continue;
      }
      const std::size_t eq = arg.find('=');
      args.insert(args.end(), testing::kWorkedExampleArgs.begin(),
                  testing::kWorkedExampleArgs.end());
      for (std::size_t i = 0; eq != std::string::npos && i + 1 < args.size(); ++i) {
        if (args[i] == "--" + arg.substr(1, eq - 1)) args[i + 1] = arg.substr(eq + 1);
      }
    }
    std::string line;
    for (const std::string& arg : row.args) line += arg + " ";
    SCOPED_TRACE(line);
    const testing::TempFolder folder;
    for (const auto& [name, text] : row.given) testing::WriteFile(folder.path() / name, text);
    const testing::ProcessResult run =
        testing::RunTavoro(args, folder.path().string(), {"XDG_RUNTIME_DIR"});
    EXPECT_EQ(run.status, row.status) << run.err;
    if (row.err.empty() && row.status != 2) {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
    }
    EXPECT_EQ(testing::NamesBelow(folder.path()), row.files);
  }
}

}  // namespace
}  // namespace tavoro
