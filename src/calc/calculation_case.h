#pragma once

#include <cstdint>
#include <limits>

#include "calc/ground.h"
#include "calc/indexed_array.h"

namespace tavoro {

// Case index: 1 = natural ground, 2 = with the ground-improvement ring.
inline constexpr int kNatural = 1;
inline constexpr int kImproved = 2;
// Curve points 1..100: 1 the shaft centre, 2 the shaft wall, and for the
// improved case 10 the outer edge of the ring.
inline constexpr int kCurvePoints = 100;
inline constexpr int kRingEdgePoint = 10;

using CaseValues = IndexedArray<double, 1, 2>;
using CurvePoints = IndexedArray<double, 1, kCurvePoints>;
using CurveTable = IndexedArray<CurvePoints, 1, 2>;

// A result no run has computed.
inline constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();

// One calculation case. The inputs start at zero, every result at
// kNotComputed (NaN); a run computes into a fresh record, so a result it does
// not reach stays NaN. Lengths in metres, permeabilities in m/s, inflows in
// m³/min.
struct CalculationCase {
  // Inputs, as the form converts them (kn and kg already divided by 100).
  double GroundwaterDepth = 0;
  double ImperviousDepth = 0;
  double ExcavationDepth = 0;
  double L = 0;
  double kn = 0;
  double B = 0;
  double kg = 0;
  double PointDistance = 0;
  double CalcRange = 0;
  // Radius method and uplift check; the default is Sichardt without it.
  GroundConditions ground;

  // Derived scalars: equivalent radius and undisturbed saturated height.
  double r = kNotComputed;
  double H = kNotComputed;

  // Per-case results; h[2] and S[2] are never computed.
  CaseValues h = CaseValues::Filled(kNotComputed);
  CaseValues S = CaseValues::Filled(kNotComputed);
  CaseValues R = CaseValues::Filled(kNotComputed);
  CaseValues Q = CaseValues::Filled(kNotComputed);
  CaseValues PointY = CaseValues::Filled(kNotComputed);
  CaseValues PointS = CaseValues::Filled(kNotComputed);

  // Curve tables, [case][point].
  CurveTable CurveX = CurveTable::Filled(CurvePoints::Filled(kNotComputed));
  CurveTable CurveY = CurveTable::Filled(CurvePoints::Filled(kNotComputed));
  CurveTable CurveS = CurveTable::Filled(CurvePoints::Filled(kNotComputed));

  // The uplift check of the excavation bottom, with ground.uplift.
  std::optional<UpliftResult> uplift;

  // 0 = calculation report, 1 = drawdown chart.
  std::int16_t OutputMode = 0;

  // True when the latest run wrote the improved curve beyond the ring edge
  // (points 3..100 of case 2 and PointY[2]/PointS[2]); false when that run
  // ended early (B <= 0, or the ring reaching past R2). A chart must never
  // draw an improved curve an earlier run left behind.
  bool ImprovedCurveComputed = false;
};

}  // namespace tavoro
