#pragma once

#include "chart/chart_context.h"

namespace tavoro {

// The static water table from the shaft wall to the right edge.
void DrawStaticWaterTable(ChartContext& chart);

// Each drawdown curve as 99 segments from point 1 (shaft centre, excavation
// floor) to point 100, the drawdown measured down from the water table.
void DrawDrawdownCurves(ChartContext& chart);

// A solid dot of radius 0.5 mm at the lowered level at the point of
// interest, labelled "GL -" and the level ("#0.00"), for each case that has
// values there (PointY and PointS both non-zero).
void DrawPointLevels(ChartContext& chart);

// "GL - " and the water-table depth ("#0.00") standing on the water table at
// the right edge, with the water-level mark just left of it.
void DrawStaticWaterLevel(ChartContext& chart);

}  // namespace tavoro
