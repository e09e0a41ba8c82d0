#include "report/symbol_list.h"

#include <string>
#include <string_view>

#include "report/radius_blocks.h"
#include "report/report_text.h"
#include "report/report_values.h"

namespace tavoro {
namespace {

constexpr int kOpeningColumn = 5;
constexpr int kSymbolColumn = 10;
constexpr int kDescriptionColumn = 12;
constexpr int kValueColumn = 35;
constexpr int kBlockSymbolColumn = 13;
constexpr int kBlockEqualsColumn = 14;

class SymbolListWriter {
 public:
  SymbolListWriter(PageSurface& page, const PageSettings& settings, ReportLineCounter& counter)
      : page_(page), settings_(settings), counter_(counter) {}

  double Column(int column) const { return ColumnLeft(settings_, column); }
  double Row() const { return RowTop(settings_, counter_.value); }
  void Advance(std::int16_t rows) { AdvanceLines(counter_, rows); }

  void Print(int column, std::string_view text) { PrintAt(page_, Column(column), Row(), text); }

  // One entry: symbol, description and, when not empty, the value text.
  void Entry(std::string_view symbol, std::string_view description, const std::string& value) {
    Print(kSymbolColumn, symbol);
    Print(kDescriptionColumn, description);
    if (!value.empty()) Print(kValueColumn, value);
  }

 private:
  PageSurface& page_;
  const PageSettings& settings_;
  ReportLineCounter& counter_;
};

std::string Metres(double value) {
  return LengthText(value) + " (m)";
}

std::string MetresPerMinute(double metresPerSecond, const char* symbol) {
  return PerMinuteText(metresPerSecond, symbol) + " (m/min)";
}

}  // namespace

void DrawSymbolList(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
                    ReportLineCounter& counter) {
  SymbolListWriter list(page, settings, counter);
  const double charHeight = settings.CharHeight;

  list.Print(kOpeningColumn, "ここに、");
  list.Entry("H", ": 地下水位から不透水層までの高さ", Metres(calc.H));
  list.Advance(1);
  list.Entry("h", ": 立坑底から不透水層までの高さ", Metres(calc.h[kNatural]));
  list.Advance(1);
  list.Entry("kn", ": 改良前の透水係数", MetresPerMinute(calc.kn, "kn"));
  list.Advance(1);
  list.Entry("kg", ": 改良後の透水係数",
             HasImprovement(calc) ? MetresPerMinute(calc.kg, "kg") : "(m/min)");
  list.Advance(1);
  list.Entry("R1", ": 影響範囲(m) Sichrdt の式より算定する", "");
  list.Advance(1);
  DrawR1Block(page, calc, charHeight, list.Column(kBlockSymbolColumn),
              list.Column(kBlockEqualsColumn), list.Row());
  list.Advance(4);
  list.Entry("S", ": 低下した時の水頭(地下水位から掘削底までの高さ)", Metres(calc.S[kNatural]));
  list.Advance(1);
  list.Entry("r", ": 立坑周長を浸透面とした円換算半径", "");
  list.Advance(1);
  DrawRadiusBlock(page, calc, charHeight, list.Column(kBlockSymbolColumn),
                  list.Column(kBlockEqualsColumn), list.Row());
  list.Advance(4);
  list.Entry("L", ": 立坑周長", Metres(calc.L));
  list.Advance(1);
  list.Entry("B", ": 改良幅", HasImprovement(calc) ? Metres(calc.B) : "(m)");
}

}  // namespace tavoro
