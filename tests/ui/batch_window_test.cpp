// 一括計算 on the desktop: the batch under its progress dialog, and the
// closing message.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QWidget>
#include <filesystem>

#include "files.h"
#include "worked_example.h"
#include "ui/batch_window.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

TEST(BatchWindowTest, MakesTheFolderRunsEveryShaftAndWarnsNamingTheShaftsNotComputed) {
  const testing::TempFolder root;
  const fs::path dir = root.path() / "新しいフォルダー";
  std::vector<BatchRow> rows(3);
  for (int i = 0; i < 3; ++i) {
    rows[static_cast<std::size_t>(i)].number = i + 1;
    rows[static_cast<std::size_t>(i)].inputs = testing::kWorkedExampleTexts;
  }
  rows[1].inputs[0] = "";
  rows[1].project.shaft = "No.2 立坑";
  rows[2].project.shaft = "No.3";

  QWidget parent;
  const BatchResult result = RunBatchWithProgress(&parent, rows, dir);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(result.FailedCount(), 1);
  EXPECT_TRUE(fs::exists(dir / "001-report.pdf"));
  EXPECT_TRUE(fs::exists(dir / "003-No.3-chart.pdf"));
  EXPECT_TRUE(fs::exists(dir / "summary.pdf"));
  const BatchDoneMessage message = BatchDoneMessageOf(result, QStringLiteral("/tmp/out"));
  EXPECT_EQ(message.text.toStdString(),
            QStringLiteral("立坑 3 本のうち 2 本を計算しました。\n\n"
                           "計算できなかった立坑 1 本:\n"
                           "No.2 No.2 立坑：「地下水位」が空欄です。0 以上 500 以下の深さ (m)"
                           "を入力してください。\n"
                           "理由は summary.csv にもあります。\n"
                           "出力先: /tmp/out")
                .toStdString());
  EXPECT_EQ(BatchDoneBox(&parent, message)->icon(), QMessageBox::Warning);
}

TEST(BatchWindowTest, ManyShaftsNotComputedGoToTheDetailsAndAllComputedIsNoWarning) {
  BatchResult result;
  result.outcomes.resize(13);
  for (std::size_t i = 0; i < result.outcomes.size(); ++i) {
    result.outcomes[i].row.number = static_cast<int>(i) + 1;
    result.outcomes[i].failure = "中止したため計算していません";
  }
  result.outcomes[0].computed = true;
  result.outcomes[0].failure.clear();
  result.outcomes[1].inRun = false;  // only documents of an earlier run removed
  result.outcomes[1].removed = {"002-旧-report.pdf", "002-旧-chart.pdf"};
  result.cancelled = true;
  const BatchDoneMessage message = BatchDoneMessageOf(result, QStringLiteral("/o"));
  EXPECT_TRUE(message.text.startsWith(QStringLiteral(
      "立坑 12 本のうち 1 本を計算しました。\n途中で中止しました。\n\n計算できなかった立坑 11 本:\n"
      "No.3：中止したため計算していません\n")));
  EXPECT_TRUE(message.text.endsWith(QStringLiteral(
      "No.12：中止したため計算していません\nほか 1 本（詳細を表示）\n理由は summary.csv にもあります。\n"
      "今回作成しなかった前回の書類 2 件を削除しました。\n出力先: /o")));
  EXPECT_EQ(message.details.count(QStringLiteral("\n")), 10);
  EXPECT_TRUE(message.details.endsWith(QStringLiteral("No.13：中止したため計算していません")));

  BatchResult done;
  done.outcomes.resize(1);
  done.outcomes[0].computed = true;
  const BatchDoneMessage fine = BatchDoneMessageOf(done, QStringLiteral("/o"));
  EXPECT_EQ(fine.text, QStringLiteral("立坑 1 本のうち 1 本を計算しました。\n出力先: /o"));
  QWidget parent;
  EXPECT_EQ(BatchDoneBox(&parent, fine)->icon(), QMessageBox::Information);
}

}  // namespace
}  // namespace tavoro
