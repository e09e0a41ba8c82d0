#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/print_job.h"
#include "ui/print_progress_box.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

// Lets pages through until cancelAt, recording what it was told.
class ScriptedProgress : public PrintProgress {
 public:
  explicit ScriptedProgress(int cancelAt = 0) : cancelAt_(cancelAt) {}
  bool PageStarting(int pageNumber) override {
    announced.push_back(pageNumber);
    return pageNumber != cancelAt_;
  }
  std::vector<int> announced;

 private:
  int cancelAt_;
};

struct PdfFacts {
  int pages = 0;
  // Paper sizes in points, rounded: {595, 842} for A4 portrait.
  std::vector<std::pair<int, int>> mediaBoxes;
};

PdfFacts ReadPdf(const QString& path) {
  QFile file(path);
  PdfFacts facts;
  if (!file.open(QIODevice::ReadOnly)) return facts;
  const QString text = QString::fromLatin1(file.readAll());
  facts.pages =
      static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
  QRegularExpressionMatchIterator boxes =
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]")).globalMatch(text);
  while (boxes.hasNext()) {
    const QStringList corners =
        boxes.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (corners.size() != 4) continue;
    facts.mediaBoxes.emplace_back(qRound(corners[2].toDouble() - corners[0].toDouble()),
                                  qRound(corners[3].toDouble() - corners[1].toDouble()));
  }
  return facts;
}

class PrintPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    test::Type(form, test::kWorkedExample);
  }

  const Document& Run(int button) {
    form.cmdCalc(button).click();
    test::Settle();
    return form.OutputWindow()->vp().document();
  }

  void PdfPrinter(QPrinter& printer, const QString& name) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(directory.filePath(name));
  }

  QTemporaryDir directory;
  DesktopSession session;
  test::MessageLog messages;
  Form1 form{session, messages.Recorder()};
};

TEST_F(PrintPathTest, PrintsEveryReportPageOnA4Portrait) {
  const Document& report = Run(0);
  ASSERT_EQ(report.pages.size(), 2u);
  QPrinter printer(QPrinter::HighResolution);
  PdfPrinter(printer, QStringLiteral("report.pdf"));
  ScriptedProgress progress;
  const PrintOutcome outcome =
      PrintDocumentPages(printer, report, PagesToPrint(printer, 2), progress);
  EXPECT_TRUE(outcome.started);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(outcome.pagesPrinted, 2);
  EXPECT_EQ(progress.announced, (std::vector<int>{1, 2}));
  const PdfFacts pdf = ReadPdf(printer.outputFileName());
  EXPECT_EQ(pdf.pages, 2);
  EXPECT_EQ(pdf.mediaBoxes, (std::vector<std::pair<int, int>>{{595, 842}, {595, 842}}));
}

TEST_F(PrintPathTest, PrintsTheChartOnA4Landscape) {
  const Document& chart = Run(1);
  QPrinter printer(QPrinter::HighResolution);
  PdfPrinter(printer, QStringLiteral("chart.pdf"));
  ScriptedProgress progress;
  EXPECT_EQ(PrintDocumentPages(printer, chart, PagesToPrint(printer, 1), progress).pagesPrinted, 1);
  const PdfFacts pdf = ReadPdf(printer.outputFileName());
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_EQ(pdf.mediaBoxes, (std::vector<std::pair<int, int>>{{842, 595}}));
}

TEST_F(PrintPathTest, CancelStopsBetweenPagesAndARangePrintsOnlyItsPages) {
  const Document& report = Run(0);
  QPrinter printer(QPrinter::HighResolution);
  PdfPrinter(printer, QStringLiteral("cancelled.pdf"));
  ScriptedProgress cancelAtTwo(2);
  const PrintOutcome cancelled = PrintDocumentPages(printer, report, PageSpan{1, 2}, cancelAtTwo);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(cancelled.pagesPrinted, 1);
  EXPECT_EQ(ReadPdf(printer.outputFileName()).pages, 1);

  QPrinter second(QPrinter::HighResolution);
  PdfPrinter(second, QStringLiteral("page2.pdf"));
  second.setPrintRange(QPrinter::PageRange);
  second.setFromTo(2, 5);
  const PageSpan span = PagesToPrint(second, 2);
  EXPECT_EQ(span.first, 2);
  EXPECT_EQ(span.last, 2);
  ScriptedProgress progress;
  EXPECT_EQ(PrintDocumentPages(second, report, span, progress).pagesPrinted, 1);
  EXPECT_EQ(progress.announced, (std::vector<int>{2}));
  EXPECT_EQ(ReadPdf(second.outputFileName()).pages, 1);
}

TEST_F(PrintPathTest, ProgressBoxShowsDestinationAndPageAndItsCancelButtonStops) {
  Run(0);
  QPrinter printer(QPrinter::HighResolution);
  PdfPrinter(printer, QStringLiteral("box.pdf"));
  QWidget owner;
  PrintProgressBox box(printer, 2, &owner);
  ASSERT_TRUE(box.PageStarting(1));
  auto* dialog = owner.findChild<QProgressDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->labelText(), QStringLiteral("印刷中....\n出力先 PDF ( %1 )\n1 ﾍﾟｰｼﾞ目を印刷中")
                                     .arg(printer.outputFileName()));
  auto* cancel = dialog->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  cancel->click();
  EXPECT_FALSE(box.PageStarting(2));
}

}  // namespace
}  // namespace tavoro
