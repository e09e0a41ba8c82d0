#include "batch/batch_run.h"

#include <algorithm>

#include "batch/job_runner.h"
#include "batch/output_names.h"
#include "batch/summary_csv.h"
#include "batch/summary_pages.h"
#include "calc/run_case.h"
#include "chart/chart.h"
#include "fileio/staged_files.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "report/report.h"

namespace tavoro {
namespace {

constexpr char kCancelledMessage[] = "中止したため計算していません";

std::filesystem::path Utf8Path(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

// Draws and renders one document of a shaft; returns the failure or "".
std::string AddDocument(StagedFiles& files, const std::filesystem::path& path,
                        const BatchDevices& devices, const Document& document,
                        std::string_view what) {
  const RenderedDocument rendered = devices.RenderPdf(document);
  if (!rendered.error.empty()) return std::string(what) + "を作成できません: " + rendered.error;
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
  CaseRun run = RunCase(row.inputs, 0);
  if (run.rejection) {
    outcome.failure = run.rejection->message;
    return outcome;
  }
  outcome.computed = true;
  outcome.calc = run.calc;

  StagedFiles files;
  {
    PageSurface page(devices.Measurer());
    PageSettings settings;
    ReportLineCounter counter;
    const ReportOutcome report = DrawReport(page, outcome.calc, settings, counter, row.project);
    if (!report.completed) {
      outcome.failure = "計算書を作成できません: " + report.error;
      return outcome;
    }
    outcome.failure = AddDocument(files, ShaftDocumentPath(outDir, row, "report"), devices,
                                  page.document(), "計算書");
    if (!outcome.failure.empty()) return outcome;
  }
  {
    PageSurface page(devices.Measurer());
    PageSettings settings;
    BuildChartPage(page, outcome.calc, settings, row.project);
    outcome.failure = AddDocument(files, ShaftDocumentPath(outDir, row, "chart"), devices,
                                  page.document(), "水位降下曲線");
    if (!outcome.failure.empty()) return outcome;
  }
  if (std::optional<std::string> error = files.Commit()) outcome.failure = std::move(*error);
  return outcome;
}

}  // namespace

int BatchResult::FailedCount() const {
  return static_cast<int>(std::count_if(outcomes.begin(), outcomes.end(),
                                        [](const ShaftOutcome& o) { return !o.Succeeded(); }));
}

std::filesystem::path ShaftDocumentPath(const std::filesystem::path& outDir, const BatchRow& row,
                                        std::string_view kind) {
  return outDir /
         Utf8Path(ShaftFileStem(row.number, row.project.shaft) + "-" + std::string(kind) + ".pdf");
}

BatchResult RunBatch(const std::vector<BatchRow>& rows, const std::filesystem::path& outDir,
                     int jobs, const BatchDevices& devices, const BatchProgress& progress) {
  BatchResult result;
  const int total = static_cast<int>(rows.size());
  std::vector<ShaftOutcome> outcomes(rows.size());
  std::vector<char> ran(rows.size(), 0);
  RunJobs(
      total, jobs,
      [&](int index) {
        const auto i = static_cast<std::size_t>(index);
        outcomes[i] = RunShaft(rows[i], outDir, devices);
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

  StagedFiles summary;
  summary.Add(outDir / "summary.csv", SummaryCsv(result.outcomes));
  PageSurface page(devices.Measurer());
  DrawSummaryPages(page, result.outcomes, SummaryProject(rows));
  const RenderedDocument pdf = devices.RenderPdf(page.document());
  if (!pdf.error.empty()) {
    result.error = "集計表を作成できません: " + pdf.error;
    return result;
  }
  summary.Add(outDir / "summary.pdf", pdf.bytes);
  if (std::optional<std::string> error = summary.Commit()) result.error = std::move(*error);
  return result;
}

}  // namespace tavoro
