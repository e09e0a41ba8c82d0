#pragma once

#include <string>
#include <vector>

#include "page/page_surface.h"

namespace tavoro {

// A ruled table drawn row by row in the surface's current font: a rule above
// the first row and under every row, and the column rules when it ends.
// Each cell's text is fitted to its column ("…" when cut), set at the left
// or right with a half-em padding and centred in the row's height.
class PageTable {
 public:
  struct Column {
    double width = 0;
    bool right = false;  // numbers stand right-aligned
  };

  PageTable(PageSurface& page, double left, double top, std::vector<Column> columns,
            double rowHeight);

  // One row; cells beyond the columns are ignored, missing ones are blank.
  void Row(const std::vector<std::string>& cells);
  // Draws the column rules and returns the bottom of the last row.
  double End();

  double Bottom() const { return y_; }
  double Right() const;

 private:
  PageSurface& page_;
  double left_;
  double top_;
  std::vector<Column> columns_;
  double rowHeight_;
  double y_;
};

}  // namespace tavoro
