#pragma once

#include <QProgressDialog>
#include <QString>

#include "ui/print_job.h"

class QPrinter;
class QWidget;

namespace tavoro {

// The box shown while a document prints: "印刷中....", the destination
// ("出力先 %s ( %s )"), the page in progress ("%d ﾍﾟｰｼﾞ目を印刷中") and a
// "ｷｬﾝｾﾙ" button that stops the job before the next page.
class PrintProgressBox : public PrintProgress {
 public:
  PrintProgressBox(const QPrinter& printer, int pageCount, QWidget* parent);

  bool PageStarting(int pageNumber) override;

 private:
  QProgressDialog dialog_;
  QString destination_;
};

}  // namespace tavoro
