#include "document_export.h"

#include <QGuiApplication>
#include <QString>

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
  const QString lower = QString::fromStdString(path).toLower();
  return lower.endsWith(QStringLiteral(".pdf"));
}

// "out.png" with page 2 of 2 -> "out-2.png"; a one-page document keeps path.
QString PagePath(const std::string& path, int pageIndex, int pageCount) {
  const QString whole = QString::fromStdString(path);
  if (pageCount <= 1) return whole;
  const QString suffix = QStringLiteral("-%1").arg(pageIndex + 1);
  const qsizetype slash = whole.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = whole.lastIndexOf(QLatin1Char('.'));
  if (dot <= slash + 1) return whole + suffix;
  return whole.left(dot) + suffix + whole.mid(dot);
}

std::string WriteDocument(const Document& document, const std::string& path, int dpi) {
  QString error;
  if (document.pages.empty()) return "the document has no page";
  if (EndsWithPdf(path)) {
    if (!WritePdf(document, QString::fromStdString(path), &error)) return error.toStdString();
    return {};
  }
  const int pageCount = static_cast<int>(document.pages.size());
  for (int i = 0; i < pageCount; ++i) {
    if (!WritePng(document, i, PagePath(path, i, pageCount), dpi, &error)) {
      return error.toStdString();
    }
  }
  return {};
}

}  // namespace

std::string ExportReport(const CalculationCase& calc, const ProjectInfo& project,
                         const std::string& path, int dpi) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  const ReportOutcome outcome = DrawReport(page, calc, settings, counter, project);
  if (!outcome.completed) return "the report could not be drawn: " + outcome.error;
  return WriteDocument(page.document(), path, dpi);
}

std::string ExportChart(const CalculationCase& calc, const ProjectInfo& project,
                        const std::string& path, int dpi) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildChartPage(page, calc, settings, project);
  return WriteDocument(page.document(), path, dpi);
}

std::string ExportStudy(const StudyResult& result, const ProjectInfo& project,
                        const std::string& path) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildStudyPages(page, result, project, settings);
  QString error;
  if (!WritePdf(page.document(), QString::fromStdString(path), &error)) return error.toStdString();
  return {};
}

}  // namespace tavoro
