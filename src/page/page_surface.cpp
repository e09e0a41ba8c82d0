#include "page/page_surface.h"

#include <cmath>
#include <utility>

#include "page/page_length.h"

namespace tavoro {
namespace {

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

void SetMargin(double& margin, std::string_view length) {
  if (const auto twips = ParseLengthTwips(length)) margin = *twips;
}

}  // namespace

PageSurface::PageSurface(const TextMeasurer& measurer) : measurer_(measurer) {}

void PageSurface::StartDoc() {
  const bool landscape = orientation_ == 1;
  document_ = Document{};
  document_.landscape = landscape;
  document_.title = title_;
  document_.paperWidth = landscape ? kA4HeightTwips : kA4WidthTwips;
  document_.paperHeight = landscape ? kA4WidthTwips : kA4HeightTwips;
  document_.pages.emplace_back();
  drawnPage_ = 0;
}

void PageSurface::SetDocumentTitle(std::string title) {
  title_ = std::move(title);
}

void PageSurface::NewPage() {
  if (document_.pages.empty() || document_.finished) return;
  document_.pages.emplace_back();
  drawnPage_ = document_.pages.size() - 1;
}

void PageSurface::TurnToPage(std::size_t index) {
  if (index < document_.pages.size() && !document_.finished) drawnPage_ = index;
}

void PageSurface::EndDoc() {
  if (!document_.pages.empty()) document_.finished = true;
}

// Only A4 is offered; any other paper number stays A4.
void PageSurface::SetPaperSize(std::int16_t paper) {
  paperSize_ = paper;
}
void PageSurface::SetOrientation(std::int16_t orientation) {
  if (orientation == 0 || orientation == 1) orientation_ = orientation;
}
std::int16_t PageSurface::Orientation() const {
  return orientation_;
}
void PageSurface::SetAutoRTF(bool on) {
  autoRtf_ = on;
}

void PageSurface::SetMarginLeft(std::string_view length) {
  SetMargin(marginLeft_, length);
}
void PageSurface::SetMarginRight(std::string_view length) {
  SetMargin(marginRight_, length);
}
void PageSurface::SetMarginTop(std::string_view length) {
  SetMargin(marginTop_, length);
}
void PageSurface::SetMarginBottom(std::string_view length) {
  SetMargin(marginBottom_, length);
}
double PageSurface::MarginLeft() const {
  return marginLeft_;
}
double PageSurface::MarginRight() const {
  return marginRight_;
}
double PageSurface::MarginTop() const {
  return marginTop_;
}
double PageSurface::MarginBottom() const {
  return marginBottom_;
}

void PageSurface::SetLineSpacing(double percent) {
  lineSpacing_ = percent;
}
void PageSurface::SetIndentLeft(double twips) {
  indentLeft_ = twips;
}
void PageSurface::SetIndentFirst(double twips) {
  indentFirst_ = twips;
}

void PageSurface::SetFontName(std::string_view name) {
  fontName_ = name;
}
const std::string& PageSurface::FontName() const {
  return fontName_;
}
void PageSurface::SetFontSize(double points) {
  fontSize_ = points;
}
double PageSurface::FontSize() const {
  return fontSize_;
}

void PageSurface::SetCurrentX(double x) {
  currentX_ = x;
}
void PageSurface::SetCurrentY(double y) {
  currentY_ = y;
}
double PageSurface::CurrentX() const {
  return currentX_;
}
double PageSurface::CurrentY() const {
  return currentY_;
}

// CurrentX moves by the text's width whatever the angle, so that a rotated
// label also leaves the position after its advance along the line.
void PageSurface::Text(std::string_view text) {
  const FontSpec font = CurrentFont();
  const double width = measurer_.TextWidth(font, text);
  const double height = measurer_.TextHeight(font, text);
  if (!text.empty() && AllFinite({currentX_, currentY_, width, height, font.size})) {
    Record(TextCommand{currentX_, currentY_, std::string(text), font, textAngle_, width, height});
  }
  if (std::isfinite(width)) currentX_ += width;
}

double PageSurface::TextWidth(std::string_view text) const {
  return measurer_.TextWidth(CurrentFont(), text);
}

double PageSurface::TextHeight(std::string_view text) const {
  return measurer_.TextHeight(CurrentFont(), text);
}

void PageSurface::SetTextAngle(std::int16_t tenths) {
  textAngle_ = tenths;
}
std::int16_t PageSurface::TextAngle() const {
  return textAngle_;
}

void PageSurface::DrawLine(double x1, double y1, double x2, double y2) {
  // A dropped line leaves the polyline where it was.
  if (!AllFinite({x1, y1, x2, y2})) return;
  Record(LineCommand{x1, y1, x2, y2, pen_, layer_});
  lineEndX_ = x2;
  lineEndY_ = y2;
}

void PageSurface::DrawLine(double x, double y) {
  DrawLine(lineEndX_, lineEndY_, x, y);
}

void PageSurface::DrawCircle(double x, double y, double radius) {
  if (AllFinite({x, y, radius})) Record(CircleCommand{x, y, radius, pen_, brush_, layer_});
}

void PageSurface::DrawRectangle(double x1, double y1, double x2, double y2) {
  if (AllFinite({x1, y1, x2, y2})) Record(RectangleCommand{x1, y1, x2, y2, pen_, brush_, layer_});
}

void PageSurface::SetPenWidth(double twips) {
  pen_.width = twips;
}
double PageSurface::PenWidth() const {
  return pen_.width;
}
void PageSurface::SetPenStyle(std::int16_t style) {
  pen_.style = style;
}
std::int16_t PageSurface::PenStyle() const {
  return pen_.style;
}
void PageSurface::SetBrushStyle(std::int16_t style) {
  brush_ = style;
}
std::int16_t PageSurface::BrushStyle() const {
  return brush_;
}

// Outside an open document (before StartDoc or after EndDoc) nothing is kept.
void PageSurface::Record(PageCommand command) {
  if (document_.pages.empty() || document_.finished) return;
  document_.pages[drawnPage_].commands.push_back(std::move(command));
}

FontSpec PageSurface::CurrentFont() const {
  return FontSpec{fontName_, fontSize_};
}

}  // namespace tavoro
