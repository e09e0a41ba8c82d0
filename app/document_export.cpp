#include "document_export.h"

#include <QByteArray>
#include <QDate>
#include <QGuiApplication>
#include <QString>
#include <cctype>

#include "chart/chart.h"
#include "export/output_formats.h"
#include "export/qt/document_files.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "page/qt/qt_page.h"
#include "report/report.h"
#include "study/study_pages.h"
#include "tavoro_version.h"
#include "verify/verify_pages.h"

namespace tavoro {
namespace {

// Measuring and painting with real fonts needs a QGuiApplication; export
// never shows a window, so it runs on the offscreen platform.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tavoro";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  InstallFaceSubstitutions();
}

// The document in the format path's extension names (the options are
// checked before anything is drawn).
std::string StageFor(const Document& document, const std::string& path, int dpi,
                     StagedFiles& files, std::string* note = nullptr) {
  const std::optional<OutputFormat> format = OutputFormatOf(path);
  if (!format) return "「" + path + "」の拡張子では書けません。";
  return StageDocument(document, *format, path, dpi, files, note);
}

}  // namespace

std::string StageReport(const CalculationCase& calc, const ProjectInfo& project,
                        const std::string& path, int dpi, StagedFiles& files, bool cover) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  // The cover dates the calculation today, in the local calendar.
  const CoverFacts facts{"Tavoro " TAVORO_VERSION,
                         QDate::currentDate().toString(Qt::ISODate).toStdString()};
  const ReportOutcome outcome =
      DrawReport(page, calc, settings, counter, project, cover ? &facts : nullptr);
  if (!outcome.completed) return outcome.error;
  return StageFor(page.document(), path, dpi, files);
}

std::string StageChart(const CalculationCase& calc, const ProjectInfo& project,
                       const std::string& path, int dpi, StagedFiles& files, std::string* note) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildChartPage(page, calc, settings, project);
  return StageFor(page.document(), path, dpi, files, note);
}

std::string StageStudy(const StudyResult& result, const ProjectInfo& project,
                       const std::string& path, StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildStudyPages(page, result, project, settings);
  QString error;
  QByteArray bytes;
  if (!RenderPdf(page.document(), &bytes, &error)) return error.toStdString();
  files.Add(path, bytes.toStdString());
  return {};
}

std::string StageVerifyPages(const std::vector<WorkedExample>& examples, const std::string& path,
                             StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  DrawVerifyPages(page, examples, "Tavoro " TAVORO_VERSION);
  QString error;
  QByteArray bytes;
  if (!RenderPdf(page.document(), &bytes, &error)) return error.toStdString();
  files.Add(path, bytes.toStdString());
  return {};
}

}  // namespace tavoro
