#include "ui/center_form.h"

#include "ui/window_metrics.h"

namespace tavoro {
namespace {

// The start of a length outer centred in a length screen starting at start,
// pixels: halved in twips, in single precision.
int CentredStart(int start, int screen, int outer, double dpi) {
  const float half = (static_cast<float>(PixelsToTwips(screen, dpi)) -
                      static_cast<float>(PixelsToTwips(outer, dpi))) /
                     2.0f;
  return start + TwipsToPixels(half, dpi);
}

}  // namespace

QPoint CentredFramePosition(const QRect& screen, QSize outer, double dpiX, double dpiY) {
  return {CentredStart(screen.x(), screen.width(), outer.width(), dpiX),
          CentredStart(screen.y(), screen.height(), outer.height(), dpiY)};
}

}  // namespace tavoro
