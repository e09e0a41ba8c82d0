#include "report/q1_block.h"

#include <string>

#include "report/formula_layout.h"
#include "report/report_text.h"
#include "report/report_values.h"

namespace tavoro {

void DrawQ1Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y) {
  StartFormulaBlock(page, x1, y);

  // Symbolic line.
  FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(x1, line.midTop, "Q1");
  page.Text(x2, line.midTop, "=  ");
  double xs = page.CurrentX();
  page.Text(xs, line.numTop,
            std::string("  ") + kPi + " " + kMiddleDot + " kn " + kMiddleDot + " ( H");
  PrintSuperscript(page, "2");
  page.Text(" - h");
  PrintSuperscript(page, "2");
  page.Text(" )  ");
  double xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  PrintCentred(page, xs, xe, line.denTop, "ln( R1 / r )");
  AdvanceFormulaLine(page, x1);

  // Substituted line.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(x2, line.midTop, "=  ");
  xs = page.CurrentX();
  page.Text(xs, line.numTop,
            std::string("  ") + kPi + " " + kTimes + " " + PerMinuteText(calc.kn, "kn") + " " +
                kTimes + " ( " + LengthText(calc.H));
  PrintSuperscript(page, "2");
  page.Text(" - " + LengthText(calc.h[kNatural]));
  PrintSuperscript(page, "2");
  page.Text(" )  ");
  xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  PrintCentred(page, xs, xe, line.denTop,
               std::string("ln(") + kIdeographicSpace + LengthText(calc.R[kNatural]) + " / " +
                   LengthText(calc.r) + " )");
  page.Text(xe, line.midTop, "  =  " + LengthText(calc.Q[kNatural]) + " (m");
  PrintSuperscript(page, "3");
  page.Text("/min)");
}

}  // namespace tavoro
