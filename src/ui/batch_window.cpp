#include "ui/batch_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <thread>

#include "batch/job_runner.h"
#include "batch/qt/batch_inputs.h"
#include "batch/qt/qt_batch_devices.h"
#include "ui/case_settings.h"

namespace tavoro {
namespace {

constexpr int kPollMilliseconds = 100;
// Shafts not computed named in the closing message itself; all in its details.
constexpr int kFailedRowsShown = 10;
const char kTitle[] = "一括計算";

}  // namespace

BatchResult RunBatchWithProgress(QWidget* parent, const std::vector<BatchRow>& rows,
                                 const std::filesystem::path& outDir) {
  BatchResult result;
  if (const Status made = MakeOutputFolder(outDir); !made.ok()) {
    result.status = made;
    return result;
  }
  const int total = static_cast<int>(rows.size());
  QProgressDialog progress(QStringLiteral("立坑を計算しています…"), QStringLiteral("キャンセル"), 0,
                           total, parent);
  progress.setWindowTitle(QString::fromUtf8(kTitle));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);

  const QtBatchDevices devices;
  std::atomic<bool> cancel{false};
  std::atomic<int> done{0};
  std::atomic<bool> finished{false};
  BatchProgress callbacks;
  callbacks.cancel = &cancel;
  callbacks.shaftDone = [&](int count, int) { done = count; };
  std::thread worker([&] {
    result = RunBatch(rows, outDir, DefaultJobCount(), devices, callbacks);
    finished = true;
  });

  QEventLoop loop;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    if (progress.wasCanceled()) cancel = true;
    progress.setLabelText(
        QStringLiteral("立坑を計算しています… %1 / %2 本").arg(done.load()).arg(total));
    progress.setValue(std::min(done.load(), total - 1));
    if (finished) loop.quit();
  });
  timer.start(kPollMilliseconds);
  loop.exec();
  worker.join();
  progress.setValue(total);
  return result;
}

BatchDoneMessage BatchDoneMessageOf(const BatchResult& result, const QString& outDir) {
  const int total = result.ShaftCount();
  const int failed = result.FailedCount();
  BatchDoneMessage message;
  message.warning = failed > 0 || result.cancelled || !result.status.ok();
  message.text =
      QStringLiteral("立坑 %1 本のうち %2 本を計算しました。").arg(total).arg(total - failed);
  if (result.cancelled) message.text += QStringLiteral("\n途中で中止しました。");
  if (failed > 0) {
    message.text += QStringLiteral("\n\n計算できなかった立坑 %1 本:").arg(failed);
    int shown = 0;
    QStringList all;
    for (const ShaftOutcome& outcome : result.outcomes) {
      if (!outcome.Failed()) continue;
      QString line = QStringLiteral("No.%1").arg(outcome.row.number);
      if (!outcome.row.project.shaft.empty())
        line += QStringLiteral(" ") + QString::fromStdString(outcome.row.project.shaft);
      line += QStringLiteral("：") + QString::fromStdString(outcome.failure);
      all.append(line);
      if (shown++ < kFailedRowsShown) message.text += QStringLiteral("\n") + line;
    }
    if (failed > kFailedRowsShown) {
      message.text += QStringLiteral("\nほか %1 本（詳細を表示）").arg(failed - kFailedRowsShown);
      message.details = all.join(QStringLiteral("\n"));
    }
    message.text += QStringLiteral("\n理由は summary.csv にもあります。");
  }
  if (result.RemovedCount() > 0) {
    message.text += QStringLiteral("\n今回作成しなかった前回の書類 %1 件を削除しました。")
                        .arg(result.RemovedCount());
  }
  if (!result.status.ok()) {
    message.text += QStringLiteral("\n") + QString::fromStdString(result.status.message());
  }
  message.text += QStringLiteral("\n出力先: %1").arg(QDir::toNativeSeparators(outDir));
  return message;
}

std::unique_ptr<QMessageBox> BatchDoneBox(QWidget* parent, const BatchDoneMessage& message) {
  auto box = std::make_unique<QMessageBox>(
      message.warning ? QMessageBox::Warning : QMessageBox::Information, QString::fromUtf8(kTitle),
      message.text, QMessageBox::Ok, parent);
  if (!message.details.isEmpty()) box->setDetailedText(message.details);
  return box;
}

QString BatchOutputFolderStart(const QString& table) {
  const QString last = InLastFolder(DialogFolder::kBatchOutput);
  return last.isEmpty() ? QFileInfo(table).absolutePath() : last;
}

void RunBatchFromMenu(QWidget* parent) {
  const QStringList files = QFileDialog::getOpenFileNames(
      parent, QStringLiteral("一括計算 - 表を開く"), InLastFolder(DialogFolder::kBatch),
      QStringLiteral("立坑の表 (*.csv);;案件ファイル (*.tavoro);;すべてのファイル (*)"));
  if (files.isEmpty()) return;
  RememberFolderOf(DialogFolder::kBatch, files.front());
  std::vector<std::string> paths;
  for (const QString& file : files) paths.push_back(QFile::encodeName(file).toStdString());
  const BatchTable table = ReadBatchInputs(paths, TableEncoding::kAuto);
  if (!table.status.ok()) {
    QMessageBox::warning(parent, QString::fromUtf8(kTitle), QString::fromStdString(table.status.message()));
    return;
  }
  const QString outDir =
      QFileDialog::getExistingDirectory(parent, QStringLiteral("一括計算 - 出力先のフォルダー"),
                                        BatchOutputFolderStart(files.front()));
  if (outDir.isEmpty()) return;
  RememberFolder(DialogFolder::kBatchOutput, outDir);
  const BatchResult result =
      RunBatchWithProgress(parent, table.rows, std::filesystem::path(outDir.toStdU16String()));
  BatchDoneBox(parent, BatchDoneMessageOf(result, outDir))->exec();
  QDesktopServices::openUrl(QUrl::fromLocalFile(outDir));
}

}  // namespace tavoro
