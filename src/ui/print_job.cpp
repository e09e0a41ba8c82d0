#include "ui/print_job.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "page/qt/qt_page.h"
#include "ui/window_metrics.h"

namespace tavoro {

PageSpan PagesToPrint(const QPrinter& printer, int pageCount) {
  PageSpan span{1, pageCount};
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    span.first = std::max(1, printer.fromPage());
    span.last = printer.toPage() > 0 ? std::min(pageCount, printer.toPage()) : pageCount;
  }
  return span;
}

PrintOutcome PrintDocumentPages(QPrinter& printer, const Document& document, PageSpan span,
                                PrintProgress& progress) {
  PrintOutcome outcome;
  const int pageCount = static_cast<int>(document.pages.size());
  span.first = std::max(span.first, 1);
  span.last = std::min(span.last, pageCount);
  if (span.first > span.last) return outcome;

  // The page origin is the paper's corner: no printer margins.
  printer.setFullPage(true);
  printer.setPageLayout(PaperLayout(document));

  if (!progress.PageStarting(span.first)) {
    outcome.cancelled = true;
    return outcome;
  }
  QPainter painter;
  if (!painter.begin(&printer)) return outcome;
  outcome.started = true;
  const double scaleX = printer.logicalDpiX() / kTwipsPerInch;
  const double scaleY = printer.logicalDpiY() / kTwipsPerInch;
  for (int page = span.first; page <= span.last; ++page) {
    if (page > span.first) {
      if (!progress.PageStarting(page)) {
        outcome.cancelled = true;
        break;
      }
      printer.newPage();
    }
    painter.save();
    painter.scale(scaleX, scaleY);
    PaintPageTwips(painter, document, page - 1);
    painter.restore();
    ++outcome.pagesPrinted;
  }
  painter.end();
  return outcome;
}

QString PrintDestinationText(const QPrinter& printer) {
  QString name = printer.printerName();
  QString port = printer.outputFileName();
  if (name.isEmpty()) name = QStringLiteral("PDF");
  if (port.isEmpty()) port = QPrinterInfo::printerInfo(printer.printerName()).location();
  if (port.isEmpty()) port = name;
  return QString::asprintf("出力先 %s ( %s )", name.toUtf8().constData(),
                           port.toUtf8().constData());
}

}  // namespace tavoro
