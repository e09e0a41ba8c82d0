#include "ui/output_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "export/case_csv.h"
#include "ui/case_settings.h"
#include "ui/window_placement.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

// A visible, sizable, centred window, not maximised, of outer size width x
// height twips, showing the whole document of pages pages.
void ExpectShowing(const OutputWindow* window, const char* caption, double width, double height,
                   std::size_t pages) {
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible() && !window->isMaximized());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(caption));
  EXPECT_EQ(OuterSizePixels(*window), test::PxRect(*window, 0, 0, width, height).size());
  test::ExpectCentred(*window);
  const Document& document = window->Preview().document();
  EXPECT_TRUE(document.finished);
  EXPECT_EQ(document.pages.size(), pages);
  EXPECT_EQ(document.orientation == Orientation::kLandscape, width > height);
  EXPECT_EQ(window->Preview().PreviewPageCount(), static_cast<int>(pages));
}

// A refused run names the field, puts the focus back in it with the text selected, and closes the
// open window, which must not go on showing the earlier case; the session keeps that case.
TEST_F(DeskTest, RefusedInputIsNamedAndClosesTheOpenWindow) {
  form.show();
  EXPECT_EQ(Press(0), nullptr);  // the empty form
  EXPECT_EQ(messages,
            QStringList{"「地下水位」が空欄です。0 以上 500 以下の深さ (m)を入力してください。"});
  EXPECT_EQ(form.focusWidget(), &form.Field(0));

  TypeWorkedExample();
  OutputWindow* window = Press(0);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  const double inflow = session.calc.Q[1];
  messages.clear();
  form.Field(4).setText(QStringLiteral("０，０１"));  // full-width, with a comma
  EXPECT_EQ(Press(1), window);
  EXPECT_FALSE(window->isVisible());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(
      messages[0].startsWith(QStringLiteral("「透水係数」の「０，０１」は数値として読めません。")))
      << messages[0].toStdString();
  EXPECT_EQ(form.focusWidget(), &form.Field(4));
  EXPECT_EQ(form.Field(4).selectedText(), QStringLiteral("０，０１"));
  EXPECT_EQ(std::tuple(session.calc.Q[1], session.calc.OutputMode), std::tuple(inflow, 0));

  // Full-width digits and a unit read as meant: the window opens again on the new case.
  form.Field(4).setText(QStringLiteral("０．０２ cm/sec"));
  EXPECT_EQ(Press(1), window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(std::tuple(session.calc.kn, session.calc.OutputMode), std::tuple(0.0002, 1));
}

TEST_F(DeskTest, EachButtonShowsItsDocumentAndALaterRunRedrawsTheOpenWindow) {
  TypeWorkedExample();
  OutputWindow* window = Press(1);
  ExpectShowing(window, "地下水位降下曲線", 10000, 7500, 1);
  // Another mode while the chart is open: the same window turns into the report.
  EXPECT_EQ(Press(0), window);
  ExpectShowing(window, "計算書", 7500, 10000, 2);
  // New numbers over a maximised window: the new page at the report's own size.
  window->showMaximized();
  test::Settle();
  ASSERT_TRUE(window->isMaximized());
  form.Field(5).setText(QStringLiteral("0"));
  ExpectShowing(Press(0), "計算書", 7500, 10000, 1);
  EXPECT_TRUE(messages.isEmpty());
}

// 保存 writes what the export writes: the chart as DXF or SVG, the case shown
// as CSV; the report has no DXF, and its PNG pages are numbered.
TEST_F(DeskTest, SaveWritesTheShownDocumentInTheChosenFormat) {
  QTemporaryDir directory;
  TypeWorkedExample();
  OutputWindow* window = Press(1);
  ASSERT_NE(window, nullptr);
  const CalculationCase shown = session.calc;
  const auto save = [&](const char* name, OutputFormat format) {
    return window->Preview().SaveAs(directory.filePath(QString::fromUtf8(name)), format);
  };
  EXPECT_EQ(save("図.dxf", OutputFormat::kDxf), QString());
  EXPECT_EQ(save("chart.svg", OutputFormat::kSvg), QString());
  EXPECT_EQ(save("case.csv", OutputFormat::kCsv), QString());
  QFile dxf(directory.filePath(QStringLiteral("図.dxf")));
  ASSERT_TRUE(dxf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(dxf.readAll().contains("ANSI_932"));
  QFile csv(directory.filePath(QStringLiteral("case.csv")));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readAll().toStdString(), CaseToCsv(shown));
  EXPECT_TRUE(QFile::exists(directory.filePath(QStringLiteral("chart.svg"))));

  EXPECT_EQ(Press(0), window);
  EXPECT_EQ(save("report.dxf", OutputFormat::kDxf),
            QStringLiteral("DXF に保存できるのは水位降下曲線だけです。"));
  EXPECT_EQ(save("report.png", OutputFormat::kPng), QString());
  EXPECT_TRUE(QFile::exists(directory.filePath(QStringLiteral("report-2.png"))));
  EXPECT_FALSE(save("no/such/dir/report.pdf", OutputFormat::kPdf).isEmpty());
}

// Once moved or resized, each kind of document reopens where and as large as
// the user last had it, in a later run too (a second Tavoro's offset from
// there); a kind never changed opens at its own size, centred.
TEST_F(DeskTest, OutputWindowsOpenWhereTheUserLastHadThem) {
  TypeWorkedExample();
  OutputWindow* window = Press(0);
  ASSERT_NE(window, nullptr);
  window->setGeometry(40, 30, 500, 600);  // as the user drags and resizes it
  test::Settle();
  const QRect report = window->frameGeometry();
  EXPECT_EQ(Press(0)->frameGeometry(), report);
  window->close();
  OutputWindow next(session, {});
  next.SetCascadeOffset(QPoint(32, 32));
  next.ShowCaseDocument();
  OutputWindow fresh(session, {});
  fresh.LoadDocument(QStringLiteral("改良幅の検討"), {}, [](PageSurface&) {});
  next.show();
  fresh.show();
  test::Settle();
  EXPECT_EQ(next.frameGeometry(), report.translated(32, 32));
  EXPECT_EQ(fresh.frameGeometry().size(), test::PxRect(fresh, 0, 0, 10000, 7500).size());
  test::ExpectCentred(fresh);
}

// A kept frame goes back inside the screen's available area as it is now: a
// monitor gone, a taskbar in the way, a screen smaller than the frame.
TEST(PlacedFrameTest, ARestoredFrameIsKeptInsideTheScreen) {
  const QRect available(0, 0, 1920, 1040);
  const std::pair<QRect, QRect> frames[] = {{{100, 50, 800, 900}, {100, 50, 800, 900}},
                                            {{2500, 100, 800, 900}, {1120, 100, 800, 900}},
                                            {{-300, 600, 800, 900}, {0, 140, 800, 900}},
                                            {{-50, -20, 2500, 1200}, {0, 0, 1920, 1040}}};
  for (const auto& [kept, placed] : frames) {
    EXPECT_EQ(PlacedFrame(kept.size(), {0, 0, 1920, 1080}, available, 96, 96, kept.topLeft()),
              placed);
  }
}

TEST(OutputWindowLoad, ReportErrorIsShownAndThePageKeptAsDrawn) {
  DesktopSession session;
  session.calc.kn = 1e307;  // kn x 60 has no value
  QStringList messages;
  OutputWindow window(session, [&](QWidget*, const QString& text) { messages.append(text); });
  window.ShowCaseDocument();
  EXPECT_EQ(messages,
            QStringList{"計算書の作成中にエラーが発生しました。\n"
                        "計算書を作成できません: 透水係数 kn × 60 (m/min) "
                        "が有効な数値になりません。\n作成できたところまでを表示します。"});
  EXPECT_EQ(window.windowTitle(), QStringLiteral("計算書"));
  const Document& document = window.Preview().document();
  EXPECT_FALSE(document.finished);
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_FALSE(document.pages.front().commands.empty());
}

}  // namespace
}  // namespace tavoro
