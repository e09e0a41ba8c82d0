#include "report/formula_layout.h"

#include <cmath>

#include "calc/whole_number.h"
#include "report/report_error.h"
#include "report/report_text.h"

namespace tavoro {
namespace {

constexpr double kPairPitch = 2 * kRowPitch;

[[noreturn]] void ThrowPlacementError() {
  throw ReportError("計算書を作成できません: 数式の配置位置を計算できません。");
}

// Rounds to a whole number (halves to even) and halves toward zero.
int HalfOfWhole(double value) {
  const auto whole = ToInt32(value);
  if (!whole) ThrowPlacementError();
  return *whole / 2;
}

double Checked(double value) {
  if (!std::isfinite(value)) ThrowPlacementError();
  return value;
}

}  // namespace

int RowMargin(double charHeight) {
  return HalfOfWhole(kRowPitch - charHeight);
}

int PairMargin(double charHeight) {
  return HalfOfWhole(kPairPitch - charHeight);
}

FormulaLine FormulaLineAt(double base, double charHeight) {
  const int rowMargin = RowMargin(charHeight);
  FormulaLine line;
  line.base = Checked(base);
  line.numTop = base + rowMargin;
  line.barY = line.numTop + kRowPitch;
  line.denTop = line.barY + rowMargin;
  line.midTop = line.numTop + PairMargin(charHeight);
  return line;
}

RadicalHeights RadicalHeightsAt(double referenceTop, double charHeight) {
  RadicalHeights heights;
  heights.top = Checked(referenceTop - charHeight / 3);
  heights.foot = Checked(referenceTop + charHeight);
  heights.tick = Checked(referenceTop + charHeight - 100);
  return heights;
}

void StartFormulaBlock(PageSurface& page, double x1, double y) {
  page.SetCurrentY(y);
  page.SetCurrentX(x1);
  page.SetPenWidth(kFormulaPenWidth);
}

FormulaLine PlaceFormulaLine(const PageSurface& page, double charHeight) {
  return FormulaLineAt(page.CurrentY(), charHeight);
}

void AdvanceFormulaLine(PageSurface& page, double x1, double extraDrop) {
  page.SetCurrentY(page.CurrentY() + extraDrop + kRowPitch);
  page.SetCurrentX(x1);
}

void DrawFractionBar(PageSurface& page, double xs, double xe, double barY) {
  page.DrawLine(xs, barY, xe, barY);
}

double CentredLeft(double xs, double xe, double width) {
  return xs + HalfOfWhole((xe - xs) - width);
}

void PrintCentred(PageSurface& page, double xs, double xe, double top, std::string_view text) {
  page.Text(CentredLeft(xs, xe, page.TextWidth(text)), top, text);
}

void DrawRadicalSign(PageSurface& page, double xs, double xe, const RadicalHeights& heights) {
  page.DrawLine(xs - 150, heights.tick, xs - 100, heights.tick);
  page.DrawLine(xs - 80, heights.foot);
  page.DrawLine(xs, heights.top);
  page.DrawLine(xe, heights.top);
}

}  // namespace tavoro
