#pragma once

#include <QSizeF>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/case_settings.h"
#include "ui/message.h"
#include "ui/page_preview.h"
#include "ui/session.h"

namespace tavoro {

class WindowPlacement;

// The output window: one page surface preview showing the calculation report or
// the drawdown chart of the session's case. One instance serves the whole
// process; the input form creates it on the first run that goes ahead.
class OutputWindow : public QWidget {
 public:
  // session must outlive the window. message reports drawing errors.
  OutputWindow(DesktopSession& session, MessageFunction message);

  // Loads the window for the case's OutputMode: caption and outer size of
  // the output ("計算書" 7500 x 10000 twips or "地下水位降下曲線" 10000 x
  // 7500), centred on the screen (or where the user moved it), kept inside
  // the screen, and the whole document drawn once on preview. Once the user
  // has moved or resized a window of a kind (report, chart, study pages,
  // worked examples), that kind opens where and as large as the user last
  // had it, in this run or an earlier one, kept inside the screen.
  // For any other mode nothing happens. A report that stops with an error
  // is reported in a message box and kept as far as it was drawn.
  void ShowCaseDocument();

  // Puts the inputs and results of the case shown on the clipboard as
  // tab-separated lines (see ResultSummary); nothing before a case is shown.
  void CopySummary() const;

  // Loads the window with another landscape document, such as the study
  // pages: caption, placed at the chart's outer size, draw called once on
  // preview's fresh surface to open, draw and close the document, and summary as
  // what the copy puts on the clipboard.
  void LoadDocument(const QString& caption, const QString& summary,
                    const std::function<void(PageSurface&)>& draw);
  // The same for a portrait document, such as the 検証例 pages, placed at
  // the report's outer size.
  void LoadPortraitDocument(const QString& caption, const std::function<void(PageSurface&)>& draw);

  // Whether the user has moved the window from where it was placed.
  bool MovedByUser() const;

  // Moves the places the window is restored to by offset pixels: the
  // window of a second Tavoro beside the first one's.
  void SetCascadeOffset(QPoint offset);

  PagePreview& Preview() { return *preview_; }
  const PagePreview& Preview() const { return *preview_; }

  // The size the resize handler last gave preview, in twips.
  QSizeF PreviewSizeTwips() const { return previewSizeTwips_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Keeps preview filling the client area: at (0, 0), as large as the window
  // less its frame and caption.
  void FitPreview();
  void DrawDocument(PageSurface& page, const QString& caption);
  // Caption, placement at the outer size in twips, the clipboard summary,
  // then draw on a fresh surface.
  void ShowOutput(WindowKind kind, const QString& caption, QSizeF size, const QString& summary,
                  const std::function<void(PageSurface&)>& draw);
  // Keeps the frame of the kind shown when the user has changed it.
  void RememberFrame() const;

  DesktopSession& session_;
  MessageFunction message_;
  PagePreview* preview_ = nullptr;             // owned by this window
  QAction* coverAction_ = nullptr;             // 表紙を付ける, owned by this window
  WindowPlacement* placement_ = nullptr;  // owned by this window
  QSizeF previewSizeTwips_;
  std::optional<WindowKind> kind_;  // the kind shown
  QString summary_;  // the case shown, as copied
};

}  // namespace tavoro
