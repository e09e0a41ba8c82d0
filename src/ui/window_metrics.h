#pragma once

#include <QSize>
#include <QSizeF>

class QWidget;

namespace tavoro {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips at dpi logical dots per inch, rounded.
int TwipsToPixels(double twips, double dpi);

// Twips for a length in pixels at dpi logical dots per inch.
double PixelsToTwips(int pixels, double dpi);

// The logical dots per inch of the screen widget is on (96 without a
// screen), across and down.
double LogicalDpiX(const QWidget& widget);
double LogicalDpiY(const QWidget& widget);

// The outer size of a top-level window, frame and caption included, in
// pixels and in twips. The frame is the one the window system reports for
// the created window; before creation it counts as none.
QSize OuterSizePixels(const QWidget& window);
QSizeF OuterSizeTwips(const QWidget& window);

// Gives a top-level window the outer size widthTwips x heightTwips, so that
// its client area is that size less the frame. Creates the native window
// first so that the frame is known.
void SetOuterSizeTwips(QWidget& window, double widthTwips, double heightTwips);

}  // namespace tavoro
