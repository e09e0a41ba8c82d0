#pragma once

#include <string>

#include "study/study.h"

namespace tavoro {

// The study as JSON: "target" {"kind": "q2"|"s2", "value"}, "solutions" (one
// {"kg" cm/sec, "width" m or null, "value", "best", "best_width"} per kg in
// the list's order), "kg_for_width" (cm/sec or null), the width range and the
// case without a ring, and "grid" {"width": [...], "curves": [{"kg", "Q2",
// "S2", "h2", "R2"}]}. A value not computed is null. Ends with a newline.
std::string StudyToJson(const StudyResult& result);

// The sampled curves as CSV, one row per kg and width: kg_cm_per_sec,
// B_m, Q2_m3_per_min, S2_m, h2_m, R2_m; a value not computed is an empty
// field. Numbers read back exactly, with the full stop in every locale.
std::string StudyToCsv(const StudyResult& result);

}  // namespace tavoro
