#pragma once

#include "chart/chart_context.h"

namespace tavoro {

// The r and B dimension row 1100 twips under the frame: the lengths
// ("#0.000") one text height above the line, "換算円半径" and "改良範囲" two
// text heights up, a narrow r (under 1000 twips, with a ring) raising its
// caption to three, else a narrow B (under 800 twips) raising its own.
void DrawRadiusRow(ChartContext& chart);

// One row per radius of influence, improved case first (1400 twips under
// the frame), then the natural case (300 twips lower). The line stops at the
// calculation range; its label always reads the full radius.
void DrawInfluenceRows(ChartContext& chart);

// The point-of-interest distance inside the frame halfway between ground
// level and the water table, with a dotted thin vertical line down to the
// impermeable layer.
void DrawPointDimension(ChartContext& chart);

// The vertical dimension columns left of the frame, captions rising: per
// case (800 and 1150 twips left) the drawdown at the reference point and the
// water height below it, then the depth of the impermeable layer.
void DrawDepthColumns(ChartContext& chart);

}  // namespace tavoro
