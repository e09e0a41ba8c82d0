#pragma once

#include <string>

#include "calc/calculation_case.h"
#include "calc/project_info.h"
#include "page/page_setup.h"
#include "report/report.h"

namespace tavoro {

// The process-wide records of one desktop session: the case of the latest
// accepted run, the page settings with the report's line grid, the report
// line counter, the project texts every page's header shows, and whether
// the report has a cover. They live
// from start to end; each accepted run replaces the case with its fresh
// record. The forms share them by reference.
struct DesktopSession {
  CalculationCase calc;
  ProjectInfo project;
  PageSettings settings;
  ReportLineCounter counter;
  // The base name of the case file the form shows; empty until one is opened
  // or saved.
  std::string caseStem;
  // 表紙を付ける: the report starts with its cover page.
  bool cover = false;
};

}  // namespace tavoro
