#include "summary/result_summary.h"

#include <charconv>

#include "calc/input_texts.h"
#include "calc/number_format.h"
#include "calc/quantities.h"
#include "calc/result_notes.h"

namespace tavoro {

// 15 significant digits: the value as computed, without the last digit's
// binary noise (0.01 stays 0.01 after kn is taken back to cm/sec).
std::string SummaryValueText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  char buffer[64];
  const auto [end, failure] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (failure != std::errc()) return kNotComputedMark;
  return std::string(buffer, end);
}

std::vector<SummaryLine> InputLines(const CalculationCase& calc) {
  std::vector<SummaryLine> lines;
  for (int field = 0; field < kInputFieldCount; ++field) {
    const InputField& f = Field(field);
    lines.push_back({std::string(f.caption), std::string(f.symbol), FormUnitValue(calc, field),
                     std::string(UnitText(f.unit))});
  }
  return lines;
}

std::vector<SummaryLine> ResultLines(const CalculationCase& calc) {
  std::vector<SummaryLine> lines;
  const auto add = [&lines](Quantity quantity, double value) {
    const QuantityText& q = QuantityOf(quantity);
    lines.push_back({QuantityName(quantity), std::string(q.symbol), value, std::string(q.unit)});
  };
  add(Quantity::kr, calc.r);
  add(Quantity::kH, calc.H);
  add(Quantity::kh, calc.h[kNatural]);
  add(Quantity::kS, calc.S[kNatural]);
  add(Quantity::kR1, calc.R[kNatural]);
  add(Quantity::kQ1, calc.Q[kNatural]);
  add(Quantity::kSx1, calc.PointS[kNatural]);
  if (calc.B > 0) {
    add(Quantity::kQ2, calc.Q[kImproved]);
    add(Quantity::kh2, calc.CurveY[kImproved][kRingEdgePoint]);
    add(Quantity::kS2, calc.CurveS[kImproved][kRingEdgePoint]);
    add(Quantity::kR2, calc.R[kImproved]);
    add(Quantity::kSx2, calc.PointS[kImproved]);
  }
  if (calc.uplift) {
    const UpliftResult& u = *calc.uplift;
    lines.insert(lines.end(), {
                                  {"被圧帯水層上面", "Dc", calc.ground.uplift->confinedTop, "m"},
                                  {"被圧水頭", "hp", calc.ground.uplift->confinedHead, "m"},
                                  {"掘削底から被圧帯水層上面までの厚さ", "d", u.d, "m"},
                                  {"被圧帯水層上面から測った被圧水頭", "hw", u.hw, "m"},
                                  {"土の重量", "W", u.W, "kN/m2"},
                                  {"水の単位体積重量", "γw", u.gammaW, "kN/m3"},
                                  {"盤ぶくれ安全率", "F", u.F, ""},
                                  {"必要安全率", "Fs", u.requiredF, ""},
                              });
    if (u.applies && !u.ok) {
      lines.push_back({"必要な被圧水頭の低下量", "Δh", u.headDrop, "m"});
      lines.push_back({"被圧水頭を下げずに安全な掘削深度", "GL-",
                       u.maxExcavationDepth.value_or(kNotComputed), "m"});
    }
  }
  return lines;
}

std::string ResultSummary(const CalculationCase& calc) {
  std::string text = "項目\t記号\t値\t単位\n";
  for (const std::vector<SummaryLine>& part : {InputLines(calc), ResultLines(calc)}) {
    for (const SummaryLine& line : part) {
      text += line.name + '\t' + line.symbol + '\t' + SummaryValueText(line.value) + '\t' +
              line.unit + '\n';
    }
  }
  // The ground's words: only when the case departs from Sichardt without the check.
  if (calc.ground.radiusMethod != RadiusMethod::kSichardt) {
    text += std::string("影響半径の式\t\t") + RadiusMethodName(calc.ground.radiusMethod) + "\t\n";
  }
  if (calc.ground.radiusMethod == RadiusMethod::kGiven) {
    text += "根拠\t\t" + calc.ground.radiusNote + "\t\n";
  }
  if (calc.uplift) {
    const UpliftResult& u = *calc.uplift;
    text += std::string("盤ぶくれ判定\t\t") + (!u.applies ? "適用外" : u.ok ? "OK" : "NG") + "\t\n";
  }
  for (const ResultNote& note : ResultNotes(calc)) text += "注記\t\t" + note.text + "\t\n";
  return text;
}

}  // namespace tavoro
