#pragma once

#include "calc/calculation_case.h"
#include "page/page_setup.h"
#include "report/report.h"

namespace tavoro {

// The process-wide records of one desktop session: the calculation case the
// form fills, the page settings with the report's line grid, and the report
// line counter. They live from start to end and are never cleared; the
// forms share them by reference.
struct DesktopSession {
  CalculationCase calc;
  PageSettings settings;
  ReportLineCounter counter;
};

}  // namespace tavoro
