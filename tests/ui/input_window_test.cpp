#include "ui/input_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <vector>

#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

TEST_F(DeskTest, FormIsAFixedCentredDialogWithItsIconAndTheFocusOnTheReportButton) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Tavoro"));
  // The client area keeps its designed size below the menu bar.
  const int menuHeight = form.MenuBar().height();
  EXPECT_GT(menuHeight, 0);
  EXPECT_EQ(form.ClientArea().geometry(),
            test::PxRect(form, 0, 0, 4920, 4860).translated(0, menuHeight));
  EXPECT_EQ(form.size(), test::PxRect(form, 0, 0, 4920, 4860).size() + QSize(0, menuHeight));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());
  EXPECT_EQ(form.focusWidget(), &form.RunButton(0));
  form.show();
  test::ExpectCentred(form);
}

TEST_F(DeskTest, ControlsCarryTheirCaptionsWhereDesignedInTabOrder) {
  struct Control {
    const char* name;
    const char* caption;              // text boxes start empty
    double left, top, width, height;  // width 0: sized to the caption
    bool inFrame;
  };
  const Control controls[] = {
      {"reportButton", "計算書", 3600, 3720, 1215, 495, false},
      {"chartButton", "水位降下曲線", 3600, 4320, 1215, 495, false},
      {"improvementFrame", "地盤改良", 240, 2160, 4455, 1215, false},
      {"field_0", "", 2160, 240, 900, 300, false},
      {"field_1", "", 2160, 585, 900, 300, false},
      {"field_2", "", 2160, 930, 900, 300, false},
      {"field_3", "", 2160, 1290, 900, 300, false},
      {"field_4", "", 2160, 1635, 900, 300, false},
      {"field_5", "", 1920, 300, 900, 300, true},
      {"field_6", "", 2520, 720, 900, 300, true},
      {"field_7", "", 2160, 3550, 900, 300, false},
      {"field_8", "", 1200, 4440, 900, 300, false},
      {"label_1", "不透水層深度", 240, 675, 0, 0, false},
      {"label_18", "改良後の透水係数", 480, 780, 0, 0, true},
      {"label_24", "(立坑中心から着目点までの距離)", 840, 3960, 0, 0, false},
  };
  const QWidget* frame = form.findChild<QWidget*>(QStringLiteral("improvementFrame"));
  for (const Control& c : controls) {
    const auto* control = form.findChild<QWidget*>(QString::fromUtf8(c.name));
    ASSERT_NE(control, nullptr) << c.name;
    const QVariant text = control->property("text");  // a group box has a title instead
    EXPECT_EQ(text.isValid() ? text.toString() : control->property("title").toString(),
              QString::fromUtf8(c.caption))
        << c.name;
    const QRect expected = test::PxRect(form, c.left, c.top, c.width, c.height);
    EXPECT_EQ(control->pos(), expected.topLeft()) << c.name;
    EXPECT_EQ(control->size(), c.width > 0 ? expected.size() : control->sizeHint()) << c.name;
    EXPECT_EQ(control->parentWidget(), c.inFrame ? frame : &form.ClientArea()) << c.name;
  }
  EXPECT_EQ(form.ClientArea().findChildren<QLabel*>().size(), 27);
  // The run reads field i from the box named field_i.
  for (int i = 0; i < kInputFieldCount; ++i)
    EXPECT_EQ(form.Field(i).objectName(), QStringLiteral("field_%1").arg(i));

  // Tab runs from the report button through the fields to the chart button.
  std::vector<QString> order;
  QWidget* widget = &form.RunButton(0);
  for (int step = 0; step < 200 && order.size() < 12; ++step) {
    if (widget->focusPolicy() & Qt::TabFocus) order.push_back(widget->objectName());
    widget = widget->nextInFocusChain();
  }
  const std::vector<QString> expected = {"reportButton", "field_0", "field_1",   "field_2",
                                         "field_3",   "field_4", "field_5",   "field_6",
                                         "field_7",   "field_8", "chartButton", "reportButton"};
  EXPECT_EQ(order, expected);
}

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

}  // namespace
}  // namespace tavoro
