#pragma once

#include <QString>
#include <filesystem>
#include <vector>

#include "batch/batch_run.h"

class QWidget;

namespace tavoro {

// ファイル → 一括計算…: asks for a table (or case files) and an output
// folder, runs the batch under a progress dialog that can be cancelled,
// then reports the count and opens the folder.
void RunBatchFromMenu(QWidget* parent);

// Runs the batch on a worker thread while a modal progress dialog shows the
// shafts done; its cancel button leaves the shafts not yet started.
BatchResult RunBatchWithProgress(QWidget* parent, const std::vector<BatchRow>& rows,
                                 const std::filesystem::path& outDir);

// The closing message: how many shafts were computed, how many not, and
// whether the batch was cancelled.
QString BatchDoneMessage(const BatchResult& result, const QString& outDir);

}  // namespace tavoro
