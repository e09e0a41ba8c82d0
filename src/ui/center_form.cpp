#include "ui/center_form.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "ui/window_metrics.h"

namespace tavoro {
namespace {

// Half the room left on the screen, in twips, single precision; NaN-free
// results only.
bool CentredOffsetTwips(double screenTwips, double windowTwips, float* offset) {
  const float half = (static_cast<float>(screenTwips) - static_cast<float>(windowTwips)) / 2.0f;
  if (!std::isfinite(half)) return false;
  *offset = half;
  return true;
}

}  // namespace

void CenterForm(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;

  const double dpiX = LogicalDpiX(window);
  const double dpiY = LogicalDpiY(window);
  const QRect area = screen->geometry();
  const QSizeF outer = OuterSizeTwips(window);

  QPoint position = window.pos();
  float offset = 0;
  if (CentredOffsetTwips(PixelsToTwips(area.width(), dpiX), outer.width(), &offset)) {
    position.setX(area.x() + TwipsToPixels(offset, dpiX));
  }
  if (CentredOffsetTwips(PixelsToTwips(area.height(), dpiY), outer.height(), &offset)) {
    position.setY(area.y() + TwipsToPixels(offset, dpiY));
  }
  window.move(position);
}

}  // namespace tavoro
