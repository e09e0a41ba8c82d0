#include "ui/output_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QKeySequence>
#include <QResizeEvent>

#include "batch/output_names.h"
#include "documents/case_documents.h"
#include "export/case_csv.h"
#include "summary/result_summary.h"
#include "ui/window_metrics.h"
#include "ui/window_placement.h"

namespace tavoro {
namespace {

// The window as designed, before any output is loaded.
constexpr double kDesignClientWidth = 9885;
constexpr double kDesignClientHeight = 7095;

struct OutputLayout {
  WindowKind kind;
  const char* caption;
  double width;
  double height;
};

constexpr OutputLayout kReportLayout{WindowKind::kReport, "計算書", 7500, 10000};
constexpr OutputLayout kChartLayout{WindowKind::kChart, "地下水位降下曲線", 10000, 7500};

constexpr Qt::WindowFlags kSizableFrame = Qt::Window | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                          Qt::WindowCloseButtonHint;

const OutputLayout* LayoutFor(int outputMode) {
  if (outputMode == 0) return &kReportLayout;
  if (outputMode == 1) return &kChartLayout;
  return nullptr;
}

}  // namespace

OutputWindow::OutputWindow(DesktopSession& session, MessageFunction message)
    : QWidget(nullptr, kSizableFrame), session_(session), message_(std::move(message)) {
  setObjectName(QStringLiteral("OutputWindow"));
  setWindowTitle(QStringLiteral("OutputWindow"));
  preview_ = new PagePreview(message_, this);
  preview_->move(0, 0);
  // Esc and Ctrl+W (and the platform's own close key) close the window.
  auto* closeAction = new QAction(this);
  QList<QKeySequence> closeKeys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
    if (!closeKeys.contains(key)) closeKeys.append(key);
  }
  closeAction->setShortcuts(closeKeys);
  connect(closeAction, &QAction::triggered, this, &QWidget::close);
  addAction(closeAction);
  // Ctrl+C and the tool bar's button copy the results as a table.
  auto* copyAction = new QAction(QStringLiteral("コピー"), this);
  copyAction->setObjectName(QStringLiteral("previewCopy"));
  copyAction->setToolTip(
      QStringLiteral("入力値と計算結果を表計算ソフトに貼り付けられる形でコピー (Ctrl+C)"));
  copyAction->setShortcut(QKeySequence::Copy);
  connect(copyAction, &QAction::triggered, this, [this] { CopySummary(); });
  preview_->AddToolBarAction(copyAction);
  // 表紙: the report is shown, printed and saved with its cover.
  coverAction_ = new QAction(QStringLiteral("表紙"), this);
  coverAction_->setObjectName(QStringLiteral("previewCover"));
  coverAction_->setToolTip(
      QStringLiteral("計算条件・計算結果・算定方法と出典・作成/照査欄の表紙を計算書の前に付ける"));
  coverAction_->setCheckable(true);
  coverAction_->setChecked(session_.cover);
  coverAction_->setVisible(false);
  connect(coverAction_, &QAction::toggled, this, [this](bool on) {
    session_.cover = on;
    if (session_.calc.OutputMode == 0 && coverAction_->isVisible()) ShowCaseDocument();
  });
  preview_->AddToolBarAction(coverAction_);
  placement_ = new WindowPlacement(*this);
  resize(TwipsToPixels(kDesignClientWidth, LogicalDpiX(*this)),
         TwipsToPixels(kDesignClientHeight, LogicalDpiY(*this)));
}

void OutputWindow::ShowCaseDocument() {
  const int mode = session_.calc.OutputMode;
  const OutputLayout* layout = LayoutFor(mode);
  if (layout == nullptr) return;
  const QString caption = QString::fromUtf8(layout->caption);
  ShowOutput(layout->kind, caption, QSizeF(layout->width, layout->height),
             QString::fromStdString(ResultSummary(session_.calc)),
             [&](PageSurface& page) { DrawDocument(page, caption); });
  // 保存 writes the case this document shows: the chart also as DXF.
  preview_->SetSaveChoices(mode == 1, [calc = session_.calc] { return CaseToCsv(calc); });
  coverAction_->setVisible(mode == 0);
}

void OutputWindow::LoadDocument(const QString& caption, const QString& summary,
                         const std::function<void(PageSurface&)>& draw) {
  coverAction_->setVisible(false);
  ShowOutput(WindowKind::kStudy, caption, QSizeF(kChartLayout.width, kChartLayout.height), summary,
             draw);
}

void OutputWindow::LoadPortraitDocument(const QString& caption,
                                        const std::function<void(PageSurface&)>& draw) {
  coverAction_->setVisible(false);
  ShowOutput(WindowKind::kWorkedExamples, caption,
             QSizeF(kReportLayout.width, kReportLayout.height), {}, draw);
}

void OutputWindow::ShowOutput(WindowKind kind, const QString& caption, QSizeF size,
                              const QString& summary,
                              const std::function<void(PageSurface&)>& draw) {
  if (isVisible()) RememberFrame();
  kind_ = kind;
  setWindowTitle(caption);
  // A maximised or minimised window returns to its own size first.
  setWindowState(windowState() &
                 ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  if (const std::optional<QRect> frame = RememberedWindowFrame(kind)) {
    placement_->Restore(*frame);
  } else {
    placement_->Place(size);
  }
  summary_ = summary;
  draw(preview_->NewSurface());
  preview_->ShowDocument(caption, QString::fromStdString(ProposedDocumentStem(
                                      session_.project.shaft, session_.caseStem,
                                      caption.toStdString())));
  // Other pages than the case's own are saved as pages only.
  preview_->SetSaveChoices(false, {});
}

void OutputWindow::CopySummary() const {
  if (summary_.isEmpty()) return;
  QGuiApplication::clipboard()->setText(summary_);
}

bool OutputWindow::MovedByUser() const {
  return placement_->MovedByUser();
}

void OutputWindow::SetCascadeOffset(QPoint offset) {
  placement_->SetOffset(offset);
}

void OutputWindow::RememberFrame() const {
  if (kind_ && placement_->ChangedByUser()) RememberWindowFrame(*kind_, placement_->NormalFrame());
}

void OutputWindow::DrawDocument(PageSurface& page, const QString& caption) {
  const CaseDocument which =
      session_.calc.OutputMode == 0 ? CaseDocument::kReport : CaseDocument::kChart;
  const CoverFacts cover =
      CoverMadeOn(QDate::currentDate().toString(Qt::ISODate).toStdString());
  const std::string error =
      DrawCaseDocument(page, which, session_.calc, session_.project, session_.settings,
                       session_.counter, session_.cover ? &cover : nullptr);
  if (!error.empty()) {
    message_(this, QStringLiteral("%1の作成中にエラーが発生しました。\n%2\n"
                                  "作成できたところまでを表示します。")
                       .arg(caption, QString::fromStdString(error)));
  }
}

void OutputWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitPreview();
}

void OutputWindow::FitPreview() {
  preview_->setGeometry(rect());
  previewSizeTwips_ = QSizeF(PixelsToTwips(width(), LogicalDpiX(*this)),
                        PixelsToTwips(height(), LogicalDpiY(*this)));
}

void OutputWindow::closeEvent(QCloseEvent* event) {
  // Closing unloads the window together with its page.
  if (isVisible()) RememberFrame();
  preview_->Clear();
  QWidget::closeEvent(event);
}

}  // namespace tavoro
