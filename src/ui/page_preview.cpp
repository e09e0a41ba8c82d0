#include "ui/page_preview.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "export/qt/document_files.h"
#include "fileio/staged_files.h"
#include "ui/case_settings.h"
#include "ui/print_job.h"
#include "ui/print_progress_box.h"
#include "ui/zoom_steps.h"

namespace tavoro {
namespace {

constexpr double kThumbnailZoom = 0.25;

struct ZoomEntry {
  ZoomChoice choice;
  const char* text;
};

constexpr ZoomEntry kZoomEntries[] = {
    {ZoomChoice::kWholePage, "ﾍﾟｰｼﾞ全体(&P)"}, {ZoomChoice::kPageWidth, "ﾍﾟｰｼﾞ幅(&W)"},
    {ZoomChoice::kTwoPages, "2ﾍﾟｰｼﾞ(&T)"},     {ZoomChoice::kThumbnails, "ｻﾑﾈｲﾙ(&N)"},
    {ZoomChoice::kActualSize, "100%(&1)"},
};

// The key sequences of the lists, each once: a sequence bound twice to one
// action would make Qt refuse it as ambiguous.
QList<QKeySequence> DistinctKeys(std::initializer_list<QList<QKeySequence>> lists) {
  QList<QKeySequence> keys;
  for (const QList<QKeySequence>& list : lists) {
    for (const QKeySequence& key : list) {
      if (!key.isEmpty() && !keys.contains(key)) keys.append(key);
    }
  }
  return keys;
}

}  // namespace

PagePreview::PagePreview(MessageFunction message, QWidget* parent)
    : QWidget(parent),
      message_(std::move(message)),
      surface_(std::make_unique<PageSurface>(measurer_)) {
  setObjectName(QStringLiteral("preview"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* toolBar = new QToolBar(this);
  toolBar_ = toolBar;
  toolBar->setObjectName(QStringLiteral("previewToolBar"));
  layout->addWidget(toolBar);
  preview_ = new QPrintPreviewWidget(this);
  preview_->setObjectName(QStringLiteral("previewPreview"));
  layout->addWidget(preview_, 1);
  BuildToolBar(*toolBar);

  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { PaintOnPreviewPrinter(printer); });
  connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] { UpdatePageLabel(); });
  // Ctrl+wheel zooms; the plain wheel keeps scrolling.
  if (auto* view = preview_->findChild<QGraphicsView*>())
    view->viewport()->installEventFilter(this);
}

PagePreview::~PagePreview() = default;

void PagePreview::BuildToolBar(QToolBar& toolBar) {
  BuildZoomControls(toolBar);
  toolBar.addSeparator();

  QAction* previous = toolBar.addAction(QStringLiteral("◀"));
  previous->setToolTip(QStringLiteral("前ﾍﾟｰｼﾞ (PageUp)"));
  previous->setShortcut(QKeySequence(Qt::Key_PageUp));
  connect(previous, &QAction::triggered, this, [this] { ShowPage(CurrentPage() - 1); });
  pageLabel_ = new QLabel(&toolBar);
  pageLabel_->setObjectName(QStringLiteral("previewPageLabel"));
  pageLabel_->setContentsMargins(4, 0, 4, 0);
  toolBar.addWidget(pageLabel_);
  QAction* next = toolBar.addAction(QStringLiteral("▶"));
  next->setToolTip(QStringLiteral("次ﾍﾟｰｼﾞ (PageDown)"));
  next->setShortcut(QKeySequence(Qt::Key_PageDown));
  connect(next, &QAction::triggered, this, [this] { ShowPage(CurrentPage() + 1); });
  toolBar.addSeparator();

  QAction* print = toolBar.addAction(QStringLiteral("印刷..."));
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, [this] { PrintWithDialog(); });
  QAction* save = toolBar.addAction(QStringLiteral("保存..."));
  save->setToolTip(QStringLiteral("PDF、PNG、SVG、DXF (図)、CSV に保存 (Ctrl+S)"));
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, [this] { SaveWithDialog(); });
}

void PagePreview::AddToolBarAction(QAction* action) {
  toolBar_->addSeparator();
  toolBar_->addAction(action);
}

void PagePreview::BuildZoomControls(QToolBar& toolBar) {
  // The zoom choices drop down from one button, which names the current one.
  zoomButton_ = new QToolButton(&toolBar);
  zoomButton_->setObjectName(QStringLiteral("previewZoom"));
  zoomButton_->setPopupMode(QToolButton::InstantPopup);
  zoomButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto* zoomMenu = new QMenu(zoomButton_);
  auto* zoomGroup = new QActionGroup(this);
  // A stepped factor leaves every choice unchecked.
  zoomGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const ZoomEntry& entry : kZoomEntries) {
    const QString text = QString::fromUtf8(entry.text);
    QAction* action = zoomMenu->addAction(text);
    action->setCheckable(true);
    QList<QKeySequence> keys{QKeySequence::mnemonic(text)};
    if (entry.choice == ZoomChoice::kActualSize) keys.append(QKeySequence(Qt::CTRL | Qt::Key_0));
    action->setShortcuts(keys);
    action->setActionGroup(zoomGroup);
    addAction(action);  // the shortcut works while the menu is closed
    const ZoomChoice choice = entry.choice;
    connect(action, &QAction::triggered, this, [this, choice] { SetZoom(choice); });
    zoomActions_[static_cast<std::size_t>(choice)] = action;
  }
  zoomButton_->setMenu(zoomMenu);
  toolBar.addWidget(zoomButton_);

  QAction* zoomOut = toolBar.addAction(QStringLiteral("縮小"));
  zoomOut->setObjectName(QStringLiteral("previewZoomOut"));
  zoomOut->setToolTip(QStringLiteral("縮小 (Ctrl+-)"));
  zoomOut->setShortcuts(DistinctKeys({QKeySequence::keyBindings(QKeySequence::ZoomOut),
                                      {QKeySequence(Qt::CTRL | Qt::Key_Minus)}}));
  connect(zoomOut, &QAction::triggered, this, [this] { ZoomBy(-1); });
  QAction* zoomIn = toolBar.addAction(QStringLiteral("拡大"));
  zoomIn->setObjectName(QStringLiteral("previewZoomIn"));
  zoomIn->setToolTip(QStringLiteral("拡大 (Ctrl++)"));
  // Ctrl+= too: on Japanese and US keyboards + needs Shift.
  zoomIn->setShortcuts(DistinctKeys(
      {QKeySequence::keyBindings(QKeySequence::ZoomIn),
       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}}));
  connect(zoomIn, &QAction::triggered, this, [this] { ZoomBy(1); });
}

PageSurface& PagePreview::NewSurface() {
  surface_ = std::make_unique<PageSurface>(measurer_);
  return *surface_;
}

void PagePreview::ShowDocument(const QString& title, const QString& fileStem) {
  title_ = title;
  fileStem_ = fileStem;
  preview_->updatePreview();
  ApplyZoom();
  ShowPage(1);
  UpdatePageLabel();
}

void PagePreview::Clear() {
  NewSurface();
  title_.clear();
  preview_->updatePreview();
  UpdatePageLabel();
}

void PagePreview::PaintOnPreviewPrinter(QPrinter* printer) const {
  if (printer == nullptr || surface_->document().pages.empty()) return;
  PaintDocument(*printer, surface_->document());
}

void PagePreview::SetZoom(ZoomChoice choice) {
  zoomChoice_ = choice;
  ApplyZoom();
}

void PagePreview::ZoomBy(int steps) {
  if (steps == 0) return;
  customZoom_ = SteppedZoom(ZoomFactor(), steps);
  zoomChoice_.reset();
  ApplyZoom();
}

double PagePreview::ZoomFactor() const {
  return preview_->zoomFactor();
}

QString PagePreview::ZoomText() const {
  return zoomButton_->text();
}

void PagePreview::ApplyZoom() {
  for (QAction* action : zoomActions_) action->setChecked(false);
  if (!zoomChoice_) {
    if (preview_->viewMode() == QPrintPreviewWidget::FacingPagesView)
      preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview_->setZoomFactor(customZoom_);
    zoomButton_->setText(QStringLiteral("%1%").arg(std::lround(customZoom_ * 100)));
    return;
  }
  QAction* action = zoomActions_[static_cast<std::size_t>(*zoomChoice_)];
  action->setChecked(true);
  // "ﾍﾟｰｼﾞ全体(&P)" shows as "ﾍﾟｰｼﾞ全体" beside the button's drop-down arrow.
  const QString text = action->text();
  zoomButton_->setText(text.left(text.indexOf(QStringLiteral("(&"))));
  switch (*zoomChoice_) {
    case ZoomChoice::kWholePage:
      preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
      preview_->setZoomMode(QPrintPreviewWidget::FitInView);
      break;
    case ZoomChoice::kPageWidth:
      preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
      preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);
      break;
    case ZoomChoice::kTwoPages:
      preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
      break;
    case ZoomChoice::kThumbnails:
      preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
      preview_->setZoomFactor(kThumbnailZoom);
      break;
    case ZoomChoice::kActualSize:
      preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
      preview_->setZoomFactor(1.0);
      ShowPageTop();
      break;
  }
}

void PagePreview::ShowPageTop() {
  auto* view = preview_->findChild<QGraphicsView*>();
  if (view == nullptr || view->scene() == nullptr) return;
  // The pages lie one below the other, each at its item's position.
  QList<QGraphicsItem*> pages = view->scene()->items();
  std::sort(pages.begin(), pages.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
    return a->pos().y() < b->pos().y();
  });
  const int index = CurrentPage() - 1;
  if (index < 0 || index >= pages.size()) return;
  const QRectF paper = pages.at(index)->mapRectToScene(pages.at(index)->boundingRect());
  const QSizeF visible = view->mapToScene(view->viewport()->rect()).boundingRect().size();
  view->centerOn(paper.topLeft() + QPointF(visible.width() / 2, visible.height() / 2));
}

bool PagePreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QWidget::eventFilter(watched, event);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  const int delta = wheel->angleDelta().y();
  if (delta != 0) ZoomBy(delta > 0 ? std::max(1, delta / 120) : std::min(-1, delta / 120));
  return true;
}

void PagePreview::ShowPage(int pageNumber) {
  if (pageNumber < 1 || pageNumber > preview_->pageCount()) return;
  preview_->setCurrentPage(pageNumber);
  UpdatePageLabel();
}

int PagePreview::CurrentPage() const {
  return preview_->currentPage();
}

int PagePreview::PreviewPageCount() const {
  return preview_->pageCount();
}

void PagePreview::UpdatePageLabel() {
  const int count = static_cast<int>(document().pages.size());
  if (count == 0) {
    pageLabel_->clear();
    return;
  }
  pageLabel_->setText(
      QStringLiteral("%1 / %2").arg(std::clamp(CurrentPage(), 1, count)).arg(count));
}

void PagePreview::PrintWithDialog() {
  const int pageCount = static_cast<int>(document().pages.size());
  if (pageCount == 0) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title_);
  printer.setPageOrientation(PaperLayout(document()).orientation());
  QPrintDialog dialog(&printer, this);
  dialog.setMinMax(1, pageCount);
  if (dialog.exec() != QDialog::Accepted) return;
  const PageSpan span = PagesToPrint(printer, pageCount);
  PrintProgressBox progress(printer, pageCount, this);
  const PrintOutcome outcome = PrintDocumentPages(printer, document(), span, progress);
  if (!outcome.started && !outcome.cancelled) {
    message_(this,
             QStringLiteral("印刷を開始できませんでした。プリンターの設定を確認してください。"));
  }
}

void PagePreview::SetSaveChoices(bool dxf, std::function<std::string()> csv) {
  saveDxf_ = dxf;
  saveCsv_ = std::move(csv);
}

void PagePreview::SaveWithDialog() {
  if (document().pages.empty()) return;
  struct Choice {
    OutputFormat format;
    QString filter;
  };
  std::vector<Choice> choices = {
      {OutputFormat::kPdf, QStringLiteral("PDF (*.pdf)")},
      {OutputFormat::kPng, QStringLiteral("PNG 画像 (*.png)")},
      {OutputFormat::kSvg, QStringLiteral("SVG 画像 (*.svg)")},
  };
  if (saveDxf_) choices.push_back({OutputFormat::kDxf, QStringLiteral("DXF 図面 (*.dxf)")});
  if (saveCsv_) choices.push_back({OutputFormat::kCsv, QStringLiteral("CSV 数値 (*.csv)")});
  QStringList filters;
  for (const Choice& choice : choices) filters << choice.filter;
  QString selected = filters.front();
  const QString suggested =
      (fileStem_.isEmpty() ? QStringLiteral("Tavoro") : fileStem_) + QStringLiteral(".pdf");
  QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("保存"), InLastFolder(DialogFolder::kExports, suggested),
      filters.join(QStringLiteral(";;")), &selected);
  if (path.isEmpty()) return;
  RememberFolderOf(DialogFolder::kExports, path);
  // The name's own extension chooses the format; without one, the filter does.
  std::optional<OutputFormat> format = OutputFormatOf(path.toStdString());
  const auto offered = [&](OutputFormat f) {
    return std::any_of(choices.begin(), choices.end(),
                       [f](const Choice& choice) { return choice.format == f; });
  };
  if (!format || !offered(*format)) {
    const auto chosen = std::find_if(choices.begin(), choices.end(), [&](const Choice& choice) {
      return choice.filter == selected;
    });
    format = chosen == choices.end() ? OutputFormat::kPdf : chosen->format;
    path += QString::fromUtf8(OutputExtension(*format));
  }
  const QString error = SaveAs(path, *format);
  if (!error.isEmpty()) message_(this, QStringLiteral("保存できませんでした。\n%1").arg(error));
}

QString PagePreview::SaveAs(const QString& path, OutputFormat format) const {
  StagedFiles files;
  if (format == OutputFormat::kCsv) {
    if (!saveCsv_) return QStringLiteral("この文書は CSV に保存できません。");
    files.Add(LocalPath(path), saveCsv_());
  } else {
    if (format == OutputFormat::kDxf && !saveDxf_) {
      return QStringLiteral("DXF に保存できるのは水位降下曲線だけです。");
    }
    const Status staged =
        StageDocument(document(), format, LocalPath(path), kDefaultPngDpi, files);
    if (!staged.ok()) return QString::fromStdString(staged.message());
  }
  if (const Status failure = files.Commit(); !failure.ok()) {
    return QString::fromStdString(failure.message());
  }
  return {};
}

}  // namespace tavoro
