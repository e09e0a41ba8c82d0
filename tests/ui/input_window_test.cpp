#include "ui/input_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <vector>

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

}  // namespace
}  // namespace tavoro
