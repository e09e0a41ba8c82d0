// libFuzzer target: the reading of field texts and the input rules, with
// whatever bytes the nine fields may hold. Built by scripts/fuzz.sh.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/input_rules.h"
#include "calc/run_case.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

// The input is the nine texts separated by 0x1F (unit separator); missing
// ones are empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tavoro::InputTexts texts;
  std::size_t field = 0;
  for (const char c : bytes) {
    if (c == '\x1f') {
      if (++field == texts.size()) break;
    } else {
      texts[field].push_back(c);
    }
  }

  for (int f = 0; f < tavoro::kInputFieldCount; ++f) {
    const auto value = tavoro::ReadFieldText(f, texts[static_cast<std::size_t>(f)]);
    Require(!value || std::isfinite(*value));
  }
  const tavoro::CaseRun run = tavoro::RunCase(texts, 0);
  if (run.rejection) {
    Require(run.rejection->field >= 0 && run.rejection->field < tavoro::kInputFieldCount);
    Require(!run.rejection->message.empty());
    return 0;
  }
  // An accepted case has sound inputs and finite, bounded results.
  const tavoro::CalculationCase& c = run.calc;
  Require(c.GroundwaterDepth >= 0 && c.ExcavationDepth > c.GroundwaterDepth);
  Require(c.ImperviousDepth >= c.ExcavationDepth && c.ImperviousDepth <= tavoro::kMaxDepth);
  Require(c.r > 0 && c.r < c.R[tavoro::kNatural]);
  Require(std::isfinite(c.Q[tavoro::kNatural]) && c.Q[tavoro::kNatural] <= tavoro::kMaxInflow);
  Require(c.PointDistance <= c.CalcRange && c.CalcRange <= tavoro::kMaxCalcRange);
  for (int i = 1; i <= tavoro::kCurvePoints; ++i) {
    Require(std::isfinite(c.CurveX[tavoro::kNatural][i]));
    Require(std::isfinite(c.CurveS[tavoro::kNatural][i]));
  }
  if (c.B > 0) {
    Require(std::isfinite(c.Q[tavoro::kImproved]) && c.Q[tavoro::kImproved] >= 0);
    Require(std::isfinite(c.R[tavoro::kImproved]));
  }
  return 0;
}
