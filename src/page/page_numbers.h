#pragma once

#include "page/page_surface.h"

namespace tavoro {

// Sets 「n / N」 on every page of the open document, centred across the
// paper and in the middle of the bottom margin, in the report's body face
// at 9 points: outside the page body, which stays as drawn. Call it after
// the last page is drawn and before EndDoc. Leaves the surface's font, text
// position and direction as they were, and later commands on the last page.
void DrawPageNumbers(PageSurface& page);

}  // namespace tavoro
