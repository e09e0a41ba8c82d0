#include "chart/chart_statement.h"

#include <cmath>

#include "calc/whole_number.h"

namespace tavoro {

double Finite(double value) {
  if (!std::isfinite(value)) throw StatementFailed();
  return value;
}

double WholeNumber(double value) {
  const auto whole = ToWholeReal(value);
  if (!whole) throw StatementFailed();
  return *whole;
}

std::int16_t WholeNumber16(double value) {
  const auto whole = ToInt16(value);
  if (!whole) throw StatementFailed();
  return *whole;
}

std::int32_t Half(double value) {
  const auto whole = ToInt32(value);
  if (!whole) throw StatementFailed();
  return *whole / 2;
}

void DrawCheckedLine(PageSurface& page, double x1, double y1, double x2, double y2) {
  page.DrawLine(Finite(x1), Finite(y1), Finite(x2), Finite(y2));
}

void DrawCheckedLineTo(PageSurface& page, double x, double y) {
  page.DrawLine(Finite(x), Finite(y));
}

void PlaceText(PageSurface& page, double x, double y, std::string_view text) {
  const double left = Finite(x);
  const double top = Finite(y);
  page.Text(left, top, text);
}

}  // namespace tavoro
