#pragma once

#include "batch/batch_run.h"
#include "page/qt/qt_page.h"

namespace tavoro {

// Real faces and PDF for a batch. Needs a QGuiApplication (with the face
// substitutions installed) for as long as it is used. Safe to use from
// several threads: every thread measures and paints with faces of its own.
class QtBatchDevices : public BatchDevices {
 public:
  // Fixes Qt's hash seed for the process: the PDF writer lists a
  // document's fonts in hash order, and every run must write the same bytes.
  QtBatchDevices();

  const TextMeasurer& Measurer() const override { return measurer_; }
  RenderedDocument RenderPdf(const Document& document) const override;

 private:
  QtTextMeasurer measurer_;
};

}  // namespace tavoro
