#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/input_window.h"
#include "ui/output_window.h"
#include "ui/window_metrics.h"
#include "worked_example.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tavoro::test {

// The rectangle (left, top, width, height) in twips as pixels on the screen
// widget is on.
inline QRect PxRect(const QWidget& widget, double left, double top, double width, double height) {
  const double x = LogicalDpiX(widget), y = LogicalDpiY(widget);
  return {TwipsToPixels(left, x), TwipsToPixels(top, y), TwipsToPixels(width, x),
          TwipsToPixels(height, y)};
}

// A top-level window sits in the middle of its screen. Halved in twips, so
// an odd pixel remainder may round either way.
inline void ExpectCentred(const QWidget& window) {
  const QRect screen = window.screen()->geometry();
  const QSize outer = OuterSizePixels(window);
  EXPECT_NEAR(window.pos().x(), screen.x() + (screen.width() - outer.width()) / 2.0, 1.0);
  EXPECT_NEAR(window.pos().y(), screen.y() + (screen.height() - outer.height()) / 2.0, 1.0);
}

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The input form on a fresh session; the messages it would show in a box
// are recorded instead.
struct Desk {
  DesktopSession session;
  QStringList messages;
  InputWindow form{session, [this](QWidget*, const QString& text) { messages.append(text); }};

  // Types the worked example into the nine fields, kn and kg in cm/sec.
  void TypeWorkedExample() {
    const CalculationCase s = testing::WorkedExample();
    int field = 0;
    for (const double value : {s.GroundwaterDepth, s.ImperviousDepth, s.ExcavationDepth, s.L,
                               s.kn * 100, s.B, s.kg * 100, s.PointDistance, s.CalcRange}) {
      form.Field(field++).setText(QString::number(value));
    }
  }

  // Presses button index (0 report, 1 chart); the output window, if any.
  OutputWindow* Press(int index) {
    form.RunButton(index).click();
    Settle();
    return form.Output();
  }
};

class DeskTest : public ::testing::Test, protected Desk {};

}  // namespace tavoro::test
