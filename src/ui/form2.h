#pragma once

#include <QSizeF>
#include <QWidget>
#include <functional>

#include "ui/message.h"
#include "ui/page_preview.h"
#include "ui/session.h"

namespace tavoro {

class WindowPlacement;

// The output window: one page surface vp showing the calculation report or
// the drawdown chart of the session's case. One instance serves the whole
// process; the input form creates it on the first run that goes ahead.
class Form2 : public QWidget {
 public:
  // session must outlive the window. message reports drawing errors.
  Form2(DesktopSession& session, MessageFunction message);

  // Loads the window for the case's OutputMode: caption and outer size of
  // the output ("計算書" 7500 x 10000 twips or "地下水位降下曲線" 10000 x
  // 7500), centred on the screen (or where the user moved it), kept inside
  // the screen, and the whole document drawn once on vp.
  // For any other mode nothing happens. A report that stops with an error
  // is reported in a message box and kept as far as it was drawn.
  void Form_Load();

  // Puts the inputs and results of the case shown on the clipboard as
  // tab-separated lines (see ResultSummary); nothing before a case is shown.
  void CopySummary() const;

  // Loads the window with another landscape document, such as the study
  // pages: caption, placed at the chart's outer size, draw called once on
  // vp's fresh surface to open, draw and close the document, and summary as
  // what the copy puts on the clipboard.
  void LoadDocument(const QString& caption, const QString& summary,
                    const std::function<void(PageSurface&)>& draw);

  // Whether the user has moved the window from where it was placed.
  bool MovedByUser() const;

  PagePreview& vp() { return *vp_; }
  const PagePreview& vp() const { return *vp_; }

  // The size the resize handler last gave vp, in twips.
  QSizeF VpSizeTwips() const { return vpSizeTwips_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Keeps vp filling the client area: at (0, 0), as large as the window
  // less its frame and caption.
  void Form_Resize();
  void DrawDocument(PageSurface& page, const QString& caption);
  // Caption, placement at the outer size in twips, the clipboard summary,
  // then draw on a fresh surface.
  void ShowOutput(const QString& caption, QSizeF size, const QString& summary,
                  const std::function<void(PageSurface&)>& draw);

  DesktopSession& session_;
  MessageFunction message_;
  PagePreview* vp_ = nullptr;             // owned by this window
  WindowPlacement* placement_ = nullptr;  // owned by this window
  QSizeF vpSizeTwips_;
  QString summary_;  // the case shown, as copied
};

}  // namespace tavoro
