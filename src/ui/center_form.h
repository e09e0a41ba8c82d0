#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavoro {

// The input form's centring rule, used for every window Tavoro places:
// where the top-left corner of an outer frame of size outer (pixels) goes
// on a screen of area screen at dpiX x dpiY logical dots per inch, so that
// left = (screen width - outer width) / 2 and top = (screen height - outer
// height) / 2, in twips, subtracted and halved in single precision.
QPoint CentredFramePosition(const QRect& screen, QSize outer, double dpiX, double dpiY);

}  // namespace tavoro
