#pragma once

#include <string>

#include "page/page_surface.h"
#include "calc/indexed_array.h"

namespace tavoro {

// Page settings and the report's line grid, rebuilt by every page setup and
// kept for the whole process. RowY are the tops of the 48 grid rows,
// ColX the left edges of the 51 grid columns, both in page twips.
struct PageSettings {
  double BaseFontSize = 0;
  std::string BodyFontName;
  double CharHeight = 0;
  IndexedArray<double, 1, 48> RowY;
  IndexedArray<double, 0, 50> ColX;
};

// Portrait A4 for the report and landscape A4 for the chart: margins 20 mm
// left, 0 right, 15 mm top, 20 mm bottom, then SetupFonts and BuildLineGrid.
void SetupReportPage(PageSurface& page, PageSettings& settings);
void SetupChartPage(PageSurface& page, PageSettings& settings);

// Stores the report's body font (10 pt "ＭＳ 明朝"), leaves the surface on
// "ＭＳ ゴシック" 10 pt and stores that face's height of "あ" as CharHeight.
void SetupFonts(PageSurface& page, PageSettings& settings);

// Rows from 849.6, 297.6 twips apart; columns from the left margin, 216
// twips apart.
void BuildLineGrid(const PageSurface& page, PageSettings& settings);

}  // namespace tavoro
