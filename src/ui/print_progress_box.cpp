#include "ui/print_progress_box.h"

#include <QCoreApplication>
#include <QPrinter>

namespace tavoro {

PrintProgressBox::PrintProgressBox(const QPrinter& printer, int pageCount, QWidget* parent)
    : dialog_(parent), destination_(PrintDestinationText(printer)) {
  dialog_.setWindowTitle(QStringLiteral("Tavoro"));
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setCancelButtonText(QStringLiteral("ｷｬﾝｾﾙ"));
  dialog_.setRange(0, pageCount);
  dialog_.setMinimumDuration(0);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
}

bool PrintProgressBox::PageStarting(int pageNumber) {
  QCoreApplication::processEvents();
  if (dialog_.wasCanceled()) return false;
  dialog_.setLabelText(QStringLiteral("印刷中....\n%1\n%2")
                           .arg(destination_, QString::asprintf("%d ﾍﾟｰｼﾞ目を印刷中", pageNumber)));
  dialog_.setValue(pageNumber - 1);
  QCoreApplication::processEvents();
  return !dialog_.wasCanceled();
}

}  // namespace tavoro
