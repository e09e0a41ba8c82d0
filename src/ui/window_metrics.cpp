#include "ui/window_metrics.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace tavoro {
namespace {

constexpr double kFallbackDpi = 96.0;

QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace

int TwipsToPixels(double twips, double dpi) {
  const double pixels = twips * dpi / kTwipsPerInch;
  if (!std::isfinite(pixels)) return 0;
  return static_cast<int>(std::lround(std::clamp(pixels, -1.0e7, 1.0e7)));
}

double PixelsToTwips(int pixels, double dpi) {
  return dpi > 0 ? pixels * kTwipsPerInch / dpi : 0.0;
}

double LogicalDpiX(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

double LogicalDpiY(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : kFallbackDpi;
}

QSize OuterSizePixels(const QWidget& window) {
  const QMargins frame = FrameMargins(window);
  return window.size().grownBy(frame);
}

QSizeF OuterSizeTwips(const QWidget& window) {
  const QSize outer = OuterSizePixels(window);
  return {PixelsToTwips(outer.width(), LogicalDpiX(window)),
          PixelsToTwips(outer.height(), LogicalDpiY(window))};
}

void SetOuterSizeTwips(QWidget& window, double widthTwips, double heightTwips) {
  window.winId();
  const QMargins frame = FrameMargins(window);
  const int width = TwipsToPixels(widthTwips, LogicalDpiX(window)) - frame.left() - frame.right();
  const int height = TwipsToPixels(heightTwips, LogicalDpiY(window)) - frame.top() - frame.bottom();
  window.resize(std::max(width, 0), std::max(height, 0));
}

}  // namespace tavoro
