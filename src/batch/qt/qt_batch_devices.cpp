#include "batch/qt/qt_batch_devices.h"

#include <QByteArray>
#include <QHashSeed>
#include <QString>

namespace tavoro {

QtBatchDevices::QtBatchDevices() {
  QHashSeed::setDeterministicGlobalSeed();
}

RenderedDocument QtBatchDevices::RenderPdf(const Document& document) const {
  RenderedDocument rendered;
  if (document.pages.empty()) {
    rendered.status = Status::Error("ページがありません");
    return rendered;
  }
  QByteArray bytes;
  QString error;
  if (!tavoro::RenderPdf(document, &bytes, &error)) {
    rendered.status = Status::Error(error.toStdString());
    return rendered;
  }
  rendered.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return rendered;
}

}  // namespace tavoro
