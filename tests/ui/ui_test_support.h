#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <ostream>

#include "ui/form1.h"
#include "ui/message.h"
#include "ui/window_metrics.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tavoro::test {

// Records the messages a form would show in a box.
struct MessageLog {
  QStringList texts;
  MessageFunction Recorder() {
    return [this](QWidget*, const QString& text) { texts.append(text); };
  }
};

// Pixels for twips on the test screen.
inline int PxX(const QWidget& widget, double twips) {
  return TwipsToPixels(twips, LogicalDpiX(widget));
}
inline int PxY(const QWidget& widget, double twips) {
  return TwipsToPixels(twips, LogicalDpiY(widget));
}

// The worked example: groundwater 2 m, impervious 20 m, excavation 10 m,
// perimeter 20 m, kn 0.01 cm/s, ring 2 m at kg 0.0001 cm/s, point 10 m,
// range 100 m.
inline constexpr std::array<const char*, 9> kWorkedExample = {"2", "20",     "10", "20", "0.01",
                                                              "2", "0.0001", "10", "100"};

inline void Type(Form1& form, const std::array<const char*, 9>& texts) {
  for (int i = 0; i < 9; ++i) form.Text1(i).setText(QString::fromUtf8(texts[i]));
}

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace tavoro::test
