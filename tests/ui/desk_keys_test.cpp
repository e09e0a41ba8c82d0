// The keyboard habits of the form and the output window, and the zoom of
// the preview.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTest>
#include <cmath>

#include "summary/result_summary.h"
#include "ui/zoom_steps.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

TEST(ZoomLadder, StepsFromTheFactorShownToTheNeighbouringStep) {
  EXPECT_EQ(SteppedZoom(1.0, 1), 1.25);
  EXPECT_EQ(SteppedZoom(1.0, -1), 0.75);
  EXPECT_EQ(SteppedZoom(1.0, 3), 2.0);
  // A fitted factor goes to the step next to it, not one beyond.
  EXPECT_EQ(SteppedZoom(0.63, 1), 0.75);
  EXPECT_EQ(SteppedZoom(0.63, -1), 0.5);
  EXPECT_EQ(SteppedZoom(0.7499999999, 1), 1.0);  // already at 75 %
  // Held at the ends, a factor beyond them stays, nonsense counts as 100 %.
  EXPECT_EQ(SteppedZoom(4.0, 1), 4.0);
  EXPECT_EQ(SteppedZoom(0.1, -5), 0.1);
  EXPECT_EQ(SteppedZoom(6.0, 1), 6.0);
  EXPECT_EQ(SteppedZoom(0.75, 100), 4.0);
  EXPECT_EQ(SteppedZoom(std::nan(""), 1), 1.25);
  EXPECT_EQ(SteppedZoom(-2, -1), 0.75);
}

// The longer side of the page shown, in screen pixels. The preview frames
// each page with a border of 1/25 of its longer side on every side.
double ShownPaperLength(const OutputWindow& window) {
  const auto* view = window.Preview().findChild<QGraphicsView*>();
  if (view == nullptr || view->scene() == nullptr || view->scene()->items().isEmpty()) return 0;
  const QGraphicsItem* page = view->scene()->items().constLast();
  const QRect shown = view->mapFromScene(page->sceneBoundingRect()).boundingRect();
  return std::max(shown.width(), shown.height()) / (1 + 2.0 / 25);
}

// Where the top-left corner of the first page (with the preview's border
// round it) shows in the view.
QPoint ShownPageCorner(const OutputWindow& window) {
  const auto* view = window.Preview().findChild<QGraphicsView*>();
  if (view == nullptr || view->scene() == nullptr || view->scene()->items().isEmpty()) return {};
  const QGraphicsItem* page = view->scene()->items().constLast();
  return view->mapFromScene(page->sceneBoundingRect().topLeft());
}

// A4's longer side, 297 mm, at factor times the real size, in pixels.
double A4Length(const QWidget& window, double factor) {
  return factor * 297 / 25.4 * LogicalDpiY(window);
}

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(DeskTest, HundredPercentShowsThePaperAtItsRealSizeAndTheZoomStaysAsChosen) {
  TypeWorkedExample();
  OutputWindow* window = Press(0);
  ASSERT_NE(window, nullptr);
  ShowActive(*window);
  PagePreview& preview = window->Preview();
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("ﾍﾟｰｼﾞ全体"));

  QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("100%"));
  EXPECT_NEAR(ShownPaperLength(*window), A4Length(*window, 1), 1.5);  // 1123 px at 96 dpi
  // Reading starts at the page's top-left corner.
  EXPECT_EQ(ShownPageCorner(*window), QPoint(0, 0));

  QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("125%"));
  EXPECT_NEAR(ShownPaperLength(*window), A4Length(*window, 1.25), 1.5);
  QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("75%"));

  // Ctrl+wheel zooms a notch a step; the plain wheel does not zoom.
  QWidget* viewport = preview.findChild<QGraphicsView*>()->viewport();
  const QPoint centre = viewport->rect().center();
  QWheelEvent up(centre, viewport->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                 Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &up);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("100%"));
  QWheelEvent plain(centre, viewport->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &plain);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("100%"));

  // Neither resizing nor a later run changes the factor chosen.
  SetOuterSizeTwips(*window, 9000, 6000);
  test::Settle();
  EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 1.0);
  Press(1);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("100%"));
  EXPECT_NEAR(ShownPaperLength(*window), A4Length(*window, 1), 1.5);

  // A fitted choice follows the window's size.
  preview.SetZoom(ZoomChoice::kPageWidth);
  test::Settle();
  const double fitted = preview.ZoomFactor();
  SetOuterSizeTwips(*window, 6000, 6000);
  test::Settle();
  EXPECT_LT(preview.ZoomFactor(), fitted * 0.8);
  EXPECT_EQ(preview.ZoomText(), QStringLiteral("ﾍﾟｰｼﾞ幅"));
  // The tool bar's button steps from the fitted factor.
  auto* zoomIn = preview.findChild<QAction*>(QStringLiteral("previewZoomIn"));
  ASSERT_NE(zoomIn, nullptr);
  const double before = preview.ZoomFactor();
  zoomIn->trigger();
  EXPECT_DOUBLE_EQ(preview.ZoomFactor(), SteppedZoom(before, 1));
  EXPECT_GT(preview.ZoomFactor(), before);
}

TEST_F(DeskTest, EscapeAndCtrlWCloseTheOutputWindow) {
  TypeWorkedExample();
  for (const QKeyCombination key :
       {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
    OutputWindow* window = Press(1);
    ASSERT_NE(window, nullptr);
    ShowActive(*window);
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(window, key.key(), key.keyboardModifiers());
    test::Settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->Preview().document().pages.empty());  // unloaded with its page
  }
}

TEST_F(DeskTest, EnterMovesThroughTheFieldsAndPressesAFocusedButton) {
  ShowActive(form);
  form.Field(0).setFocus();
  form.Field(1).setText(QStringLiteral("20"));
  QTest::keyClick(&form.Field(0), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), &form.Field(1));
  EXPECT_EQ(form.Field(1).selectedText(), QStringLiteral("20"));  // ready to be typed over
  QTest::keyClick(&form.Field(1), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), &form.Field(2));
  // The last field hands on to the chart button, which Enter presses.
  form.Field(8).setFocus();
  QTest::keyClick(&form.Field(8), Qt::Key_Return);
  ASSERT_EQ(QApplication::focusWidget(), &form.RunButton(1));
  TypeWorkedExample();
  QTest::keyClick(&form.RunButton(1), Qt::Key_Return);
  ASSERT_NE(form.Output(), nullptr);
  EXPECT_EQ(form.Output()->windowTitle(), QStringLiteral("地下水位降下曲線"));
  // Shift+Enter is not the habit: the focus stays.
  form.Field(3).setFocus();
  QTest::keyClick(&form.Field(3), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &form.Field(3));
}

}  // namespace
}  // namespace tavoro

namespace tavoro {
namespace {

TEST_F(DeskTest, CtrlCAndTheToolBarButtonCopyTheCaseShown) {
  TypeWorkedExample();
  OutputWindow* window = Press(0);
  ASSERT_NE(window, nullptr);
  ShowActive(*window);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
  const QString copied = clipboard->text();
  EXPECT_EQ(copied, QString::fromStdString(ResultSummary(session.calc)));
  EXPECT_TRUE(copied.contains(QStringLiteral("\tQ2\t")));

  // A later run without improvement: the button copies the new case.
  form.Field(5).setText(QStringLiteral("0"));
  Press(1);
  clipboard->clear();
  auto* copy = window->findChild<QAction*>(QStringLiteral("previewCopy"));
  ASSERT_NE(copy, nullptr);
  copy->trigger();
  EXPECT_TRUE(clipboard->text().contains(QStringLiteral("改良幅\tB\t0\tm\n")));
  EXPECT_FALSE(clipboard->text().contains(QStringLiteral("\tQ2\t")));
}

}  // namespace
}  // namespace tavoro
