#include "report/uplift_page.h"

#include <string>
#include <string_view>
#include <vector>

#include "calc/number_format.h"
#include "report/formula_layout.h"
#include "report/report_text.h"
#include "report/report_values.h"
#include "report/uplift_sketch.h"

namespace tavoro {
namespace {

constexpr int kSketchFirstRow = 5;
constexpr int kSketchRows = 12;
constexpr int kTermsPerLine = 4;
constexpr int kSymbolColumn = 10;
constexpr int kDescriptionColumn = 13;
constexpr int kValueColumn = 35;

std::string Weight(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kTwoDecimals);
}

std::string Ratio(double value) {
  return LengthText(value);
}

class UpliftPage {
 public:
  UpliftPage(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
             ReportLineCounter& counter)
      : page_(page),
        calc_(calc),
        u_(*calc.uplift),
        in_(*calc.ground.uplift),
        settings_(settings),
        grid_(page, settings, counter),
        counter_(counter) {}

  void Draw() {
    BeginReportText(page_, settings_, counter_);
    grid_.Print(0, "盤ぶくれの検討");
    Advance(2);
    grid_.Print(1, "1.検討断面");
    DrawUpliftSketch(page_, calc_, grid_.Column(5), grid_.Column(44),
                     RowTop(settings_, kSketchFirstRow),
                     RowTop(settings_, kSketchFirstRow + kSketchRows - 1));
    Advance(kSketchRows + 2);
    grid_.Print(1, "2.盤ぶくれに対する安全率");
    Advance(2);
    if (!u_.applies) {
      grid_.Print(3, "掘削底が被圧帯水層上面に達しており (d = 0)、盤ぶくれの検討は適用しない。");
      Advance(2);
    } else {
      if (in_.layers.empty()) {
        DrawSafetyFactor("γt ・ d", Weight(in_.unitWeight) + " " + kTimes + " " + LengthText(u_.d));
      } else {
        DrawWeight();
        DrawSafetyFactor("Σγti ・ ti", LengthText(u_.W));
      }
      DrawVerdict();
    }
    DrawSymbols();
  }

 private:
  void Advance(std::int16_t rows) { grid_.Advance(rows); }

  // W = Σγti・ti with every layer put in, kTermsPerLine terms to a line.
  void DrawWeight() {
    const double x2 = grid_.Column(7);
    grid_.Print(5, "W");
    page_.Text(x2, grid_.Row(), std::string("=  Σγti ") + kMiddleDot + " ti");
    Advance(1);
    std::string line = "=  ";
    for (std::size_t i = 0; i < u_.layers.size(); ++i) {
      if (i > 0) line += " + ";
      line += Weight(u_.layers[i].unitWeight) + " " + kTimes + " " + LengthText(u_.layers[i].thickness);
      if ((i + 1) % kTermsPerLine == 0 && i + 1 < u_.layers.size()) {
        page_.Text(x2, grid_.Row(), line);
        Advance(1);
        line = "   ";
      }
    }
    page_.Text(x2, grid_.Row(), line);
    Advance(1);
    page_.Text(x2, grid_.Row(), "=  " + LengthText(u_.W) + " (kN/m²)");
    Advance(2);
  }

  // F as a fraction in symbols, then with the numbers and the result.
  void DrawSafetyFactor(std::string_view symbolic, const std::string& numerator) {
    const double charHeight = settings_.CharHeight;
    const double x1 = grid_.Column(5), x2 = grid_.Column(7);
    StartFormulaBlock(page_, x1, grid_.Row());
    FormulaLine line = PlaceFormulaLine(page_, charHeight);
    page_.Text(x1, line.midTop, "F");
    page_.Text(x2, line.midTop, "=  ");
    double xs = page_.CurrentX();
    const std::string numeratorSymbols = "  " + std::string(symbolic) + "  ";
    const std::string denominator = std::string("  γw ") + kMiddleDot + " hw  ";
    double xe = xs + std::max(page_.TextWidth(numeratorSymbols), page_.TextWidth(denominator));
    PrintCentred(page_, xs, xe, line.numTop, numeratorSymbols);
    DrawFractionBar(page_, xs, xe, line.barY);
    PrintCentred(page_, xs, xe, line.denTop, denominator);
    AdvanceFormulaLine(page_, x1);

    line = PlaceFormulaLine(page_, charHeight);
    page_.Text(x2, line.midTop, "=  ");
    xs = page_.CurrentX();
    const std::string top = "  " + numerator + "  ";
    const std::string bottom =
        "  " + Weight(u_.gammaW) + " " + kTimes + " " + LengthText(u_.hw) + "  ";
    xe = xs + std::max(page_.TextWidth(top), page_.TextWidth(bottom));
    PrintCentred(page_, xs, xe, line.numTop, top);
    DrawFractionBar(page_, xs, xe, line.barY);
    PrintCentred(page_, xs, xe, line.denTop, bottom);
    page_.Text(xe, line.midTop, "  =  " + Ratio(u_.F));
    Advance(6);
  }

  void DrawVerdict() {
    const std::string fs = "Fs = " + Weight(u_.requiredF);
    if (u_.ok) {
      grid_.Print(7, "F = " + Ratio(u_.F) + "  ≧  " + fs + kIdeographicSpace + "盤ぶくれに対して安全");
      Advance(2);
      return;
    }
    grid_.Print(7, "F = " + Ratio(u_.F) + "  <  " + fs + kIdeographicSpace + "盤ぶくれのおそれがある");
    Advance(2);
    const std::string bearable = LengthText(u_.W) + " / ( " + Weight(u_.gammaW) + " " + kTimes +
                                 " " + Weight(u_.requiredF) + " )";
    grid_.Print(3, "F = Fs とする被圧水頭の低下量 (被圧帯水層上面で)");
    Advance(1);
    grid_.Print(5, std::string("Δh  =  hw - W / ( γw ") + kMiddleDot + " Fs )  =  " +
                       LengthText(u_.hw) + " - " + bearable + "  =  " + LengthText(u_.headDrop) +
                       " (m)");
    Advance(1);
    grid_.Print(5, std::string("目標とする被圧水頭  GL-( Dc - W / ( γw ") + kMiddleDot +
                       " Fs ) )  =  " + LevelText(u_.targetHeadDepth) + " (m)");
    Advance(2);
    grid_.Print(3, "被圧水頭を下げずに F ≧ Fs となる掘削深度");
    Advance(1);
    if (u_.maxExcavationDepth) {
      grid_.Print(5, LevelText(*u_.maxExcavationDepth) + " (m) まで");
      if (u_.extrapolated) {
        Advance(1);
        grid_.Print(5, "(掘削底より上の土は最上層の γt として算定した)");
      }
    } else {
      grid_.Print(5, "地表 (GL±0) でも F < Fs となり、被圧水頭を下げずに安全な掘削深度はない。");
    }
    Advance(2);
  }

  void Entry(std::string_view symbol, std::string_view description, const std::string& value) {
    grid_.Print(kSymbolColumn, symbol);
    grid_.Print(kDescriptionColumn, description);
    if (!value.empty()) grid_.Print(kValueColumn, value);
    Advance(1);
  }

  void DrawSymbols() {
    grid_.Print(5, "ここに、");
    Entry("F", ": 盤ぶくれに対する安全率", u_.applies ? Ratio(u_.F) : "");
    Entry("Fs", ": 必要安全率", Weight(u_.requiredF));
    if (in_.layers.empty()) {
      Entry("γt", ": 土の湿潤単位体積重量", Weight(in_.unitWeight) + " (kN/m³)");
    } else {
      Entry("W", ": 掘削底から被圧帯水層上面までの土の重量", LengthText(u_.W) + " (kN/m²)");
    }
    Entry("d", ": 掘削底から被圧帯水層上面までの厚さ", LengthText(u_.d) + " (m)");
    Entry("γw", ": 水の単位体積重量", Weight(u_.gammaW) + " (kN/m³)");
    Entry("hw", ": 被圧帯水層上面から測った被圧水頭", LengthText(u_.hw) + " (m)");
    Entry("Dc", ": 被圧帯水層上面の深さ", LevelText(in_.confinedTop) + " (m)");
    Entry("hp", ": 被圧水頭の高さ", LevelText(in_.confinedHead) + " (m)");
  }

  PageSurface& page_;
  const CalculationCase& calc_;
  const UpliftResult& u_;
  const UpliftInputs& in_;
  const PageSettings& settings_;
  GridWriter grid_;
  ReportLineCounter& counter_;
};

}  // namespace

void DrawUpliftPage(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
                    ReportLineCounter& counter) {
  UpliftPage(page, calc, settings, counter).Draw();
}

}  // namespace tavoro
