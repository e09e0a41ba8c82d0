#pragma once

class QWidget;

namespace tavoro {

// Places a top-level window in the middle of its screen without changing
// its size: left = (screen width - outer width) / 2 and top = (screen height
// - outer height) / 2, in twips, subtracted and halved in single precision,
// and the outer frame moved there. Never fails: without a screen, or when a
// position comes out non-finite, that step is skipped.
void CenterForm(QWidget& window);

}  // namespace tavoro
