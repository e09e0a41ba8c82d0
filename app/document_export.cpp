#include "document_export.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <cctype>

#include "chart/chart.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "page/qt/qt_page.h"
#include "report/report.h"
#include "study/study_pages.h"

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

bool EndsWithPdf(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".pdf";
}

// "out.png" with page 2 of 2 -> "out-2.png"; a one-page document keeps path.
std::string PagePath(const std::string& path, int pageIndex, int pageCount) {
  if (pageCount <= 1) return path;
  const std::string suffix = "-" + std::to_string(pageIndex + 1);
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (dot == std::string::npos || dot <= nameStart) return path + suffix;
  return path.substr(0, dot) + suffix + path.substr(dot);
}

std::string StageDocument(const Document& document, const std::string& path, int dpi,
                          StagedFiles& files) {
  if (document.pages.empty()) return "文書にページがありません。";
  QString error;
  QByteArray bytes;
  if (EndsWithPdf(path)) {
    if (!RenderPdf(document, &bytes, &error)) return error.toStdString();
    files.Add(path, bytes.toStdString());
    return {};
  }
  const int pageCount = static_cast<int>(document.pages.size());
  for (int i = 0; i < pageCount; ++i) {
    bytes.clear();
    if (!RenderPng(document, i, dpi, &bytes, &error)) return error.toStdString();
    files.Add(PagePath(path, i, pageCount), bytes.toStdString());
  }
  return {};
}

}  // namespace

std::string StageReport(const CalculationCase& calc, const ProjectInfo& project,
                        const std::string& path, int dpi, StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  const ReportOutcome outcome = DrawReport(page, calc, settings, counter, project);
  if (!outcome.completed) return outcome.error;
  return StageDocument(page.document(), path, dpi, files);
}

std::string StageChart(const CalculationCase& calc, const ProjectInfo& project,
                       const std::string& path, int dpi, StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildChartPage(page, calc, settings, project);
  return StageDocument(page.document(), path, dpi, files);
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

}  // namespace tavoro
