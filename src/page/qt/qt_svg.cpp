#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// Drops what XML 1.0 forbids from UTF-8 text: the C0 controls other than
// tab, line feed and carriage return, and U+FFFE and U+FFFF. A parser
// refuses a file that holds one; only page texts can bring them in.
void DropXmlForbidden(QByteArray& bytes) {
  qsizetype kept = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
    if (c == 0xEF && i + 2 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) == 0xBF &&
        (static_cast<unsigned char>(bytes[i + 2]) & 0xFE) == 0xBE) {
      i += 2;
      continue;
    }
    bytes[kept++] = bytes[i];
  }
  bytes.truncate(kept);
}

}  // namespace

std::optional<QByteArray> SvgPage(const Document& document, int pageIndex, QString* error) {
  if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= document.pages.size()) {
    if (error != nullptr)
      *error = QStringLiteral("文書に %1 ページ目がありません").arg(pageIndex + 1);
    return std::nullopt;
  }
  const double width = document.paperWidth;
  const double height = document.paperHeight;
  // Paper is at most A4 here; anything far larger is not a page.
  if (!(width >= 1 && height >= 1 && width <= 1.0e5 && height <= 1.0e5)) {
    if (error != nullptr) *error = QStringLiteral("用紙の大きさが正しくありません");
    return std::nullopt;
  }
  // One SVG unit per twip: the picture keeps the paper's size in millimetres.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(static_cast<int>(kTwipsPerInch));
  const QSize size(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(QStringLiteral("Tavoro"));
  QPainter painter;
  if (!painter.begin(&generator)) {
    if (error != nullptr) *error = QStringLiteral("SVG を描けません");
    return std::nullopt;
  }
  PaintPageTwips(painter, document, pageIndex);
  painter.end();
  DropXmlForbidden(bytes);
  return bytes;
}

}  // namespace tavoro
