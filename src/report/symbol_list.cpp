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

// One entry of the list: symbol, description and, when not empty, the value.
void PrintEntry(GridWriter& list, std::string_view symbol, std::string_view description,
                const std::string& value) {
  list.Print(kSymbolColumn, symbol);
  list.Print(kDescriptionColumn, description);
  if (!value.empty()) list.Print(kValueColumn, value);
}

// The R1 line names the case's method.
std::string RadiusDescription(const CalculationCase& calc) {
  switch (calc.ground.radiusMethod) {
    case RadiusMethod::kKusakin:
      return ": 影響範囲(m) Kusakin の式より算定する";
    case RadiusMethod::kGiven:
      return calc.ground.radiusNote.empty() ? ": 影響範囲(m) 指定値とする"
                                            : ": 影響範囲(m) 指定値とする（根拠は下記）";
    case RadiusMethod::kSichardt:
      break;
  }
  return ": 影響範囲(m) Sichardt の式より算定する";
}

std::string Metres(double value) {
  return LengthText(value) + " (m)";
}

std::string MetresPerMinute(double metresPerSecond, const char* symbol) {
  return PerMinuteText(metresPerSecond, symbol) + " (m/min)";
}

}  // namespace

void DrawSymbolList(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
                    ReportLineCounter& counter) {
  GridWriter list(page, settings, counter);
  const double charHeight = settings.CharHeight;

  list.Print(kOpeningColumn, "ここに、");
  PrintEntry(list, "H", ": 地下水位から不透水層までの高さ", Metres(calc.H));
  list.Advance(1);
  PrintEntry(list, "h", ": 立坑底から不透水層までの高さ", Metres(calc.h[kNatural]));
  list.Advance(1);
  PrintEntry(list, "kn", ": 改良前の透水係数", MetresPerMinute(calc.kn, "kn"));
  list.Advance(1);
  PrintEntry(list, "kg", ": 改良後の透水係数",
             HasImprovement(calc) ? MetresPerMinute(calc.kg, "kg") : "(m/min)");
  list.Advance(1);
  PrintEntry(list, "R1", RadiusDescription(calc), "");
  list.Advance(1);
  DrawR1Block(page, calc, charHeight, list.Column(kBlockSymbolColumn),
              list.Column(kBlockEqualsColumn), list.Row());
  list.Advance(4);
  PrintEntry(list, "S", ": 低下した時の水頭(地下水位から掘削底までの高さ)",
             Metres(calc.S[kNatural]));
  list.Advance(1);
  PrintEntry(list, "r", ": 立坑周長を浸透面とした円換算半径", "");
  list.Advance(1);
  DrawRadiusBlock(page, calc, charHeight, list.Column(kBlockSymbolColumn),
                  list.Column(kBlockEqualsColumn), list.Row());
  list.Advance(4);
  PrintEntry(list, "L", ": 立坑周長", Metres(calc.L));
  list.Advance(1);
  PrintEntry(list, "B", ": 改良幅", HasImprovement(calc) ? Metres(calc.B) : "(m)");
}

}  // namespace tavoro
