#include "ui/form2.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <cmath>
#include <limits>

#include "ui/form1.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::PxX;
using test::PxY;

// Everything the run dispatch and the output window do, through the form's
// real buttons.
class RunDispatchTest : public ::testing::Test {
 protected:
  DesktopSession session;
  test::MessageLog messages;
  Form1 form{session, messages.Recorder()};

  void Press(int index) {
    form.cmdCalc(index).click();
    test::Settle();
  }

  Form2& Output() {
    Form2* window = form.OutputWindow();
    EXPECT_NE(window, nullptr);
    return *window;
  }

  void ExpectOutputWindow(const char* caption, double widthTwips, double heightTwips,
                          std::size_t pages, bool landscape) {
    Form2& window = Output();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(OuterSizePixels(window), QSize(PxX(window, widthTwips), PxY(window, heightTwips)));
    const Document& document = window.vp().document();
    EXPECT_TRUE(document.finished);
    EXPECT_EQ(document.pages.size(), pages);
    EXPECT_EQ(document.landscape, landscape);
    EXPECT_EQ(window.vp().PreviewPageCount(), static_cast<int>(pages));
    // Centred: halves of the room left on the screen, within a pixel.
    const QRect screen = window.screen()->geometry();
    const QSize outer = OuterSizePixels(window);
    EXPECT_NEAR(window.pos().x(), screen.x() + (screen.width() - outer.width()) / 2.0, 1.0);
    EXPECT_NEAR(window.pos().y(), screen.y() + (screen.height() - outer.height()) / 2.0, 1.0);
  }
};

TEST_F(RunDispatchTest, ReportButtonOpensTheReportOnTwoPagesWithTheRing) {
  test::Type(form, test::kWorkedExample);
  Press(0);
  ASSERT_NE(form.OutputWindow(), nullptr);
  ExpectOutputWindow("計算書", 7500, 10000, 2, false);
  EXPECT_EQ(session.calc.OutputMode, 0);
  EXPECT_DOUBLE_EQ(session.calc.kn, 0.0001);
  EXPECT_TRUE(messages.texts.isEmpty());
  // A sizable frame with minimise and maximise, beside the fixed input form.
  const Qt::WindowFlags flags = Output().windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_LT(Output().minimumSize().height(), Output().maximumSize().height());
}

TEST_F(RunDispatchTest, ReportWithoutTheRingIsOnePage) {
  auto texts = test::kWorkedExample;
  texts[5] = "0";
  test::Type(form, texts);
  Press(0);
  ASSERT_NE(form.OutputWindow(), nullptr);
  ExpectOutputWindow("計算書", 7500, 10000, 1, false);
}

TEST_F(RunDispatchTest, ChartButtonOpensTheChartOnOneLandscapePage) {
  test::Type(form, test::kWorkedExample);
  Press(1);
  ASSERT_NE(form.OutputWindow(), nullptr);
  ExpectOutputWindow("地下水位降下曲線", 10000, 7500, 1, true);
  EXPECT_EQ(session.calc.OutputMode, 1);
}

TEST_F(RunDispatchTest, GuardStopsSilentlyKeepingTheInputs) {
  Press(0);  // every field empty: 0 is not below 0
  EXPECT_EQ(form.OutputWindow(), nullptr);
  EXPECT_TRUE(messages.texts.isEmpty());

  auto texts = test::kWorkedExample;
  texts[2] = "2";  // excavation level with the water table
  test::Type(form, texts);
  Press(1);
  EXPECT_EQ(form.OutputWindow(), nullptr);
  EXPECT_TRUE(messages.texts.isEmpty());
  EXPECT_EQ(session.calc.ExcavationDepth, 2);
  EXPECT_EQ(session.calc.CalcRange, 100);
  EXPECT_EQ(session.calc.Q[1], 0);  // nothing computed
  EXPECT_EQ(session.calc.OutputMode, 0);
}

TEST_F(RunDispatchTest, GuardLeavesAnOpenWindowAsItWas) {
  test::Type(form, test::kWorkedExample);
  Press(0);
  const Document before = Output().vp().document();
  form.Text1(2).setText(QStringLiteral("1"));
  Press(1);
  EXPECT_EQ(Output().windowTitle(), QStringLiteral("計算書"));
  EXPECT_EQ(Output().vp().document(), before);
}

TEST_F(RunDispatchTest, NumberBeyondADoubleIsNamedAndNothingRuns) {
  test::Type(form, test::kWorkedExample);
  form.Text1(3).setText(QStringLiteral("1e999"));
  Press(0);
  EXPECT_EQ(form.OutputWindow(), nullptr);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts.front().contains(QStringLiteral("立坑周長")))
      << messages.texts.front().toStdString();
  EXPECT_EQ(session.calc.GroundwaterDepth, 0);  // the case is unchanged
}

TEST_F(RunDispatchTest, LaterRunRedrawsTheOpenWindowFromTheCurrentCase) {
  test::Type(form, test::kWorkedExample);
  Press(0);
  Form2* first = form.OutputWindow();
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(first->vp().document().pages.size(), 2u);

  // Another mode while the report is open: the window turns into the chart.
  Press(1);
  EXPECT_EQ(form.OutputWindow(), first);  // one window serves the process
  ExpectOutputWindow("地下水位降下曲線", 10000, 7500, 1, true);

  // New numbers in the same mode, over a maximised window: the page shows
  // them, not the old ones, in a window of the report's own size.
  first->showMaximized();
  test::Settle();
  ASSERT_TRUE(first->isMaximized());
  form.Text1(5).setText(QStringLiteral("0"));
  Press(0);
  EXPECT_FALSE(first->isMaximized());
  ExpectOutputWindow("計算書", 7500, 10000, 1, false);

  // Closed and pressed again: loaded afresh.
  first->close();
  test::Settle();
  EXPECT_TRUE(first->vp().document().pages.empty());
  form.Text1(5).setText(QStringLiteral("2"));
  Press(0);
  ExpectOutputWindow("計算書", 7500, 10000, 2, false);
}

TEST_F(RunDispatchTest, SurfaceFollowsTheWindowLess400Twips) {
  test::Type(form, test::kWorkedExample);
  Press(1);
  Form2& window = Output();
  SetOuterSizeTwips(window, 9000, 6000);
  test::Settle();
  EXPECT_EQ(window.VpSizeTwips(), QSizeF(9000, 5600));
  EXPECT_EQ(window.vp().geometry(), QRect(0, 0, PxX(window, 9000), PxY(window, 5600)));

  // Lower than the caption allowance: the surface clamps at zero height.
  SetOuterSizeTwips(window, 4500, 300);
  test::Settle();
  EXPECT_EQ(window.VpSizeTwips(), QSizeF(4500, 0));
  EXPECT_EQ(window.vp().geometry(), QRect(0, 0, PxX(window, 4500), 0));
}

TEST(Form2Load, ReportErrorIsShownAndThePageKeptAsDrawn) {
  DesktopSession session;
  session.calc.kn = std::numeric_limits<double>::infinity();  // kn x 60 has no value
  session.calc.OutputMode = 0;
  test::MessageLog messages;
  Form2 window(session, messages.Recorder());
  window.Form_Load();
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts.front().contains(QStringLiteral("透水係数")))
      << messages.texts.front().toStdString();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("計算書"));
  const Document& document = window.vp().document();
  EXPECT_FALSE(document.finished);
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_FALSE(document.pages.front().commands.empty());
}

TEST(Form2Load, UnknownModeKeepsTheDesignCaptionAndAnEmptyPage) {
  DesktopSession session;
  session.calc.OutputMode = 7;
  test::MessageLog messages;
  Form2 window(session, messages.Recorder());
  window.Form_Load();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Form2"));
  EXPECT_EQ(window.size(), QSize(PxX(window, 9885), PxY(window, 7095)));
  EXPECT_TRUE(window.vp().document().pages.empty());
}

TEST_F(RunDispatchTest, PreviewOffersTheZoomChoicesAndPageNavigation) {
  test::Type(form, test::kWorkedExample);
  Press(0);
  PagePreview& vp = Output().vp();
  QStringList texts;
  for (const QAction* action : vp.actions()) texts.append(action->text());
  EXPECT_EQ(texts, (QStringList{"ﾍﾟｰｼﾞ全体(&P)", "ﾍﾟｰｼﾞ幅(&W)", "2ﾍﾟｰｼﾞ(&T)", "ｻﾑﾈｲﾙ(&N)"}));
  EXPECT_EQ(vp.actions().at(1)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_W));
  auto* zoom = vp.findChild<QToolButton*>(QStringLiteral("vpZoom"));
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(zoom->text(), QStringLiteral("ﾍﾟｰｼﾞ全体"));
  vp.actions().at(3)->trigger();
  EXPECT_EQ(zoom->text(), QStringLiteral("ｻﾑﾈｲﾙ"));
  EXPECT_TRUE(vp.actions().at(3)->isChecked());
  EXPECT_FALSE(vp.actions().at(0)->isChecked());
  vp.SetZoom(ZoomChoice::kWholePage);
  EXPECT_EQ(vp.CurrentPage(), 1);
  vp.ShowPage(2);
  EXPECT_EQ(vp.CurrentPage(), 2);
  vp.ShowPage(3);  // no third page
  EXPECT_EQ(vp.CurrentPage(), 2);
  auto* label = vp.findChild<QLabel*>(QStringLiteral("vpPageLabel"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("2 / 2"));
}

}  // namespace
}  // namespace tavoro
