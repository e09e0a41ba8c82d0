#include "export/qt/document_files.h"

#include <QByteArray>
#include <QString>

#include "page/dxf/dxf_drawing.h"
#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

std::string Bytes(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Status StageDxf(const Document& document, const std::filesystem::path& path,
                     StagedFiles& files, std::string* note) {
  if (document.pages.size() != 1) return Status::Error("DXF に書けるのは 1 ページの図だけです。");
  if (!ShiftJisText("").has_value()) {
    return Status::Error("この環境には Shift_JIS の変換がないため、DXF を書けません。");
  }
  std::string missing;
  const std::optional<std::string> drawing = DxfDrawing(document, 0, [&](std::string_view text) {
    return ShiftJisText(text, &missing).value_or("?");
  });
  if (!drawing) return Status::Error("DXF を作成できません。");
  files.Add(path, *drawing);
  if (note != nullptr && !missing.empty()) {
    *note = "「" + PathForMessage(path) + "」: Shift_JIS にない文字 " + missing +
            " は ? にしました。";
  }
  return Status::Ok();
}

}  // namespace

Status StageDocument(const Document& document, OutputFormat format,
                     const std::filesystem::path& path, int dpi, StagedFiles& files,
                     std::string* note) {
  if (document.pages.empty()) return Status::Error("文書にページがありません。");
  QString error;
  const int pageCount = static_cast<int>(document.pages.size());
  switch (format) {
    case OutputFormat::kPdf: {
      QByteArray bytes;
      if (!RenderPdf(document, &bytes, &error)) return Status::Error(error.toStdString());
      files.Add(path, Bytes(bytes));
      return Status::Ok();
    }
    case OutputFormat::kPng:
      for (int i = 0; i < pageCount; ++i) {
        QByteArray bytes;
        if (!RenderPng(document, i, dpi, &bytes, &error)) return Status::Error(error.toStdString());
        files.Add(PagePath(path, i, pageCount), Bytes(bytes));
      }
      return Status::Ok();
    case OutputFormat::kSvg:
      for (int i = 0; i < pageCount; ++i) {
        const std::optional<QByteArray> bytes = SvgPage(document, i, &error);
        if (!bytes) return Status::Error(error.toStdString());
        files.Add(PagePath(path, i, pageCount), Bytes(*bytes));
      }
      return Status::Ok();
    case OutputFormat::kDxf:
      return StageDxf(document, path, files, note);
    case OutputFormat::kCsv:
    case OutputFormat::kJson:
      break;
  }
  return Status::Error("この形式では文書を書けません。");
}

}  // namespace tavoro
