#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "page/display_list.h"
#include "page/text_measurer.h"

namespace tavoro {

// The page surface the report and the chart draw on. Lengths are twips
// (1440 per inch), origin at the paper's top-left corner, y downward. Every
// operation is recorded, with its resolved values, into a Document that a
// painter replays on the preview, a printer, PDF or PNG.
//
// Text rule: Text(s) prints s with its top-left corner at (CurrentX,
// CurrentY); afterwards CurrentX is at the right end of s and CurrentY is
// unchanged. Drawing lines, circles and rectangles never moves the text
// position. A command whose coordinates are not all finite is not recorded.
class PageSurface {
 public:
  // measurer must outlive the surface.
  explicit PageSurface(const TextMeasurer& measurer);

  PageSurface(const PageSurface&) = delete;
  PageSurface& operator=(const PageSurface&) = delete;

  // Document. StartDoc discards any earlier document and opens page 1 with
  // the current page setup; NewPage opens the next page; EndDoc marks the
  // document finished.
  void StartDoc();
  void NewPage();
  void EndDoc();
  // Makes page index (from 0) of the open document the one later commands
  // are recorded on, to add to a page already drawn; NewPage still opens a
  // page after the last. An index past the last page is ignored.
  void TurnToPage(std::size_t index);
  std::size_t PageCount() const { return document_.pages.size(); }

  // Page setup, taking effect at the next StartDoc. PaperSize 9 is A4 (the
  // only paper Tavoro uses; others fall back to A4); Orientation 0 portrait,
  // 1 landscape.
  void SetPaperSize(std::int16_t paper);
  // The document's name (UTF-8), e.g. for a PDF's Title; kept with the
  // document from the next StartDoc.
  void SetDocumentTitle(std::string title);
  void SetOrientation(std::int16_t orientation);
  std::int16_t Orientation() const;
  void SetAutoRTF(bool on);

  // Margins are given as texts with a unit ("20mm", "1.5cm", "1in", "720tw";
  // a bare number is twips) and read back in twips. A text that is not a
  // length leaves the margin as it was.
  void SetMarginLeft(std::string_view length);
  void SetMarginRight(std::string_view length);
  void SetMarginTop(std::string_view length);
  void SetMarginBottom(std::string_view length);
  double MarginLeft() const;
  double MarginRight() const;
  double MarginTop() const;
  double MarginBottom() const;

  void SetLineSpacing(double percent);
  void SetIndentLeft(double twips);
  void SetIndentFirst(double twips);

  // Font of the following text. Size in points.
  void SetFontName(std::string_view name);
  const std::string& FontName() const;
  void SetFontSize(double points);
  double FontSize() const;

  // Position of the next text: left edge and top of its line, in twips.
  void SetCurrentX(double x);
  void SetCurrentY(double y);
  double CurrentX() const;
  double CurrentY() const;

  // Prints text (UTF-8) at the current position, by the text rule above.
  void Text(std::string_view text);
  // Width and line height of text in the current font, in twips.
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;

  // Text direction in tenths of a degree: 0 horizontal, 900 rising.
  void SetTextAngle(std::int16_t tenths);
  std::int16_t TextAngle() const;

  // Straight line with the current pen; the two-argument form continues
  // from the end of the previous line (from (0, 0) before any line).
  void DrawLine(double x1, double y1, double x2, double y2);
  void DrawLine(double x, double y);
  // Circle and rectangle filled with the current brush, outlined with the pen.
  void DrawCircle(double x, double y, double radius);
  void DrawRectangle(double x1, double y1, double x2, double y2);

  void SetPenWidth(double twips);
  double PenWidth() const;
  void SetPenStyle(std::int16_t style);
  std::int16_t PenStyle() const;
  void SetBrushStyle(std::int16_t style);
  std::int16_t BrushStyle() const;

  // Kind of the following lines, circles and rectangles (not texts).
  void SetLayer(DrawingLayer layer) { layer_ = layer; }
  DrawingLayer Layer() const { return layer_; }

  // The recorded document.
  const Document& document() const { return document_; }

 private:
  void Record(PageCommand command);
  FontSpec CurrentFont() const;

  const TextMeasurer& measurer_;
  Document document_;
  std::size_t drawnPage_ = 0;
  std::int16_t paperSize_ = 9;
  std::int16_t orientation_ = 0;
  std::string title_;
  bool autoRtf_ = false;
  double marginLeft_ = 0;
  double marginRight_ = 0;
  double marginTop_ = 0;
  double marginBottom_ = 0;
  double lineSpacing_ = 100;
  double indentLeft_ = 0;
  double indentFirst_ = 0;
  std::string fontName_;
  double fontSize_ = 10;
  double currentX_ = 0;
  double currentY_ = 0;
  std::int16_t textAngle_ = 0;
  double lineEndX_ = 0;
  double lineEndY_ = 0;
  Pen pen_;
  std::int16_t brush_ = kBrushSolid;
  DrawingLayer layer_ = DrawingLayer::kNone;
};

}  // namespace tavoro
