#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "ui/print_job.h"
#include "ui/print_progress_box.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

// The real progress box; its cancel button is clicked as page cancelAt is due.
class ClickedProgressBox : public PrintProgressBox {
 public:
  ClickedProgressBox(const QPrinter& printer, QWidget& owner, int cancelAt)
      : PrintProgressBox(printer, 2, &owner), owner_(owner), cancelAt_(cancelAt) {}
  bool PageStarting(int pageNumber) override {
    if (pageNumber == cancelAt_) owner_.findChild<QPushButton*>()->click();
    return PrintProgressBox::PageStarting(pageNumber);
  }

 private:
  QWidget& owner_;
  int cancelAt_;
};

// The paper of each page of a PDF file, in points, rounded: {595, 842} is
// A4 portrait. The writer gives every page, and nothing else, a media box.
std::vector<std::pair<int, int>> PdfPageSizes(const QString& path) {
  QFile file(path);
  std::vector<std::pair<int, int>> sizes;
  if (!file.open(QIODevice::ReadOnly)) return sizes;
  auto boxes =
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+(\\S+)\\s+(\\S+)\\s*\\]"))
          .globalMatch(QString::fromLatin1(file.readAll()));
  while (boxes.hasNext()) {
    const QRegularExpressionMatch box = boxes.next();
    sizes.emplace_back(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble()));
  }
  return sizes;
}

TEST(PrintPath, PrintsEachDocumentOnA4InItsOrientationAndCancelsBetweenPages) {
  struct Case {
    int button;
    int cancelAt;  // 0: never
    std::vector<std::pair<int, int>> pages;
  };
  const Case cases[] = {
      {0, 0, {{595, 842}, {595, 842}}},
      {1, 0, {{842, 595}}},
      {0, 2, {{595, 842}}},
  };
  QTemporaryDir directory;
  test::Desk desk;
  desk.TypeWorkedExample();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "button " << c.button << ", cancel at " << c.cancelAt);
    const OutputWindow* window = desk.Press(c.button);
    ASSERT_NE(window, nullptr);
    const Document& document = window->Preview().document();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(directory.filePath(QString::number(&c - cases) + ".pdf"));
    QWidget owner;
    ClickedProgressBox progress(printer, owner, c.cancelAt);
    const PrintOutcome outcome = PrintDocumentPages(
        printer, document, PagesToPrint(printer, static_cast<int>(document.pages.size())),
        progress);
    EXPECT_EQ(outcome.cancelled, c.cancelAt != 0);
    EXPECT_EQ(outcome.pagesPrinted, static_cast<int>(c.pages.size()));
    EXPECT_EQ(PdfPageSizes(printer.outputFileName()), c.pages);
    // The box names the last page that went out.
    const auto* box = owner.findChild<QProgressDialog*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText(),
              QStringLiteral("印刷中....\n出力先 PDF ( %1 )\n%2 ﾍﾟｰｼﾞ目を印刷中")
                  .arg(printer.outputFileName(), QString::number(c.pages.size())));
    EXPECT_EQ(box->findChild<QPushButton*>()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  }
}

}  // namespace
}  // namespace tavoro
