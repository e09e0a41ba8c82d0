#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>

// The resource initialiser lives at global scope; a static library would
// otherwise let the linker drop the embedded icon.
static void InitTavoroResources() {
  Q_INIT_RESOURCE(tavoro);
}

namespace tavoro {

QIcon TavoroIcon() {
  InitTavoroResources();
  QSvgRenderer renderer(QStringLiteral(":/tavoro/tavoro.svg"));
  if (!renderer.isValid()) return {};
  QIcon icon;
  static constexpr std::array<int, 7> kSizes = {16, 22, 24, 32, 48, 64, 256};
  for (const int size : kSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tavoro
