#include "page/page_table.h"

#include <string_view>
#include <utility>

#include "page/text_fit.h"

namespace tavoro {

PageTable::PageTable(PageSurface& page, double left, double top, std::vector<Column> columns,
                     double rowHeight)
    : page_(page),
      left_(left),
      top_(top),
      columns_(std::move(columns)),
      rowHeight_(rowHeight),
      y_(top) {
  page_.SetPenWidth(0);
  page_.SetPenStyle(PenStyle::kSolid);
  page_.DrawLine(left_, top_, Right(), top_);
}

double PageTable::Right() const {
  double right = left_;
  for (const Column& column : columns_) right += column.width;
  return right;
}

void PageTable::Row(const std::vector<std::string>& cells) {
  const double padding = page_.TextWidth("a");
  const double textTop = y_ + (rowHeight_ - page_.TextHeight("あ")) / 2;
  const TextWidthOf widthOf = [this](std::string_view text) { return page_.TextWidth(text); };
  double x = left_;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    const Column& column = columns_[c];
    if (c < cells.size() && !cells[c].empty()) {
      const std::string text = FitText(widthOf, cells[c], column.width - 2 * padding);
      page_.Text(column.right ? x + column.width - padding - page_.TextWidth(text) : x + padding,
                 textTop, text);
    }
    x += column.width;
  }
  y_ += rowHeight_;
  page_.DrawLine(left_, y_, Right(), y_);
}

double PageTable::End() {
  double x = left_;
  page_.DrawLine(x, top_, x, y_);
  for (const Column& column : columns_) {
    x += column.width;
    page_.DrawLine(x, top_, x, y_);
  }
  return y_;
}

}  // namespace tavoro
