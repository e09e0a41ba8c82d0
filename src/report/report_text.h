#pragma once

#include <cstdint>
#include <string_view>

#include "page/page_setup.h"
#include "page/page_surface.h"
#include "report/report.h"

namespace tavoro {

// Top of grid row `row`. Throws ReportError for a row outside 1..48.
double RowTop(const PageSettings& settings, int row);

// Left edge of grid column `column`. Throws ReportError outside 0..50.
double ColumnLeft(const PageSettings& settings, int column);

// Starts the text of a report page: the body font in force, the counter at
// row 1 and CurrentY at the top of row 1.
void BeginReportText(PageSurface& page, const PageSettings& settings, ReportLineCounter& counter);

// Adds n to the counter and returns the new row. Throws ReportError when the
// sum leaves the 16-bit range; the counter then keeps its old value.
std::int16_t AdvanceLines(ReportLineCounter& counter, std::int16_t n);

// Prints text at two-thirds of the current font size (whole points), top
// aligned with the line, so it stands high. The font size is restored;
// CurrentX ends after the small text.
void PrintSuperscript(PageSurface& page, std::string_view text);

// Places report lines on the line grid: the row is the counter's, columns
// are taken by index. Row and column lookups throw ReportError off the grid.
class GridWriter {
 public:
  GridWriter(PageSurface& page, const PageSettings& settings, ReportLineCounter& counter)
      : page_(page), settings_(settings), counter_(counter) {}

  double Column(int column) const { return ColumnLeft(settings_, column); }
  double Row() const { return RowTop(settings_, counter_.value); }
  void Advance(std::int16_t rows) { AdvanceLines(counter_, rows); }
  // Prints text at the left edge of column, on the top of the current row.
  void Print(int column, std::string_view text) { page_.Text(Column(column), Row(), text); }

 private:
  PageSurface& page_;
  const PageSettings& settings_;
  ReportLineCounter& counter_;
};

}  // namespace tavoro
