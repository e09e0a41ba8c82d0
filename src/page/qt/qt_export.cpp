#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "fileio/staged_files.h"
#include "page/qt/qt_page.h"
#include "tavoro_version.h"

namespace tavoro {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kPdfResolution = 1200;
constexpr int kLowestPngDpi = 10;
constexpr int kHighestPngDpi = 600;

void SetError(QString* error, const QString& message) {
  if (error != nullptr) *error = message;
}

}  // namespace

QString PdfCreator() {
  return QStringLiteral("Tavoro " TAVORO_VERSION);
}

void SetPdfMetadata(QPdfWriter& writer, const Document& document) {
  writer.setTitle(QString::fromStdString(document.title));
  writer.setCreator(PdfCreator());
}

QPageLayout PaperLayout(const Document& document) {
  QPageLayout layout(QPageSize(QPageSize::A4),
                     document.orientation == Orientation::kLandscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Point, QMarginsF(0, 0, 0, 0));
  layout.setMode(QPageLayout::FullPageMode);
  return layout;
}

bool PaintDocument(QPagedPaintDevice& device, const Document& document) {
  // The page origin is the paper's corner: no printer margins.
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
  device.setPageLayout(PaperLayout(document));

  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double scaleX = device.logicalDpiX() / kTwipsPerInch;
  const double scaleY = device.logicalDpiY() / kTwipsPerInch;
  const int pageCount = static_cast<int>(document.pages.size());
  for (int page = 0; page < pageCount; ++page) {
    if (page > 0 && !device.newPage()) return false;
    painter.resetTransform();
    painter.scale(scaleX, scaleY);
    PaintPageTwips(painter, document, page);
  }
  return painter.end();
}

bool RenderPdf(const Document& document, QByteArray* bytes, QString* error) {
  QBuffer buffer(bytes);
  if (!buffer.open(QIODevice::WriteOnly)) {
    SetError(error, QStringLiteral("PDFを作成できません。"));
    return false;
  }
  bool painted = false;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    SetPdfMetadata(writer, document);
    painted = PaintDocument(writer, document);
  }
  if (!painted || buffer.size() == 0) {
    SetError(error, QStringLiteral("PDFを作成できません。"));
    return false;
  }
  return true;
}

bool RenderPng(const Document& document, int pageIndex, int dpi, QByteArray* bytes,
               QString* error) {
  if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= document.pages.size()) {
    SetError(error, QStringLiteral("%1 ページ目はありません。").arg(pageIndex + 1));
    return false;
  }
  if (dpi < kLowestPngDpi || dpi > kHighestPngDpi) {
    SetError(error, QStringLiteral("解像度 %1 dpi は %2〜%3 dpi の範囲外です。")
                        .arg(dpi)
                        .arg(kLowestPngDpi)
                        .arg(kHighestPngDpi));
    return false;
  }
  const double scale = dpi / kTwipsPerInch;
  const double width = std::ceil(document.paperWidth * scale);
  const double height = std::ceil(document.paperHeight * scale);
  // Paper is at most A4 here; anything far larger is not a page.
  if (!(width >= 1 && height >= 1 && width <= 20000 && height <= 20000)) {
    SetError(error, QStringLiteral("用紙の大きさが不正です。"));
    return false;
  }
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (image.isNull()) {
    SetError(error, QStringLiteral("画像のためのメモリが足りません。"));
    return false;
  }
  image.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  {
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintPageTwips(painter, document, pageIndex);
  }
  QBuffer buffer(bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
    SetError(error, QStringLiteral("PNGを作成できません。"));
    return false;
  }
  return true;
}

std::filesystem::path LocalPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool WritePdf(const Document& document, const QString& path, QString* error) {
  QByteArray bytes;
  if (!RenderPdf(document, &bytes, error)) return false;
  StagedFiles files;
  files.Add(LocalPath(path), bytes.toStdString());
  if (const Status failure = files.Commit(); !failure.ok()) {
    SetError(error, QString::fromStdString(failure.message()));
    return false;
  }
  return true;
}

bool WritePng(const Document& document, int pageIndex, const QString& path, int dpi,
              QString* error) {
  QByteArray bytes;
  if (!RenderPng(document, pageIndex, dpi, &bytes, error)) return false;
  StagedFiles files;
  files.Add(LocalPath(path), bytes.toStdString());
  if (const Status failure = files.Commit(); !failure.ok()) {
    SetError(error, QString::fromStdString(failure.message()));
    return false;
  }
  return true;
}

}  // namespace tavoro
