#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_table.h"
#include "batch/shaft_outcome.h"
#include "status/status.h"
#include "page/display_list.h"
#include "page/text_measurer.h"

namespace tavoro {

// A document written out as file bytes, or why it could not be.
struct RenderedDocument {
  std::string bytes;
  Status status;
};

// The real-font side of a batch. Both calls are made from several threads
// at once and must be safe for that.
class BatchDevices {
 public:
  virtual ~BatchDevices() = default;
  virtual const TextMeasurer& Measurer() const = 0;
  virtual RenderedDocument RenderPdf(const Document& document) const = 0;
};

struct BatchProgress {
  // Called after each shaft, one call at a time, from any thread.
  std::function<void(int done, int total)> shaftDone;
  // When set, shafts not yet started are left out (listed as cancelled).
  const std::atomic<bool>* cancel = nullptr;
};

struct BatchResult {
  // One per row, in row order, and one for each number without a row under
  // which documents of an earlier run were removed.
  std::vector<ShaftOutcome> outcomes;
  // Fails when the summary files were not written, or an earlier document
  // could not be removed.
  Status status;
  bool cancelled = false;

  int ShaftCount() const;    // rows of the run
  int FailedCount() const;   // rows of the run not computed or not written
  int RemovedCount() const;  // earlier documents removed
};

// Runs every row as its own case on up to `jobs` threads. For each row that
// computes, writes "NNN-<shaft>-report.pdf" and "NNN-<shaft>-chart.pdf"
// into outDir, then summary.csv and summary.pdf over all rows. Every file
// replaces an existing one only when complete. The files are the same
// whatever jobs is. The folder is the record of the run: documents of that
// pattern the run did not write are listed in the summary and, once it is
// written, removed; nothing else in outDir is touched.
BatchResult RunBatch(const std::vector<BatchRow>& rows, const std::filesystem::path& outDir,
                     int jobs, const BatchDevices& devices, const BatchProgress& progress);

// Makes the output folder with its parents when missing; the Japanese
// message when it cannot be made or is no folder.
Status MakeOutputFolder(const std::filesystem::path& outDir);

// The file of a shaft's document: outDir / "NNN-<shaft>-<kind>.pdf".
std::filesystem::path ShaftDocumentPath(const std::filesystem::path& outDir, const BatchRow& row,
                                        std::string_view kind);

}  // namespace tavoro
