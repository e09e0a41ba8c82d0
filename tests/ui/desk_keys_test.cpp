// The keyboard habits of the form and the output window.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QTest>

#include "summary/result_summary.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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

// The form's zoom keys, each from the step before, with the focus in a field.
TEST_F(DeskTest, ZoomKeysStepTheForm) {
  ShowActive(form);
  form.Field(2).setFocus();
  const std::pair<QKeyCombination, double> presses[] = {
      {Qt::CTRL | Qt::Key_Plus, 1.25},           {Qt::CTRL | Qt::Key_Equal, 1.5},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Equal, 1.75}, {Qt::CTRL | Qt::Key_Minus, 1.5},
      {Qt::CTRL | Qt::Key_0, 1.0}};
  for (const auto& [keys, zoom] : presses) {
    QTest::keyClick(&form.Field(2), keys.key(), keys.keyboardModifiers());
    EXPECT_EQ(form.Zoom(), zoom) << QKeySequence(keys).toString().toStdString();
  }
  // Shift+= read both as "+" and as Shift with "=" (X11): one step all the same.
  QShortcutEvent both(QKeySequence(Qt::CTRL | Qt::Key_Plus), 0, true);
  QCoreApplication::sendEvent(form.findChild<QAction*>(QStringLiteral("actionZoomIn")), &both);
  EXPECT_EQ(form.Zoom(), 1.25);
}

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
