#include "document_export.h"

#include <QByteArray>
#include <QDate>
#include <QGuiApplication>
#include <QString>
#include <cctype>

#include "documents/case_documents.h"
#include "export/output_formats.h"
#include "export/qt/document_files.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "page/qt/qt_page.h"
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
Status StageFor(const Document& document, const std::string& path, int dpi, StagedFiles& files,
                std::string* note = nullptr) {
  const std::optional<OutputFormat> format = OutputFormatOf(path);
  if (!format) return Status::Error("「" + path + "」の拡張子では書けません。");
  return StageDocument(document, *format, path, dpi, files, note);
}

}  // namespace

Status StageCaseDocument(CaseDocument which, const CalculationCase& calc,
                         const ProjectInfo& project, const std::string& path, int dpi,
                         StagedFiles& files, std::string* note, bool cover) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  // The cover dates the calculation today, in the local calendar.
  const CoverFacts facts = CoverMadeOn(QDate::currentDate().toString(Qt::ISODate).toStdString());
  const BuiltDocument built =
      BuildCaseDocument(measurer, which, calc, project, cover ? &facts : nullptr);
  if (!built.status.ok()) return built.status;
  return StageFor(built.document, path, dpi, files, note);
}

Status StageStudy(const StudyResult& result, const ProjectInfo& project, const std::string& path,
                  StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildStudyPages(page, result, project, settings);
  QString error;
  QByteArray bytes;
  if (!RenderPdf(page.document(), &bytes, &error)) return Status::Error(error.toStdString());
  files.Add(path, bytes.toStdString());
  return Status::Ok();
}

Status StageVerifyPages(const std::vector<WorkedExample>& examples, const std::string& path,
                        StagedFiles& files) {
  EnsureGuiApplication();
  const QtTextMeasurer measurer;
  PageSurface page(measurer);
  DrawVerifyPages(page, examples, "Tavoro " TAVORO_VERSION);
  QString error;
  QByteArray bytes;
  if (!RenderPdf(page.document(), &bytes, &error)) return Status::Error(error.toStdString());
  files.Add(path, bytes.toStdString());
  return Status::Ok();
}

}  // namespace tavoro
