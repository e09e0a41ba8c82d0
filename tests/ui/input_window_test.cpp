#include "ui/input_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <vector>

#include "ui/case_settings.h"

#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

// The ground texts reach the run and the case file, show in a line under the fields (the window
// grows by it, and only then), and a refused ground field is named without touching the fields.
TEST_F(DeskTest, GroundConditionsShowAndReachTheRun) {
  TypeWorkedExample();
  const QSize plain = form.size();
  GroundTexts ground;
  GroundText(ground, kRadiusMethodField) = "kusakin";
  GroundText(ground, kConfinedTopField) = "20";
  GroundText(ground, kConfinedHeadField) = "8";
  form.SetGround(ground);
  EXPECT_FALSE(form.GroundLine().isHidden());
  // W = 18 · 10 = 180 against 9.8 · 12: F = 1.531.
  EXPECT_EQ(form.GroundLine().text(), QStringLiteral("影響半径: Kusakin　盤ぶくれ: F = 1.531 ≧ 1.10"));
  EXPECT_GT(form.size().height(), plain.height());
  EXPECT_EQ(form.CurrentCase().ground, ground);
  Press(0);
  EXPECT_EQ(session.calc.ground.radiusMethod, RadiusMethod::kKusakin);
  ASSERT_TRUE(session.calc.uplift);

  GroundText(ground, kConfinedHeadField) = "20";  // hp at Dc is refused
  form.SetGround(ground);
  Press(0);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.back().startsWith(QStringLiteral("「被圧水頭」"))) << messages.back().toStdString();

  form.SetGround(GroundTexts{});
  EXPECT_TRUE(form.GroundLine().isHidden());
  EXPECT_EQ(form.size(), plain);
}

// Every control's place, size and font, and the window's size (Qt's own
// parts of the menu bar left out).
QStringList Layout(const InputWindow& form) {
  QStringList lines{QStringLiteral("%1x%2").arg(form.width()).arg(form.height())};
  for (const QWidget* control : form.findChildren<QWidget*>()) {
    if (control->isWindow() || control->isHidden() ||
        control->objectName().startsWith(QStringLiteral("qt_"))) {
      continue;
    }
    const QRect r = control->geometry();
    lines << QStringLiteral("%1 %2,%3 %4x%5 %6")
                 .arg(control->objectName())
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(control->font().toString());
  }
  return lines;
}

void Trigger(InputWindow& form, const char* action, int times = 1) {
  auto* found = form.findChild<QAction*>(QString::fromLatin1(action));
  ASSERT_NE(found, nullptr) << action;
  for (int i = 0; i < times; ++i) found->trigger();
}

// 表示: the controls, their fonts and the window grow together by steps up to
// 200 %; the step is kept for the next start; 標準 is the form as designed.
TEST_F(DeskTest, ZoomGrowsTheWholeFormByStepsAndStandardIsTheDesignedForm) {
  const QStringList designed = Layout(form);
  EXPECT_EQ(form.Zoom(), 1.0);
  EXPECT_EQ(form.Field(0).geometry(), test::PxRect(form, 2160, 240, 900, 300));
  EXPECT_EQ(form.Field(6).geometry(), test::PxRect(form, 2520, 720, 900, 300));  // in the frame
  EXPECT_EQ(form.ClientArea().size(), test::PxRect(form, 0, 0, 4920, 4860).size());
  EXPECT_FALSE(form.testAttribute(Qt::WA_SetFont));

  for (const double expected : {1.25, 1.5, 1.75, 2.0, 2.0}) {
    Trigger(form, "actionZoomIn");
    EXPECT_EQ(form.Zoom(), expected);
  }
  EXPECT_FALSE(form.findChild<QAction*>(QStringLiteral("actionZoomIn"))->isEnabled());
  EXPECT_EQ(form.Field(0).geometry(), test::PxRect(form, 4320, 480, 1800, 600));
  EXPECT_EQ(form.Field(6).geometry(), test::PxRect(form, 5040, 1440, 1800, 600));
  EXPECT_EQ(form.ClientArea().size(), test::PxRect(form, 0, 0, 9840, 9720).size());
  EXPECT_EQ(form.RunButton(1).font().pointSizeF(), 2 * QApplication::font().pointSizeF());
  EXPECT_GT(form.GroundLine().font().pointSizeF(), QApplication::font().pointSizeF());
  Trigger(form, "actionZoomOut");
  EXPECT_EQ(form.Zoom(), 1.75);
  {
    const InputWindow next(session);
    EXPECT_EQ(next.Zoom(), 1.75);
    EXPECT_EQ(next.size(), form.size());
  }
  Trigger(form, "actionZoomReset");
  EXPECT_EQ(Layout(form), designed);
  Trigger(form, "actionZoomOut");  // not below 100 %
  EXPECT_EQ(Layout(form), designed);
  const InputWindow next(session);
  EXPECT_EQ(Layout(next), designed);
}

// On a screen 560 pixels high (small_screen.json) the form grows only as far
// as it fits, 150 %, and a larger step kept from a bigger screen opens so.
TEST(FormZoomOnASmallScreen, StopsAtTheLargestStepThatFits) {
  if (QGuiApplication::primaryScreen()->availableGeometry().height() != 560) {
    GTEST_SKIP() << "runs on the screen of small_screen.json";
  }
  RememberFormZoom(2.0);
  test::Desk desk;
  EXPECT_EQ(desk.form.Zoom(), 1.5);
  desk.form.show();
  desk.form.SetZoom(1.75);
  EXPECT_EQ(desk.form.Zoom(), 1.5);
  test::Settle();
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(
      desk.form.frameGeometry()));
}

}  // namespace
}  // namespace tavoro
