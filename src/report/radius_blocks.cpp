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
  page.Text(equalsX, line.midTop, symbolicPiece);
  double xs = page.CurrentX();
  page.Text(xs, line.midTop, " kn / 60 ");
  double xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.midTop, charHeight));
  AdvanceFormulaLine(page, x1);

  // Substituted line: the radicand stands at NumTop.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(equalsX, line.numTop,
            std::string("=  3000 ") + kTimes + " " + LengthText(drawdown) + " " + kTimes + "  ");
  xs = page.CurrentX();
  page.Text(xs, line.numTop, std::string(" ").append(PermeabilityText(kn)).append(" "));
  xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.numTop, charHeight));
  page.Text(page.CurrentX(), line.numTop, MetresResult(radius));
}

namespace {

void DrawKusakinLines(PageSurface& page, const CalculationCase& calc, double charHeight,
                      const FormulaLine& first, double x1, double equalsX,
                      std::string_view drawdownSymbol, double drawdown, double radius) {
  FormulaLine line = first;
  page.Text(equalsX, line.midTop,
            std::string("=  575 ") + kMiddleDot + " " + std::string(drawdownSymbol) + " " +
                kMiddleDot + "  ");
  double xs = page.CurrentX();
  page.Text(xs, line.midTop, std::string(" H ") + kMiddleDot + " kn / 60 ");
  double xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.midTop, charHeight));
  AdvanceFormulaLine(page, x1);

  line = PlaceFormulaLine(page, charHeight);
  page.Text(equalsX, line.numTop,
            std::string("=  575 ") + kTimes + " " + LengthText(drawdown) + " " + kTimes + "  ");
  xs = page.CurrentX();
  page.Text(xs, line.numTop,
            " " + LengthText(calc.H) + " " + kTimes + " " + PermeabilityText(calc.kn) + " ");
  xe = page.CurrentX();
  DrawRadicalSign(page, xs, xe, RadicalHeightsAt(line.numTop, charHeight));
  page.Text(page.CurrentX(), line.numTop, MetresResult(radius));
}

void DrawGivenLines(PageSurface& page, const CalculationCase& calc, double charHeight,
                    const FormulaLine& first, double x1, double equalsX,
                    std::string_view drawdownSymbol, double radius) {
  const bool second = drawdownSymbol == "S2";
  std::string equals = "=  ";
  if (HasImprovement(calc)) equals += second ? "R1  =  " : "R2  =  ";
  page.Text(equalsX, first.midTop,
            equals + LengthText(radius) + " (m)" + kIdeographicSpace + "指定値");
  AdvanceFormulaLine(page, x1);
  const FormulaLine line = PlaceFormulaLine(page, charHeight);
  const std::string& note = calc.ground.radiusNote;
  page.Text(equalsX, line.numTop, std::string("   根拠 : ") + (note.empty() ? "記載なし" : note));
}

}  // namespace

void DrawRadiusLines(PageSurface& page, const CalculationCase& calc, double charHeight,
                     const FormulaLine& first, double x1, double equalsX,
                     std::string_view drawdownSymbol, double drawdown, double radius) {
  switch (calc.ground.radiusMethod) {
    case RadiusMethod::kKusakin:
      DrawKusakinLines(page, calc, charHeight, first, x1, equalsX, drawdownSymbol, drawdown,
                       radius);
      return;
    case RadiusMethod::kGiven:
      DrawGivenLines(page, calc, charHeight, first, x1, equalsX, drawdownSymbol, radius);
      return;
    case RadiusMethod::kSichardt:
      break;
  }
  DrawSichardtLines(page, charHeight, first, x1, equalsX,
                    std::string("=  3000 ") + kMiddleDot + " " + std::string(drawdownSymbol) +
                        " " + kMiddleDot + "  ",
                    drawdown, calc.kn, radius);
}

void DrawR1Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y) {
  StartFormulaBlock(page, x1, y);
  const FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(x1, line.midTop, "R1");
  DrawRadiusLines(page, calc, charHeight, line, x1, x2, "S", calc.S[kNatural], calc.R[kNatural]);
}

void DrawRadiusBlock(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                     double x2, double y) {
  StartFormulaBlock(page, x1, y);

  FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(x1, line.midTop, "r");
  page.Text(x2, line.midTop, std::string("= L / ( 2 ") + kMiddleDot + " " + kPi + " )");
  AdvanceFormulaLine(page, x1);

  line = PlaceFormulaLine(page, charHeight);
  page.Text(x2, line.numTop, "= " + LengthText(calc.L) + " / ( 2 " + kTimes + " " + kPi + " )");
  page.Text(page.CurrentX(), line.numTop, MetresResult(calc.r));
}

}  // namespace tavoro
