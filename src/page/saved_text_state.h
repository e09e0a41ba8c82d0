#pragma once

#include <string>

#include "page/page_surface.h"

namespace tavoro {

// Keeps the surface's face, size, current point and text direction, and puts
// them back when it goes out of scope, so a margin text leaves the page
// body's drawing state as it found it.
class SavedTextState {
 public:
  explicit SavedTextState(PageSurface& page)
      : page_(page),
        face_(page.FontName()),
        points_(page.FontSize()),
        x_(page.CurrentX()),
        y_(page.CurrentY()),
        direction_(page.textDirection()) {}
  ~SavedTextState() {
    page_.SetFontName(face_);
    page_.SetFontSize(points_);
    page_.SetCurrentX(x_);
    page_.SetCurrentY(y_);
    page_.SetTextDirection(direction_);
  }
  SavedTextState(const SavedTextState&) = delete;
  SavedTextState& operator=(const SavedTextState&) = delete;

 private:
  PageSurface& page_;
  std::string face_;
  double points_;
  double x_;
  double y_;
  TextDirection direction_;
};

}  // namespace tavoro
