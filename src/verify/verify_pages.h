#pragma once

#include <string>
#include <vector>

#include "page/page_surface.h"
#include "verify/verify_examples.h"

namespace tavoro {

// Draws the examples as the 「検証例」 document in the report's style: A4
// portrait, the report's margins and faces; the program line (e.g.
// "Tavoro 1.0.0") and the overall judgement under the title, then each
// example with its source, inputs and a table of published and computed
// values, a new page where one would not fit, and 「n / N」 on every page.
void DrawVerifyPages(PageSurface& page, const std::vector<WorkedExample>& examples,
                     const std::string& program);

}  // namespace tavoro
