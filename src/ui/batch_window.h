#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "batch/batch_run.h"

class QMessageBox;
class QWidget;

namespace tavoro {

// ファイル → 一括計算…: asks for a table (or case files) and an output
// folder (made when missing), runs the batch under a progress dialog that
// can be cancelled, then reports the count and opens the folder.
void RunBatchFromMenu(QWidget* parent);

// Where the dialog for the output folder starts: the output folder last
// chosen while it exists, else the folder of table, the first file chosen.
QString BatchOutputFolderStart(const QString& table);

// Makes the output folder when missing, then runs the batch on a worker
// thread while a modal progress dialog shows the shafts done; its cancel
// button leaves the shafts not yet started.
BatchResult RunBatchWithProgress(QWidget* parent, const std::vector<BatchRow>& rows,
                                 const std::filesystem::path& outDir);

// The closing message: how many shafts were computed, whether the batch was
// cancelled, each shaft not computed with why (the first ones; details holds
// them all when there are more), the earlier documents removed, and the
// folder. warning when a shaft or a file of the batch failed.
struct BatchDoneMessage {
  bool warning = false;
  QString text;
  QString details;
};
BatchDoneMessage BatchDoneMessageOf(const BatchResult& result, const QString& outDir);

// The message box of a finished batch: a warning icon when anything failed,
// else an information icon.
std::unique_ptr<QMessageBox> BatchDoneBox(QWidget* parent, const BatchDoneMessage& message);

}  // namespace tavoro
