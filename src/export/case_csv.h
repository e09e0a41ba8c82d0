#pragma once

#include <string>

#include "calc/calculation_case.h"

namespace tavoro {

// The computed case as CSV for spreadsheets: UTF-8 with a byte order mark,
// CR LF line ends. First block "記号,値,単位": the nine inputs (kn and kg in
// m/s) and the results; after an empty line the second block: both curves,
// one row per point, "点" and x, y, s of case 1 and of case 2. Numbers are
// the shortest text that reads back to the same double, with the full stop;
// a value that was not computed is the not-computed mark. When a result is
// missing, a last block "注記,内容" gives each reason's code and text.
std::string CaseToCsv(const CalculationCase& calc);

}  // namespace tavoro
