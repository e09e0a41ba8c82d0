#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "ui/form2.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::PxX;
using test::PxY;

class Form1Test : public ::testing::Test {
 protected:
  DesktopSession session;
  test::MessageLog messages;
  Form1 form{session, messages.Recorder()};

  QWidget* Control(const char* name) { return form.findChild<QWidget*>(QString::fromUtf8(name)); }

  // Geometry of a control placed at (left, top) with size (width, height) twips.
  QRect Expected(double left, double top, double width, double height) const {
    return QRect(PxX(form, left), PxY(form, top), PxX(form, width), PxY(form, height));
  }
};

TEST_F(Form1Test, WindowIsAFixedDialogTitledTavoroWithItsIcon) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Tavoro"));
  EXPECT_EQ(form.size(), QSize(PxX(form, 4920), PxY(form, 4860)));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_FALSE(form.windowIcon().isNull());
  EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());
}

TEST_F(Form1Test, ButtonsTextBoxesAndFrameSitWhereDesigned) {
  struct Placed {
    const char* name;
    double left, top, width, height;
  };
  const Placed placed[] = {
      {"cmdCalc_0", 3600, 3720, 1215, 495}, {"cmdCalc_1", 3600, 4320, 1215, 495},
      {"Text1_0", 2160, 240, 900, 300},     {"Text1_1", 2160, 585, 900, 300},
      {"Text1_2", 2160, 930, 900, 300},     {"Text1_3", 2160, 1290, 900, 300},
      {"Text1_4", 2160, 1635, 900, 300},    {"Text1_5", 1920, 300, 900, 300},
      {"Text1_6", 2520, 720, 900, 300},     {"Text1_7", 2160, 3550, 900, 300},
      {"Text1_8", 1200, 4440, 900, 300},    {"Frame1", 240, 2160, 4455, 1215},
  };
  for (const Placed& p : placed) {
    QWidget* control = Control(p.name);
    ASSERT_NE(control, nullptr) << p.name;
    EXPECT_EQ(control->geometry(), Expected(p.left, p.top, p.width, p.height)) << p.name;
  }
  EXPECT_EQ(qobject_cast<QPushButton*>(Control("cmdCalc_0"))->text(), QStringLiteral("計算書"));
  EXPECT_EQ(qobject_cast<QPushButton*>(Control("cmdCalc_1"))->text(),
            QStringLiteral("水位降下曲線"));
  EXPECT_EQ(qobject_cast<QGroupBox*>(Control("Frame1"))->title(), QStringLiteral("地盤改良"));
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(form.Text1(i).text().isEmpty()) << i;
}

TEST_F(Form1Test, LabelsCarryTheirCaptionsAtTheirPlaces) {
  struct Caption {
    const char* name;
    const char* text;
    double left, top;
  };
  const Caption captions[] = {
      {"Label1_0", "地下水位", 240, 315},
      {"Label1_1", "不透水層深度", 240, 675},
      {"Label1_5", "GL-", 1560, 315},
      {"Label1_9", "kn", 1560, 1755},
      {"Label1_14", "cm/sec", 3240, 1755},
      {"Label1_15", "改良幅", 480, 360},
      {"Label1_18", "改良後の透水係数", 480, 780},
      {"Label1_19", "kg", 2160, 780},
      {"Label1_20", "cm/sec", 3600, 780},
      {"Label1_22", "x", 1560, 3600},
      {"Label1_24", "(立坑中心から着目点までの距離)", 840, 3960},
      {"Label1_25", "計算範囲", 240, 4485},
      {"Label1_26", "m", 2160, 4560},
  };
  for (const Caption& c : captions) {
    auto* label = qobject_cast<QLabel*>(Control(c.name));
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->text(), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(label->pos(), QPoint(PxX(form, c.left), PxY(form, c.top))) << c.name;
    // Labels size themselves to their caption.
    EXPECT_EQ(label->size(), label->sizeHint()) << c.name;
  }
  EXPECT_EQ(form.findChildren<QLabel*>().size(), 27);
}

TEST_F(Form1Test, ImprovementFieldsLiveInsideTheFrame) {
  QWidget* frame = Control("Frame1");
  for (const char* name : {"Text1_5", "Text1_6", "Label1_15", "Label1_16", "Label1_17", "Label1_18",
                           "Label1_19", "Label1_20"}) {
    EXPECT_EQ(Control(name)->parentWidget(), frame) << name;
  }
  EXPECT_EQ(Control("Text1_4")->parentWidget(), &form);
  EXPECT_EQ(Control("Label1_21")->parentWidget(), &form);
}

TEST_F(Form1Test, TabOrderRunsFromTheReportButtonThroughTheFieldsToTheChartButton) {
  EXPECT_EQ(form.focusWidget(), Control("cmdCalc_0"));
  std::vector<QString> order;
  QWidget* widget = Control("cmdCalc_0");
  for (int step = 0; step < 200 && order.size() < 12; ++step) {
    if (widget->focusPolicy() & Qt::TabFocus) order.push_back(widget->objectName());
    widget = widget->nextInFocusChain();
  }
  const std::vector<QString> expected = {"cmdCalc_0", "Text1_0", "Text1_1",   "Text1_2",
                                         "Text1_3",   "Text1_4", "Text1_5",   "Text1_6",
                                         "Text1_7",   "Text1_8", "cmdCalc_1", "cmdCalc_0"};
  EXPECT_EQ(order, expected);
}

TEST_F(Form1Test, OpensCentredOnTheScreen) {
  form.show();
  test::Settle();
  const QRect screen = form.screen()->geometry();
  const QSize outer = OuterSizePixels(form);
  // Halved in twips, so an odd pixel remainder may round either way.
  EXPECT_NEAR(form.pos().x(), screen.x() + (screen.width() - outer.width()) / 2.0, 1.0);
  EXPECT_NEAR(form.pos().y(), screen.y() + (screen.height() - outer.height()) / 2.0, 1.0);
}

}  // namespace
}  // namespace tavoro
