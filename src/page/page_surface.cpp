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

}  // namespace

PageSurface::PageSurface(const TextMeasurer& measurer) : measurer_(measurer) {}

void PageSurface::StartDoc() {
  const bool landscape = orientation_ == Orientation::kLandscape;
  document_ = Document{};
  document_.orientation = orientation_;
  document_.title = title_;
  document_.paperWidth = landscape ? kA4HeightTwips : kA4WidthTwips;
  document_.paperHeight = landscape ? kA4WidthTwips : kA4HeightTwips;
  document_.pages.emplace_back();
  drawnPage_ = 0;
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

void PageSurface::Text(double x, double y, std::string_view text) {
  currentX_ = x;
  currentY_ = y;
  const FontSpec font = CurrentFont();
  const double width = measurer_.TextWidth(font, text);
  const double height = measurer_.TextHeight(font, text);
  if (!text.empty() && AllFinite({x, y, width, height, font.size})) {
    Record(TextCommand{x, y, std::string(text), font, direction_, width, height});
  }
  if (std::isfinite(width)) currentX_ += width;
}

double PageSurface::TextWidth(std::string_view text) const {
  return measurer_.TextWidth(CurrentFont(), text);
}

double PageSurface::TextHeight(std::string_view text) const {
  return measurer_.TextHeight(CurrentFont(), text);
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

// Outside an open document (before StartDoc or after EndDoc) nothing is kept.
void PageSurface::Record(PageCommand command) {
  if (document_.pages.empty() || document_.finished) return;
  document_.pages[drawnPage_].commands.push_back(std::move(command));
}

}  // namespace tavoro
