#include "report/q2_block.h"

#include <string>

#include "report/formula_layout.h"
#include "report/report_text.h"
#include "report/report_values.h"

namespace tavoro {
namespace {

// The substituted denominator, joined without spaces.
std::string SubstitutedDenominator(const CalculationCase& calc, const std::string& kn60) {
  const std::string r = LengthText(calc.r);
  const std::string b = LengthText(calc.B);
  const std::string kg60 = PerMinuteText(calc.kg, "kg");
  return "ln(" + LengthText(calc.R[kNatural]) + "/(" + r + "+" + b + "))" + "+" + kn60 + "/" +
         kg60 + kTimes + "ln((" + r + "+" + b + ")/" + r + ")";
}

}  // namespace

void DrawQ2Block(PageSurface& page, const CalculationCase& calc, double charHeight, double x1,
                 double x2, double y) {
  StartFormulaBlock(page, x1, y);

  // Symbolic line: the denominator first, then the numerator centred on the
  // width of its full-size text.
  FormulaLine line = PlaceFormulaLine(page, charHeight);
  page.Text(x1, line.midTop, "Q2");
  page.Text(x2, line.midTop, "=  ");
  double xs = page.CurrentX();
  page.Text(xs, line.denTop,
            std::string(" ln( R1 / ( r + B) ) + kn / kg ") + kMiddleDot + " ln( ( r + B ) / r ) ");
  double xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  const std::string symbolicHead =
      std::string("  ") + kPi + " " + kMiddleDot + " kn " + kMiddleDot + " ( H";
  const double symbolicWidth = page.TextWidth(symbolicHead + " - h2 )  ");
  page.Text(CentredLeft(xs, xe, symbolicWidth), line.numTop, symbolicHead);
  PrintSuperscript(page, "2");
  page.Text(" - h");
  PrintSuperscript(page, "2");
  page.Text(" )  ");
  page.Text(page.CurrentX(), line.denTop, "  ");
  AdvanceFormulaLine(page, x1);

  // Substituted line.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(x2, line.midTop, "=  ");
  xs = page.CurrentX();
  const std::string kn60 = PerMinuteText(calc.kn, "kn");
  page.Text(xs, line.denTop, SubstitutedDenominator(calc, kn60));
  xe = page.CurrentX();
  DrawFractionBar(page, xs, xe, line.barY);
  const std::string head = std::string(kPi) + kTimes + kn60 + kTimes + "(" + LengthText(calc.H);
  const std::string tail = std::string("-").append(LengthText(calc.h[kNatural]));
  const double numeratorWidth = page.TextWidth(head + tail + ")");
  page.Text(CentredLeft(xs, xe, numeratorWidth), line.numTop, head);
  PrintSuperscript(page, "2");
  page.Text(tail);
  PrintSuperscript(page, "2");
  page.Text(")");
  page.Text(xe, line.denTop, "  ");
  AdvanceFormulaLine(page, x1);

  // Result line, under the equals signs.
  line = PlaceFormulaLine(page, charHeight);
  page.Text(x2, line.midTop, "=  " + LengthText(calc.Q[kImproved]) + " (m");
  PrintSuperscript(page, "3");
  page.Text("/min)");
}

}  // namespace tavoro
