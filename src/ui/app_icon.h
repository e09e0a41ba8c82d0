#pragma once

#include <QIcon>

namespace tavoro {

// Tavoro's icon (a shaft and its lowered water table), rendered from the
// embedded SVG at the usual icon sizes. Null if the SVG cannot be read.
QIcon TavoroIcon();

}  // namespace tavoro
