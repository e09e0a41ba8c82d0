#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "page/display_list.h"
#include "page/text_measurer.h"

namespace tavoro {

// Page margins in twips.
struct Margins {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The page surface the report and the chart draw on. Lengths are twips
// (1440 per inch), origin at the paper's top-left corner, y downward; the
// paper is A4. Every operation is recorded, with its resolved values, into a
// Document that one replay paints on the preview, a printer, PDF, PNG, SVG
// or DXF.
//
// Text rule: Text(x, y, s) prints s with its top-left corner at (x, y) in
// the current font and direction; afterwards the current position is at the
// right end of s, (x + width, y). Text(s) prints at the current position, so
// pieces of one line flow on. Drawing lines, circles and rectangles never
// moves the text position. A command whose coordinates are not all finite
// is not recorded, and nothing is recorded outside an open document.
class PageSurface {
 public:
  // measurer must outlive the surface.
  explicit PageSurface(const TextMeasurer& measurer);

  PageSurface(const PageSurface&) = delete;
  PageSurface& operator=(const PageSurface&) = delete;

  // Document. StartDoc discards any earlier document and opens page 1 with
  // the current orientation and title; NewPage opens the next page; EndDoc
  // marks the document finished.
  void StartDoc();
  void NewPage();
  void EndDoc();
  // Makes page index (from 0) of the open document the one later commands
  // are recorded on, to add to a page already drawn; NewPage still opens a
  // page after the last. An index past the last page is ignored.
  void TurnToPage(std::size_t index);
  std::size_t PageCount() const { return document_.pages.size(); }

  // Page setup, taking effect at the next StartDoc. The title (UTF-8) names
  // the document, e.g. a PDF's Title.
  void SetOrientation(Orientation orientation) { orientation_ = orientation; }
  void SetDocumentTitle(std::string title) { title_ = std::move(title); }

  // Margins the page layout reads back; they record nothing.
  void SetMargins(const Margins& margins) { margins_ = margins; }
  const Margins& margins() const { return margins_; }

  // Font of the following text. Size in points.
  void SetFontName(std::string_view name) { fontName_ = name; }
  const std::string& FontName() const { return fontName_; }
  void SetFontSize(double points) { fontSize_ = points; }
  double FontSize() const { return fontSize_; }
  void SetTextDirection(TextDirection direction) { direction_ = direction; }
  TextDirection textDirection() const { return direction_; }

  // Position of the next flowing text: left edge and top of its line.
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }

  // Prints text (UTF-8) by the text rule above. A rising text also leaves
  // the position after its advance along the line.
  void Text(double x, double y, std::string_view text);
  void Text(std::string_view text) { Text(currentX_, currentY_, text); }
  // Width and line height of text in the current font.
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;

  // Straight line with the current pen; the two-argument form continues
  // from the end of the previous line (from (0, 0) before any line).
  void DrawLine(double x1, double y1, double x2, double y2);
  void DrawLine(double x, double y);
  // Circle and rectangle filled with the current brush, outlined with the pen.
  void DrawCircle(double x, double y, double radius);
  void DrawRectangle(double x1, double y1, double x2, double y2);

  // Pen width 0 is the thinnest line the device draws.
  void SetPenWidth(double twips) { pen_.width = twips; }
  void SetPenStyle(PenStyle style) { pen_.style = style; }
  void SetBrushStyle(BrushStyle brush) { brush_ = brush; }

  // Kind of the following lines, circles and rectangles (not texts).
  void SetLayer(DrawingLayer layer) { layer_ = layer; }

  // The recorded document.
  const Document& document() const { return document_; }

 private:
  void Record(PageCommand command);
  FontSpec CurrentFont() const { return FontSpec{fontName_, fontSize_}; }

  const TextMeasurer& measurer_;
  Document document_;
  std::size_t drawnPage_ = 0;
  Orientation orientation_ = Orientation::kPortrait;
  std::string title_;
  Margins margins_;
  std::string fontName_;
  double fontSize_ = 10;
  TextDirection direction_ = TextDirection::kHorizontal;
  double currentX_ = 0;
  double currentY_ = 0;
  double lineEndX_ = 0;
  double lineEndY_ = 0;
  Pen pen_;
  BrushStyle brush_ = BrushStyle::kSolid;
  DrawingLayer layer_ = DrawingLayer::kNone;
};

}  // namespace tavoro
