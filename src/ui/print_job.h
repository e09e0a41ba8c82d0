#pragma once

#include <QString>

#include "page/display_list.h"

class QPrinter;

namespace tavoro {

// Told before each page is printed; returning false cancels the job there,
// between pages.
class PrintProgress {
 public:
  virtual ~PrintProgress() = default;
  virtual bool PageStarting(int pageNumber) = 0;
};

// Pages firstPage..lastPage (1-based) of a document of pageCount pages as
// the printer's page range asks: every page unless a range was chosen,
// clamped to the document. first > last when nothing is to be printed.
struct PageSpan {
  int first = 1;
  int last = 0;
};
PageSpan PagesToPrint(const QPrinter& printer, int pageCount);

struct PrintOutcome {
  bool started = false;  // false when the printer could not be opened
  bool cancelled = false;
  int pagesPrinted = 0;
};

// Prints pages span.first..span.last of document on printer: A4 in the
// document's orientation, no margins, the paper's top-left corner at the
// origin, one printer page per document page.
PrintOutcome PrintDocumentPages(QPrinter& printer, const Document& document, PageSpan span,
                                PrintProgress& progress);

// "出力先 <name> ( <port> )": the printer's name and where its output goes
// (the file when printing to a file, else the printer's location or name).
QString PrintDestinationText(const QPrinter& printer);

}  // namespace tavoro
