// Running a batch: the job runner, and the files of a batch on a stand-in
// device that writes each document's display list as text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "batch/batch_run.h"
#include "files.h"
#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

// Writes a document as the text of its commands: the same document gives
// the same bytes, and a page is easy to look for.
class TextDevices : public BatchDevices {
 public:
  const TextMeasurer& Measurer() const override { return measurer_; }
  RenderedDocument RenderPdf(const Document& document) const override {
    std::ostringstream out;
    out << "pages " << document.pages.size() << '\n';
    for (const Page& page : document.pages) {
      for (const PageCommand& command : page.commands) {
        if (const auto* text = std::get_if<TextCommand>(&command)) {
          out << text->x << ' ' << text->y << ' ' << text->text << '\n';
        } else if (const auto* line = std::get_if<LineCommand>(&command)) {
          out << line->x1 << ' ' << line->y1 << ' ' << line->x2 << ' ' << line->y2 << '\n';
        }
      }
      out << "--\n";
    }
    return {out.str(), failWhenPagesAre == document.pages.size() ? Status::Error("書けません") : Status::Ok()};
  }
  std::size_t failWhenPagesAre = 0;

 private:
  FixedPitchMeasurer measurer_;
};

std::map<std::string, std::string> FilesIn(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_directory()) {
      files[entry.path().filename().string()] = "";
      continue;
    }
    files[entry.path().filename().string()] = testing::ReadFile(entry.path());
  }
  return files;
}

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_ / "a"); }

  static std::vector<BatchRow> Rows() {
    const InputTexts ring = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
    InputTexts noRing = ring;
    noRing[5] = "0";
    InputTexts rejected = ring;
    rejected[2] = "1";
    std::vector<BatchRow> rows;
    for (int i = 1; i <= 9; ++i) {
      BatchRow row;
      row.number = i;
      row.inputs = i == 4 ? rejected : (i % 2 == 0 ? noRing : ring);
      row.project.shaft = i == 3 ? "" : "No." + std::to_string(i);
      rows.push_back(row);
    }
    return rows;
  }

  const testing::TempFolder folder_;
  const fs::path dir_ = folder_.path();
};

TEST_F(BatchRunTest, ReportsAShaftItCouldNotWriteAndRemovesItsEarlierDocument) {
  std::ofstream(dir_ / "a" / "002-No.2-report.pdf") << "old";
  std::ofstream(dir_ / "a" / "001-No.1-report.pdf") << "old";
  TextDevices devices;
  devices.failWhenPagesAre = 2;  // every two-page report, i.e. those with a ring
  const BatchResult result = RunBatch(Rows(), dir_ / "a", 2, devices, {});
  EXPECT_EQ(result.status.message(), "");
  EXPECT_EQ(result.outcomes[0].failure, "計算書を作成できません: 書けません");
  EXPECT_TRUE(result.outcomes[0].computed);
  EXPECT_EQ(result.FailedCount(), 6);  // five with a ring and the rejected one
  EXPECT_EQ(result.outcomes[0].removed, std::vector<std::string>{"001-No.1-report.pdf"});
  const auto files = FilesIn(dir_ / "a");
  EXPECT_FALSE(files.count("001-No.1-report.pdf"));  // no figures of an earlier run stay
  EXPECT_FALSE(files.count("001-No.1-chart.pdf"));
  EXPECT_EQ(files.at("002-No.2-report.pdf").rfind("pages 1\n", 0), 0u);
}

// Rerun into the same folder after the table changed: a shaft renamed, a row
// now refused, a row deleted. The folder then holds this run's documents and
// whatever else was there, the summary says what was removed, row by row.
TEST_F(BatchRunTest, FolderHoldsExactlyTheDocumentsOfTheLastRun) {
  const TextDevices devices;
  const fs::path out = dir_ / "a";
  ASSERT_EQ(RunBatch(Rows(), out, 2, devices, {}).FailedCount(), 1);
  const std::set<std::string> others = {"notes.txt", "001-No.1-report.PDF", "0001-report.pdf",
                                        "01-report.pdf", "001-No.1-report.pdf.bak", "007- -chart.pdf",
                                        "summary-old.csv"};
  for (const std::string& name : others) std::ofstream(out / name) << "mine";
  fs::create_directories(out / "010-No.10-chart.pdf" / "x");

  std::vector<BatchRow> rows = Rows();
  rows[2].project.shaft = "No.3 新";
  rows[4].inputs[2] = "1";  // No.5 refused now
  rows.pop_back();          // No.9 deleted
  const BatchResult result = RunBatch(rows, out, 2, devices, {});
  EXPECT_EQ(result.status.message(), "");
  EXPECT_EQ(result.FailedCount(), 2);
  EXPECT_EQ(result.RemovedCount(), 6);

  std::set<std::string> expected = others;
  for (const char* name : {"001-No.1", "002-No.2", "003-No.3 新", "006-No.6", "007-No.7", "008-No.8"}) {
    expected.insert(std::string(name) + "-report.pdf");
    expected.insert(std::string(name) + "-chart.pdf");
  }
  expected.insert({"summary.csv", "summary.pdf", "010-No.10-chart.pdf"});  // the folder stays
  std::set<std::string> names;
  for (const auto& [name, bytes] : FilesIn(out)) names.insert(name);
  EXPECT_EQ(names, expected);

  ASSERT_EQ(result.outcomes.size(), 9u);
  EXPECT_EQ(result.outcomes[2].removed,
            (std::vector<std::string>{"003-chart.pdf", "003-report.pdf"}));
  EXPECT_EQ(result.outcomes[4].removed,
            (std::vector<std::string>{"005-No.5-chart.pdf", "005-No.5-report.pdf"}));
  EXPECT_FALSE(result.outcomes[8].inRun);
  EXPECT_EQ(result.outcomes[8].row.number, 9);
  const std::string csv = FilesIn(out).at("summary.csv");
  EXPECT_NE(csv.find(",作成しました。前回の書類を削除しました: 003-chart.pdf、003-report.pdf,\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\n9,,今回の表にない行,"), std::string::npos);
  EXPECT_NE(csv.find(",前回の書類を削除しました: 009-No.9-chart.pdf、009-No.9-report.pdf,\r\n"),
            std::string::npos);
  const std::string pages = FilesIn(out).at("summary.pdf");
  EXPECT_NE(pages.find("立坑 8 件　計算済み 6 件　未計算 2 件"), std::string::npos);
  EXPECT_NE(pages.find(" 今回の表にない行\n"), std::string::npos);
  EXPECT_NE(pages.find(" 前回の書類を削除: 009-No.9-chart.pdf"), std::string::npos);
}

TEST_F(BatchRunTest, NothingIsRemovedWhenTheSummaryCannotBeWritten) {
  const TextDevices devices;
  const fs::path out = dir_ / "a";
  RunBatch(Rows(), out, 1, devices, {});
  fs::remove(out / "summary.csv");
  fs::create_directories(out / "summary.csv");  // no file can take its place
  std::vector<BatchRow> rows = Rows();
  rows.resize(2);
  const BatchResult result = RunBatch(rows, out, 1, devices, {});
  EXPECT_NE(result.status.message(), "");
  EXPECT_EQ(result.outcomes.size(), 8u);  // 3, 5 to 9 listed, but still there
  EXPECT_TRUE(fs::exists(out / "009-No.9-report.pdf"));
  EXPECT_TRUE(fs::exists(out / "003-chart.pdf"));
}

TEST_F(BatchRunTest, ListsShaftsNotStartedAfterCancel) {
  const TextDevices devices;
  std::atomic<bool> cancel{false};
  std::vector<int> progress;
  BatchProgress callbacks;
  callbacks.cancel = &cancel;
  callbacks.shaftDone = [&](int done, int total) {
    progress.push_back(done * 100 + total);
    if (done == 2) cancel = true;
  };
  const BatchResult result = RunBatch(Rows(), dir_ / "a", 1, devices, callbacks);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(progress, (std::vector<int>{109, 209}));
  EXPECT_TRUE(result.outcomes[1].Succeeded());
  EXPECT_EQ(result.outcomes[2].failure, "中止したため計算していません");
  EXPECT_EQ(result.outcomes[8].row.number, 9);
  EXPECT_TRUE(fs::exists(dir_ / "a" / "summary.csv"));
  EXPECT_FALSE(fs::exists(dir_ / "a" / "003-chart.pdf"));
}

}  // namespace
}  // namespace tavoro
