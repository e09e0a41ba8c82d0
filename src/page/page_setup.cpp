#include "page/page_setup.h"

#include <cmath>

#include "page/page_length.h"

namespace tavoro {
namespace {

constexpr double kFirstRowY = 849.6;
constexpr double kRowPitch = 297.6;
constexpr double kColumnPitch = 216.0;

void SetupPage(PageSurface& page, PageSettings& settings, Orientation orientation) {
  page.SetOrientation(orientation);
  page.SetMargins(
      {.left = 20 * kTwipsPerMm, .top = 15 * kTwipsPerMm, .right = 0, .bottom = 20 * kTwipsPerMm});
  SetupFonts(page, settings);
  BuildLineGrid(page, settings);
}

}  // namespace

void SetupReportPage(PageSurface& page, PageSettings& settings) {
  SetupPage(page, settings, Orientation::kPortrait);
  page.SetDocumentTitle("計算書");
}

void SetupChartPage(PageSurface& page, PageSettings& settings) {
  SetupPage(page, settings, Orientation::kLandscape);
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

void BuildLineGrid(const PageSurface& page, PageSettings& settings) {
  for (int n = 1; n <= 48; ++n) settings.RowY[n] = kFirstRowY + (n - 1) * kRowPitch;
  for (int j = 0; j <= 50; ++j) settings.ColX[j] = page.margins().left + j * kColumnPitch;
}

}  // namespace tavoro
