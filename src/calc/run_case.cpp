#include "calc/run_case.h"

#include "calc/compute_case.h"
#include "calc/ground_rules.h"

namespace tavoro {

CaseRun RunCase(const InputTexts& texts, std::int16_t outputMode, const GroundTexts& ground) {
  CaseRun run;
  run.rejection = CheckInputs(texts, ground);
  if (run.rejection) return run;
  StoreInputs(texts, run.calc);
  run.calc.ground = ReadGround(ground).conditions;
  ComputeCase(run.calc);
  run.calc.OutputMode = outputMode;
  return run;
}

}  // namespace tavoro
