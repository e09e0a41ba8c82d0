#include "page/page_setup.h"

#include <cmath>

namespace tavoro {
namespace {

constexpr double kFirstRowY = 849.6;
constexpr double kRowPitch = 297.6;
constexpr double kColumnPitch = 216.0;

void SetupPage(PageSurface& page, PageSettings& settings, std::int16_t orientation) {
  page.SetAutoRTF(false);
  page.SetPaperSize(9);
  page.SetOrientation(orientation);
  page.SetMarginLeft("20mm");
  page.SetMarginRight("0mm");
  page.SetMarginTop("15mm");
  page.SetMarginBottom("20mm");
  page.SetLineSpacing(100.0);
  page.SetIndentLeft(0.0);
  page.SetIndentFirst(0.0);
  SetupFonts(page, settings);
  BuildLineGrid(page, settings);
}

}  // namespace

void SetupReportPage(PageSurface& page, PageSettings& settings) {
  SetupPage(page, settings, 0);
  page.SetDocumentTitle("計算書");
}

void SetupChartPage(PageSurface& page, PageSettings& settings) {
  SetupPage(page, settings, 1);
  page.SetDocumentTitle("地下水位降下曲線");
}

void SetupFonts(PageSurface& page, PageSettings& settings) {
  settings.BaseFontSize = 10.0;
  settings.BodyFontName = "ＭＳ 明朝";
  page.SetFontName("ＭＳ ゴシック");
  // Whole points, halves to the even neighbour (the default rounding mode).
  page.SetFontSize(std::nearbyint(settings.BaseFontSize));
  settings.CharHeight = page.TextHeight("あ");
}

void BuildLineGrid(PageSurface& page, PageSettings& settings) {
  for (int n = 1; n <= 48; ++n) {
    if (n == 1) {
      page.SetCurrentY(kFirstRowY);
      settings.RowY[1] = page.CurrentY();
    } else {
      settings.RowY[n] = page.CurrentY() + (n - 1) * kRowPitch;
    }
  }
  for (int j = 0; j <= 50; ++j) settings.ColX[j] = page.MarginLeft() + j * kColumnPitch;
}

}  // namespace tavoro
