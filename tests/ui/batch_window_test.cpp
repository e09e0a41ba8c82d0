// 一括計算 on the desktop: the batch under its progress dialog, and the
// closing message.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "ui/batch_window.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

TEST(BatchWindowTest, RunsEveryShaftUnderTheProgressDialog) {
  const fs::path dir = fs::temp_directory_path() / "tavoro-batch-window";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::vector<BatchRow> rows(3);
  for (int i = 0; i < 3; ++i) {
    rows[static_cast<std::size_t>(i)].number = i + 1;
    rows[static_cast<std::size_t>(i)].inputs = {"2", "20",     "10", "20", "0.01",
                                                "2", "0.0001", "10", "100"};
  }
  rows[1].inputs[2] = "1";  // excavation above the groundwater
  rows[2].project.shaft = "No.3";

  QWidget parent;
  const BatchResult result = RunBatchWithProgress(&parent, rows, dir);
  EXPECT_FALSE(result.cancelled);
  ASSERT_EQ(result.outcomes.size(), 3u);
  EXPECT_EQ(result.FailedCount(), 1);
  EXPECT_TRUE(fs::exists(dir / "001-report.pdf"));
  EXPECT_TRUE(fs::exists(dir / "003-No.3-chart.pdf"));
  EXPECT_TRUE(fs::exists(dir / "summary.pdf"));
  EXPECT_EQ(BatchDoneMessage(result, QStringLiteral("/tmp/out")),
            QStringLiteral("立坑 3 本のうち 2 本を計算しました。\n"
                           "計算できなかった立坑 1 本の理由は summary.csv にあります。\n"
                           "出力先: /tmp/out"));
  fs::remove_all(dir);
}

TEST(BatchWindowTest, SaysWhenTheBatchWasCancelled) {
  BatchResult result;
  result.outcomes.resize(2);
  result.outcomes[0].computed = true;
  result.outcomes[1].failure = "中止したため計算していません";
  result.cancelled = true;
  EXPECT_EQ(
      BatchDoneMessage(result, QStringLiteral("/o")),
      QStringLiteral("立坑 2 本のうち 1 本を計算しました。\n途中で中止しました。\n"
                     "計算できなかった立坑 1 本の理由は summary.csv にあります。\n出力先: /o"));
}

}  // namespace
}  // namespace tavoro
