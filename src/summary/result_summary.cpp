#include "summary/result_summary.h"

#include <charconv>

#include "calc/input_texts.h"
#include "calc/number_format.h"

namespace tavoro {
namespace {

// 15 significant digits: the value as computed, without the last digit's
// binary noise (0.01 stays 0.01 after kn is taken back to cm/sec).
std::string ValueText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  char buffer[64];
  const auto [end, failure] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (failure != std::errc()) return kNotComputedMark;
  return std::string(buffer, end);
}

void AddLine(std::string& text, const std::string& name, const char* symbol, double value,
             const char* unit) {
  text += name + '\t' + symbol + '\t' + ValueText(value) + '\t' + unit + '\n';
}

}  // namespace

std::string ResultSummary(const CalculationCase& calc) {
  std::string text = "項目\t記号\t値\t単位\n";
  struct Input {
    int field;
    const char* symbol;
    double value;
    const char* unit;
  };
  const Input inputs[] = {
      {kGroundwaterField, "GL-", calc.GroundwaterDepth, "m"},
      {kImperviousField, "Hf", calc.ImperviousDepth, "m"},
      {kExcavationField, "Ht", calc.ExcavationDepth, "m"},
      {kPerimeterField, "L", calc.L, "m"},
      {kKnField, "kn", calc.kn * 100, "cm/sec"},
      {kWidthField, "B", calc.B, "m"},
      {kKgField, "kg", calc.kg * 100, "cm/sec"},
      {kPointField, "x", calc.PointDistance, "m"},
      {kRangeField, "", calc.CalcRange, "m"},
  };
  for (const Input& input : inputs) {
    AddLine(text, InputFieldCaption(input.field), input.symbol, input.value, input.unit);
  }

  AddLine(text, "円換算半径", "r", calc.r, "m");
  AddLine(text, "地下水位から不透水層までの高さ", "H", calc.H, "m");
  AddLine(text, "立坑底から不透水層までの高さ", "h", calc.h[1], "m");
  AddLine(text, "地下水位から掘削底までの高さ", "S", calc.S[1], "m");
  AddLine(text, "影響範囲（地盤改良なし）", "R1", calc.R[1], "m");
  AddLine(text, "湧水量（地盤改良なし）", "Q1", calc.Q[1], "m3/min");
  AddLine(text, "着目点の水位低下量（地盤改良なし）", "S(x)", calc.PointS[1], "m");
  if (calc.B > 0) {
    AddLine(text, "湧水量（地盤改良あり）", "Q2", calc.Q[2], "m3/min");
    AddLine(text, "改良外円の水位高さ", "h2", calc.CurveY[2][10], "m");
    AddLine(text, "改良外円の水位低下量", "S2", calc.CurveS[2][10], "m");
    AddLine(text, "影響範囲（地盤改良あり）", "R2", calc.R[2], "m");
    AddLine(text, "着目点の水位低下量（地盤改良あり）", "S(x)", calc.PointS[2], "m");
  }
  return text;
}

}  // namespace tavoro
