#include "batch/qt/qt_batch_devices.h"

#include <QBuffer>
#include <QByteArray>
#include <QHashSeed>
#include <QPdfWriter>

namespace tavoro {
namespace {

constexpr int kPdfResolution = 1200;

}  // namespace

QtBatchDevices::QtBatchDevices() {
  QHashSeed::setDeterministicGlobalSeed();
}

RenderedDocument QtBatchDevices::RenderPdf(const Document& document) const {
  RenderedDocument rendered;
  if (document.pages.empty()) {
    rendered.error = "ページがありません";
    return rendered;
  }
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
      rendered.error = "PDF を作成できません";
      return rendered;
    }
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    SetPdfMetadata(writer, document);
    if (!PaintDocument(writer, document)) {
      rendered.error = "PDF を作成できません";
      return rendered;
    }
  }
  rendered.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return rendered;
}

}  // namespace tavoro
