#include "calc/run_case.h"

#include "calc/compute_case.h"

namespace tavoro {

CaseRun RunCase(const InputTexts& texts, std::int16_t outputMode) {
  CaseRun run;
  run.rejection = CheckInputs(texts);
  if (run.rejection) return run;
  StoreInputs(texts, run.calc);
  ComputeCase(run.calc);
  run.calc.OutputMode = outputMode;
  return run;
}

}  // namespace tavoro
