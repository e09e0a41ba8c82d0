#include "export/case_csv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "calc/csv_cell.h"
#include "calc/number_format.h"
#include "calc/quantities.h"
#include "calc/result_notes.h"

namespace tavoro {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kLineEnd[] = "\r\n";

std::string Cell(double value) {
  if (!IsComputed(value)) return CsvCell(kNotComputedMark);
  if (value == 0) value = 0;  // no "-0"
  std::array<char, 64> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  return std::string(text.data(), result.ptr);
}

struct Row {
  std::string_view symbol;
  double value;
  std::string_view unit;
};

}  // namespace

std::string CaseToCsv(const CalculationCase& c) {
  const auto result = [](Quantity quantity, double value) {
    const QuantityText& q = QuantityOf(quantity);
    return Row{q.symbol, value, q.unit};
  };
  const std::array<Row, 21> rows{{
      {"GL-", c.GroundwaterDepth, "m"},
      {"Hf", c.ImperviousDepth, "m"},
      {"Ht", c.ExcavationDepth, "m"},
      {"L", c.L, "m"},
      {"kn", c.kn, "m/s"},
      {"B", c.B, "m"},
      {"kg", c.kg, "m/s"},
      {"x", c.PointDistance, "m"},
      {"計算範囲", c.CalcRange, "m"},
      result(Quantity::kH, c.H),
      result(Quantity::kr, c.r),
      result(Quantity::kh, c.h[kNatural]),
      result(Quantity::kS, c.S[kNatural]),
      result(Quantity::kR1, c.R[kNatural]),
      result(Quantity::kQ1, c.Q[kNatural]),
      result(Quantity::kR2, c.R[kImproved]),
      result(Quantity::kQ2, c.Q[kImproved]),
      {"y1(x)", c.PointY[kNatural], "m"},
      result(Quantity::kSx1, c.PointS[kNatural]),
      {"y2(x)", c.PointY[kImproved], "m"},
      result(Quantity::kSx2, c.PointS[kImproved]),
  }};
  std::string out = kByteOrderMark;
  out.append("記号,値,単位").append(kLineEnd);
  for (const Row& row : rows) {
    out.append(row.symbol).append(",").append(Cell(row.value)).append(",");
    out.append(row.unit).append(kLineEnd);
  }
  // The ground rows only when the case departs from Sichardt without the check.
  if (c.ground.radiusMethod != RadiusMethod::kSichardt) {
    out.append("影響半径の式,").append(RadiusMethodName(c.ground.radiusMethod)).append(",");
    out.append(kLineEnd);
  }
  if (c.uplift) {
    const UpliftResult& u = *c.uplift;
    const Row upliftRows[] = {
        {"Dc", c.ground.uplift->confinedTop, "m"}, {"hp", c.ground.uplift->confinedHead, "m"},
        {"d", u.d, "m"},           {"hw", u.hw, "m"},
        {"W", u.W, "kN/m2"},       {"γw", u.gammaW, "kN/m3"},
        {"F", u.F, ""},            {"Fs", u.requiredF, ""},
        {"Δh", u.headDrop, "m"},
        {"最大掘削深度", u.maxExcavationDepth.value_or(kNotComputed), "m"},
    };
    for (const Row& row : upliftRows) {
      out.append(row.symbol).append(",").append(Cell(row.value)).append(",");
      out.append(row.unit).append(kLineEnd);
    }
  }
  out.append(kLineEnd);
  out.append("点,x1 (m),y1 (m),s1 (m),x2 (m),y2 (m),s2 (m)").append(kLineEnd);
  for (int i = CurvePoints::kFirst; i <= CurvePoints::kLast; ++i) {
    out.append(std::to_string(i));
    for (int k = kNatural; k <= kImproved; ++k) {
      out.append(",").append(Cell(c.CurveX[k][i]));
      out.append(",").append(Cell(c.CurveY[k][i]));
      out.append(",").append(Cell(c.CurveS[k][i]));
    }
    out.append(kLineEnd);
  }
  const std::vector<ResultNote> notes = ResultNotes(c);
  if (!notes.empty()) {
    out.append(kLineEnd).append("注記,内容").append(kLineEnd);
    for (const ResultNote& note : notes) {
      out.append(note.code).append(",").append(note.text).append(kLineEnd);
    }
  }
  return out;
}

}  // namespace tavoro
