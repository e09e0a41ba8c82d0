#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "page/display_list.h"
#include "page/text_measurer.h"

class QPainter;
class QPagedPaintDevice;
class QPdfWriter;

namespace tavoro {

// Maps the report's faces to Debian's IPA faces ("ＭＳ 明朝" -> IPAMincho,
// "ＭＳ ゴシック" -> IPAGothic) for the whole process. Call once after the
// QGuiApplication exists and before measuring or painting.
void InstallFaceSubstitutions();

// Measures with the real faces, in twips, independent of any device.
class QtTextMeasurer : public TextMeasurer {
 public:
  double TextWidth(const FontSpec& font, std::string_view text) const override;
  double TextHeight(const FontSpec& font, std::string_view text) const override;
};

// Paints page pageIndex (0-based) of document onto painter, whose
// coordinates must already be twips with the origin at the paper's top-left
// corner. The one paint routine for preview, printer, PDF and PNG.
void PaintPageTwips(QPainter& painter, const Document& document, int pageIndex);

// A4 in the document's orientation, margins off, the whole paper: the page
// origin is the paper's corner.
QPageLayout PaperLayout(const Document& document);

// Paints every page of document on a paged device (a QPrinter or a
// QPdfWriter), A4 in the document's orientation, margins off, one device
// page per document page. Returns false when the painter cannot start.
bool PaintDocument(QPagedPaintDevice& device, const Document& document);

// "Tavoro <version>", the Creator of every PDF Tavoro writes.
QString PdfCreator();

// Names a PDF after its document: Title the document's title (計算書,
// 地下水位降下曲線), Creator PdfCreator().
void SetPdfMetadata(QPdfWriter& writer, const Document& document);

// Renders the document as a vector PDF with its fonts embedded into bytes.
// False, with a Japanese message in error, when the PDF cannot be made.
bool RenderPdf(const Document& document, QByteArray* bytes, QString* error);

// Renders page pageIndex (0-based) as a PNG at dpi (10..600) dots per inch,
// white paper, into bytes. False, with a Japanese message, on failure.
bool RenderPng(const Document& document, int pageIndex, int dpi, QByteArray* bytes, QString* error);

// A path as Qt holds it, as the file system's own path (bytes on POSIX).
std::filesystem::path LocalPath(const QString& path);

// Renders and writes one file whole or not at all (see StagedFiles); the
// Japanese message in error names the file.
bool WritePdf(const Document& document, const QString& path, QString* error);
bool WritePng(const Document& document, int pageIndex, const QString& path, int dpi,
              QString* error);

// Page pageIndex (0-based) as an SVG picture of the paper, its size in
// millimetres, lines and texts as vectors. Nothing (and *error set) when the
// page does not exist or the painter cannot start.
std::optional<QByteArray> SvgPage(const Document& document, int pageIndex, QString* error);

// text (UTF-8) in Shift_JIS as Windows (code page 932) has it, the wave
// dash, minus, double bar, cent, pound and not signs as their full-width
// forms and the yen sign as 0x5C. A character the code page lacks becomes
// "?" and, once, is added to missing (UTF-8) when given. Nothing when the
// system has no Shift_JIS converter.
std::optional<std::string> ShiftJisText(std::string_view utf8, std::string* missing = nullptr);

}  // namespace tavoro
