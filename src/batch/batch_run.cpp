#include "batch/batch_run.h"

#include <algorithm>
#include <new>

#include "batch/job_runner.h"
#include "batch/output_names.h"
#include "batch/stale_documents.h"
#include "batch/summary_csv.h"
#include "batch/summary_pages.h"
#include "calc/run_case.h"
#include "documents/case_documents.h"
#include "fileio/staged_files.h"
#include "page/page_surface.h"

namespace tavoro {
namespace {

constexpr char kCancelledMessage[] = "中止したため計算していません";

std::filesystem::path Utf8Path(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

// Draws, renders and stages one document of a shaft; returns the failure or "".
std::string AddDocument(StagedFiles& files, const std::filesystem::path& path,
                        const BatchDevices& devices, CaseDocument which, const std::string& what,
                        const ShaftOutcome& shaft) {
  const BuiltDocument built =
      BuildCaseDocument(devices.Measurer(), which, shaft.calc, shaft.row.project);
  if (!built.status.ok()) return what + "を作成できません: " + built.status.message();
  const RenderedDocument rendered = devices.RenderPdf(built.document);
  if (!rendered.status.ok()) return what + "を作成できません: " + rendered.status.message();
  files.Add(path, rendered.bytes);
  return "";
}

ShaftOutcome RunShaft(const BatchRow& row, const std::filesystem::path& outDir,
                      const BatchDevices& devices) {
  ShaftOutcome outcome;
  outcome.row = row;
  if (!row.unreadable.empty()) {
    outcome.failure = row.unreadable;
    return outcome;
  }
  CaseRun run = RunCase(row.inputs, 0, row.ground);
  if (run.rejection) {
    outcome.failure = run.rejection->message;
    return outcome;
  }
  outcome.computed = true;
  outcome.calc = run.calc;

  StagedFiles files;
  struct ShaftDocument {
    CaseDocument which;
    const char* kind;  // in the file name
    const char* what;  // in a failure
  };
  for (const ShaftDocument& document : {ShaftDocument{CaseDocument::kReport, "report", "計算書"},
                                        ShaftDocument{CaseDocument::kChart, "chart", "水位降下曲線"}}) {
    outcome.failure = AddDocument(files, ShaftDocumentPath(outDir, row, document.kind), devices,
                                  document.which, document.what, outcome);
    if (!outcome.failure.empty()) return outcome;
  }
  if (const Status written = files.Commit(); !written.ok()) outcome.failure = written.message();
  return outcome;
}

// The documents the run wrote: both of every shaft that succeeded.
std::vector<std::filesystem::path> WrittenDocuments(const std::filesystem::path& outDir,
                                                    const std::vector<ShaftOutcome>& outcomes) {
  std::vector<std::filesystem::path> written;
  for (const ShaftOutcome& outcome : outcomes) {
    if (!outcome.Succeeded()) continue;
    for (const std::string_view kind : kShaftDocumentKinds) {
      written.push_back(ShaftDocumentPath(outDir, outcome.row, kind));
    }
  }
  return written;
}

// Lists each stale document under its row, or under a row of its own number
// (in number order) when the run had no such row.
void ListRemoved(std::vector<ShaftOutcome>& outcomes, const std::vector<StaleDocument>& stale) {
  for (const StaleDocument& document : stale) {
    auto it = std::lower_bound(
        outcomes.begin(), outcomes.end(), document.number,
        [](const ShaftOutcome& outcome, int number) { return outcome.row.number < number; });
    if (it == outcomes.end() || it->row.number != document.number) {
      ShaftOutcome listed;
      listed.row.number = document.number;
      listed.inRun = false;
      it = outcomes.insert(it, std::move(listed));
    }
    it->removed.push_back(document.name);
  }
}

}  // namespace

int BatchResult::ShaftCount() const {
  return static_cast<int>(std::count_if(outcomes.begin(), outcomes.end(),
                                        [](const ShaftOutcome& o) { return o.inRun; }));
}

int BatchResult::FailedCount() const {
  return static_cast<int>(std::count_if(outcomes.begin(), outcomes.end(),
                                        [](const ShaftOutcome& o) { return o.Failed(); }));
}

int BatchResult::RemovedCount() const {
  std::size_t removed = 0;
  for (const ShaftOutcome& outcome : outcomes) removed += outcome.removed.size();
  return static_cast<int>(removed);
}

Status MakeOutputFolder(const std::filesystem::path& outDir) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec || !std::filesystem::is_directory(outDir, ec)) {
    return Status::Error("出力先のフォルダー " + PathForMessage(outDir) + " を作れません");
  }
  return Status::Ok();
}

std::filesystem::path ShaftDocumentPath(const std::filesystem::path& outDir, const BatchRow& row,
                                        std::string_view kind) {
  return outDir / Utf8Path(ShaftDocumentName(row.number, row.project.shaft, kind));
}

BatchResult RunBatch(const std::vector<BatchRow>& rows, const std::filesystem::path& outDir,
                     int jobs, const BatchDevices& devices, const BatchProgress& progress) {
  BatchResult result;
  RemoveLeftovers(outDir);
  const int total = static_cast<int>(rows.size());
  std::vector<ShaftOutcome> outcomes(rows.size());
  std::vector<char> ran(rows.size(), 0);
  RunJobs(
      total, jobs,
      [&](int index) {
        const auto i = static_cast<std::size_t>(index);
        try {
          outcomes[i] = RunShaft(rows[i], outDir, devices);
        } catch (const std::bad_alloc&) {
          outcomes[i] = ShaftOutcome{};
          outcomes[i].row = rows[i];
          outcomes[i].failure = "メモリが足りないため計算書を作成できません";
        }
        ran[i] = 1;
      },
      [&](int done) {
        if (progress.shaftDone) progress.shaftDone(done, total);
      },
      progress.cancel);

  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (ran[i]) continue;
    result.cancelled = true;
    outcomes[i].row = rows[i];
    outcomes[i].failure = kCancelledMessage;
  }
  result.outcomes = std::move(outcomes);
  // Documents of an earlier run that this one did not write: listed in the
  // summary, and removed once every new document is in place.
  const std::vector<StaleDocument> stale =
      FindStaleDocuments(outDir, WrittenDocuments(outDir, result.outcomes));
  ListRemoved(result.outcomes, stale);

  StagedFiles summary;
  summary.Add(outDir / "summary.csv", SummaryCsv(result.outcomes));
  PageSurface page(devices.Measurer());
  DrawSummaryPages(page, result.outcomes, SummaryProject(rows));
  const RenderedDocument pdf = devices.RenderPdf(page.document());
  if (!pdf.status.ok()) {
    result.status = Status::Error("集計表を作成できません: " + pdf.status.message());
    return result;
  }
  summary.Add(outDir / "summary.pdf", pdf.bytes);
  if (const Status written = summary.Commit(); !written.ok()) {
    result.status = written;
    return result;
  }
  if (const Status removed = RemoveStaleDocuments(stale); !removed.ok()) {
    result.status = removed;
  }
  return result;
}

}  // namespace tavoro
