#pragma once

#include "chart/chart_context.h"

namespace tavoro {

// At most this many metres of depth get a tick: beyond it ticks would lie
// closer than 8 twips and the axis would cost thousands of commands.
inline constexpr int kMaxDepthTick = 1000;

// The chart frame as one closed outline.
void DrawChartFrame(ChartContext& chart);

// Ticks every whole metre of depth (0 to ImperviousDepth to the nearest
// whole number, at most kMaxDepthTick) pointing left, labelled "#0" right-
// aligned against the tick and centred on it.
void DrawDepthAxis(ChartContext& chart);

// Eleven ticks under the frame, every CalcRange / 10 whole metres (the
// whole metre count may be 0), labelled "#0" and centred under the tick.
void DrawDistanceAxis(ChartContext& chart);

// "GL" just above the top edge near its right end, with the ground mark.
void DrawGroundLevel(ChartContext& chart);

// "不透水層" standing on the bottom edge, 500 twips from the right edge.
void DrawImperviousLabel(ChartContext& chart);

// The ground mark on the excavation floor inside the shaft.
void DrawShaftBottom(ChartContext& chart);

// With improvement the ring as a hatched rectangle from the shaft wall to
// r + B, from 1 m above the water table down to the impermeable layer;
// without it the shaft wall from ground level to the impermeable layer.
void DrawShaftOrRing(ChartContext& chart);

}  // namespace tavoro
