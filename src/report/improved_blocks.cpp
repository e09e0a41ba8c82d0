#include "report/improved_blocks.h"

#include <string>

#include "report/formula_layout.h"
#include "report/radius_blocks.h"
#include "report/report_text.h"
#include "report/report_values.h"

namespace tavoro {
namespace {

// The h2 radical spans a fraction and the term after it, so its sign
// reaches above and below the plain one.
RadicalHeights WidenedRadical(double referenceTop, double charHeight, double raiseTop,
                              double lowerFoot, double lowerTick) {
  RadicalHeights heights = RadicalHeightsAt(referenceTop, charHeight);
  heights.top -= raiseTop;
  heights.foot += lowerFoot;
  heights.tick += lowerTick;
  return heights;
}

// The drop the h2 block adds before its substituted line, clear of the
// lowered radical foot.
constexpr double kH2ExtraDrop = 200;

}  // namespace

void DrawH2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y) {
  StartFormulaBlock(page, x1, y);

  // Symbolic line.
  FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(page.CurrentX(), line.midTop, "改良外円の水位高");
  page.Text(x2, line.midTop, "h2");
  page.Text(x3, line.midTop, "=   ");
  double xs = page.CurrentX();
  page.Text(xs, line.numTop, std::string("  ( Q2 ") + kMiddleDot + " ln ( ( r + B ) / r) )  ");
  double xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  PrintCentred(page, xs, xe, line.denTop, std::string(kPi) + " " + kMiddleDot + " kg");
  page.Text(xe, line.midTop, " + h");
  PrintSuperscript(page, "2");
  double xr = page.CurrentX();
  page.Text(page.CurrentX(), line.denTop, " ");
  DrawRadicalSign(page, xs, xr, WidenedRadical(line.midTop, charHeight, 250, 200, 150));
  AdvanceFormulaLine(page, x1, kH2ExtraDrop);

  // Substituted line.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(x3, line.midTop, "=   ");
  xs = page.CurrentX();
  const std::string r = LengthText(calc.r);
  page.Text(xs, line.numTop,
            "  ( " + LengthText(calc.Q[kImproved]) + " " + kTimes + " ln ( ( " + r + " + " +
                LengthText(calc.B) + " ) / " + r + ") )  ");
  xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  PrintCentred(page, xs, xe, line.denTop,
               std::string(kPi) + " " + kTimes + " " + PerMinuteText(calc.kg, "kg"));
  page.Text(xe, line.midTop, " + " + LengthText(calc.h[kNatural]));
  PrintSuperscript(page, "2");
  xr = page.CurrentX();
  page.Text(page.CurrentX(), line.denTop, " ");
  DrawRadicalSign(page, xs, xr, WidenedRadical(line.midTop, charHeight, 200, 200, 100));
  AdvanceFormulaLine(page, x1);

  // Result line.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(
      x3, line.midTop,
      "=  " + LengthText(calc.CurveY[kImproved][kRingEdgePoint]) + kIdeographicSpace + "(m) ");
  page.Text(page.CurrentX(), line.denTop, " ");
}

void DrawS2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y) {
  StartFormulaBlock(page, x1, y);

  FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(page.CurrentX(), line.midTop, "水位降下高さ");
  page.Text(x2, line.midTop, "S2");
  page.Text(x3, line.midTop, "=   H - h2");
  AdvanceFormulaLine(page, x1);

  line = PlaceFormulaLine(page, charHeight);
  page.Text(
      x3, line.numTop,
      "=   " + LengthText(calc.H) + " - " + LengthText(calc.CurveY[kImproved][kRingEdgePoint]));
  page.Text(page.CurrentX(), line.numTop,
            "  =   " + LengthText(calc.CurveS[kImproved][kRingEdgePoint]) + " (m)");
}

void DrawR2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double x3, double y) {
  StartFormulaBlock(page, x1, y);

  const FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(page.CurrentX(), line.midTop, "影響範囲");
  page.Text(x2, line.midTop, "R2");
  DrawRadiusLines(page, calc, charHeight, line, x1, x3, "S2",
                  calc.CurveS[kImproved][kRingEdgePoint], calc.R[kImproved]);
}

}  // namespace tavoro
