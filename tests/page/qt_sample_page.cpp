#include "qt_sample_page.h"

#include "page/page_setup.h"

namespace tavoro {

void DrawSamplePage(PageSurface& page) {
  PageSettings settings;
  SetupReportPage(page, settings);
  page.StartDoc();

  page.SetFontName("ＭＳ 明朝");
  page.SetFontSize(10);
  page.SetCurrentX(settings.ColX[0]);
  page.SetCurrentY(settings.RowY[1]);
  page.Text("計算書");
  page.Text("Q1=0.123m3/min");

  page.SetFontName("ＭＳ ゴシック");
  page.SetFontSize(12);
  page.SetCurrentX(settings.ColX[2]);
  page.SetCurrentY(settings.RowY[3]);
  page.Text("水位降下曲線");
  page.SetFontSize(6);
  page.Text("GL-1.500");

  page.SetFontName("ＭＳ 明朝");
  page.SetFontSize(10);
  page.SetTextAngle(900);
  page.SetCurrentX(2000);
  page.SetCurrentY(9000);
  page.Text("影響半径R=12.345");
  page.SetTextAngle(0);

  page.SetPenStyle(kPenSolid);
  const double widths[] = {0, 7, 10};
  double y = 3000;
  for (const double width : widths) {
    page.SetPenWidth(width);
    page.DrawLine(4000, y, 10000, y);
    y += 300;
  }
  page.SetPenWidth(0);
  page.SetPenStyle(kPenDotted);
  page.DrawLine(4000, y, 10000, y);
  page.DrawLine(10000, y + 2000);
  page.SetPenWidth(10);
  page.DrawLine(4000, y + 300, 10000, y + 300);
  page.SetPenStyle(kPenSolid);

  page.SetBrushStyle(kBrushSolid);
  page.DrawCircle(5000, 7000, 0.5 * 1440 / 25.4);
  page.DrawCircle(6000, 7000, 400);
  page.SetBrushStyle(kBrushCrossHatch);
  page.DrawRectangle(7000, 6000, 9000, 10000);
  page.SetBrushStyle(kBrushSolid);

  // Far off the paper: must not disturb the page.
  page.DrawLine(-1e12, 11000, 1e12, 11000);
  page.DrawCircle(1e9, 1e9, 1e8);
  page.SetBrushStyle(kBrushCrossHatch);
  page.DrawRectangle(-1e9, 12000, 1e9, 12500);
  page.SetBrushStyle(kBrushSolid);
  page.SetCurrentX(1e15);
  page.Text("far");
  page.EndDoc();
}

}  // namespace tavoro
