#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "export/output_formats.h"
#include "page/page_surface.h"
#include "page/qt/qt_page.h"
#include "ui/message.h"

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;
class QToolButton;

namespace tavoro {

// The zoom choices of the preview.
enum class ZoomChoice {
  kWholePage,   // "ﾍﾟｰｼﾞ全体(&P)": one page, fitted in the view
  kPageWidth,   // "ﾍﾟｰｼﾞ幅(&W)": one page, fitted to the width
  kTwoPages,    // "2ﾍﾟｰｼﾞ(&T)": the pages side by side
  kThumbnails,  // "ｻﾑﾈｲﾙ(&N)": every page small
  kActualSize,  // "100%(&1)": one page at its real size on the screen
};

// The output window's page surface "preview": it holds the one document drawn on
// it, previews that document exactly as it prints, and offers page
// navigation, the zoom choices, printing and saving as PDF.
class PagePreview : public QWidget {
 public:
  PagePreview(MessageFunction message, QWidget* parent);
  ~PagePreview() override;

  // Discards the document held so far and returns a fresh surface, measuring
  // with the real faces, to draw the next document on.
  PageSurface& NewSurface();

  // Previews what the surface holds from page 1, at the zoom last chosen
  // (the whole page at first).
  // title names the document in the print queue; fileStem is the name 保存
  // proposes, without its extension.
  void ShowDocument(const QString& title, const QString& fileStem);

  // Drops the document; the preview turns empty.
  void Clear();

  // The document held, as drawn.
  const Document& document() const { return surface_->document(); }

  // A zoom choice, kept through resizing and later documents until another
  // zoom is chosen.
  // Puts action at the end of the tool bar, after a separator.
  void AddToolBarAction(QAction* action);

  void SetZoom(ZoomChoice choice);
  // Zooms in (steps > 0) or out (steps < 0) along the zoom ladder from the
  // factor shown now; the factor is then kept as it is.
  void ZoomBy(int steps);
  // The factor the pages are shown at: 1.0 is the paper's real size.
  double ZoomFactor() const;
  // What the zoom button shows: the choice ("ﾍﾟｰｼﾞ全体") or the factor ("125%").
  QString ZoomText() const;
  // Shows page pageNumber (1-based); out-of-range numbers are ignored.
  void ShowPage(int pageNumber);
  int CurrentPage() const;
  // Pages the preview shows (0 until it is first shown).
  int PreviewPageCount() const;

  // The print command: the system print dialog, then the pages with a
  // progress box that can cancel between pages.
  void PrintWithDialog();
  // What 保存 offers besides PDF, PNG and SVG: DXF (for the chart) and the
  // case as CSV, made by csv when it is set.
  void SetSaveChoices(bool dxf, std::function<std::string()> csv);
  // Asks for a file name and a format and writes there what SaveAs writes.
  void SaveWithDialog();
  // Writes the document held (or the CSV) to path in format, through the
  // same code as `tavoro export`: whole or not at all. Empty when written,
  // else the Japanese message.
  QString SaveAs(const QString& path, OutputFormat format) const;

 private:
  void BuildToolBar(QToolBar& toolBar);
  void BuildZoomControls(QToolBar& toolBar);
  void ApplyZoom();
  // Scrolls the current page's top-left corner into view.
  void ShowPageTop();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void UpdatePageLabel();
  void PaintOnPreviewPrinter(QPrinter* printer) const;

  MessageFunction message_;
  QtTextMeasurer measurer_;
  std::unique_ptr<PageSurface> surface_;
  QString title_;
  QString fileStem_;
  QPrintPreviewWidget* preview_ = nullptr;  // owned by this widget
  QToolBar* toolBar_ = nullptr;             // owned by this widget
  QLabel* pageLabel_ = nullptr;             // owned by the tool bar
  QToolButton* zoomButton_ = nullptr;       // owned by the tool bar
  std::array<QAction*, 5> zoomActions_{};   // owned by the zoom menu
  std::optional<ZoomChoice> zoomChoice_ = ZoomChoice::kWholePage;
  double customZoom_ = 1.0;  // the factor kept when no choice is set
  bool saveDxf_ = false;
  std::function<std::string()> saveCsv_;
};

}  // namespace tavoro
