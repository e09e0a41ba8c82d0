#include "report/radius_blocks.h"

#include <string>

#include "report/formula_layout.h"
#include "report/report_text.h"
#include "report/report_values.h"

namespace tavoro {
namespace {

// "　=　" followed by a length and " (m)".
std::string MetresResult(double value) {
  return std::string(kIdeographicSpace) + "=" + kIdeographicSpace + LengthText(value) + " (m)";
}

}  // namespace

void DrawSichardtLines(PageSurface& page, double charHeight, const FormulaLine& first, double x1,
                       double equalsX, std::string_view symbolicPiece, double drawdown, double kn,
                       double radius) {
  // Symbolic line: the radicand stands at MidTop.
  FormulaLine line = first;
  PrintAt(page, equalsX, line.midTop, symbolicPiece);
  double xs = page.CurrentX();
  PrintAt(page, xs, line.midTop, " kn / 60 ");
  double xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.midTop, charHeight));
  AdvanceFormulaLine(page, x1);

  // Substituted line: the radicand stands at NumTop.
  line = PlaceFormulaLine(page, charHeight);
  PrintAt(page, equalsX, line.numTop,
          std::string("=  3000 ") + kTimes + " " + LengthText(drawdown) + " " + kTimes + "  ");
  xs = page.CurrentX();
  PrintAt(page, xs, line.numTop, std::string(" ").append(PermeabilityText(kn)).append(" "));
  xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.numTop, charHeight));
  PrintAt(page, page.CurrentX(), line.numTop, MetresResult(radius));
}

void DrawR1Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y) {
  StartFormulaBlock(page, x1, y);
  const FormulaLine line = PlaceFormulaLine(page, charHeight);
  PrintAt(page, x1, line.midTop, "R1");
  DrawSichardtLines(page, charHeight, line, x1, x2,
                    std::string("=  3000 ") + kMiddleDot + " S " + kMiddleDot + "  ",
                    calc.S[kNatural], calc.kn, calc.R[kNatural]);
}

void DrawRadiusBlock(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                     double x2, double y) {
  StartFormulaBlock(page, x1, y);

  FormulaLine line = PlaceFormulaLine(page, charHeight);
  PrintAt(page, x1, line.midTop, "r");
  PrintAt(page, x2, line.midTop, std::string("= L / ( 2 ") + kMiddleDot + " " + kPi + " )");
  AdvanceFormulaLine(page, x1);

  line = PlaceFormulaLine(page, charHeight);
  PrintAt(page, x2, line.numTop, "= " + LengthText(calc.L) + " / ( 2 " + kTimes + " " + kPi + " )");
  PrintAt(page, page.CurrentX(), line.numTop, MetresResult(calc.r));
}

}  // namespace tavoro
