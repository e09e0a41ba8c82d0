#include "study/ring_evaluation.h"

#include <cmath>

#include "calc/compute_case.h"

namespace tavoro {
namespace {

constexpr double kCentimetresPerMetre = 100.0;

// A fresh record (every result NaN) holding the nine inputs and the ground
// conditions (the radius of influence's method), B and kg set.
CalculationCase FreshRecord(const CalculationCase& inputs, double width, double kgCmPerSec) {
  CalculationCase fresh;
  fresh.GroundwaterDepth = inputs.GroundwaterDepth;
  fresh.ImperviousDepth = inputs.ImperviousDepth;
  fresh.ExcavationDepth = inputs.ExcavationDepth;
  fresh.L = inputs.L;
  fresh.kn = inputs.kn;
  fresh.B = width;
  fresh.kg = kgCmPerSec / kCentimetresPerMetre;
  fresh.PointDistance = inputs.PointDistance;
  fresh.CalcRange = inputs.CalcRange;
  fresh.ground = inputs.ground;  // the case's radius method
  fresh.ground.uplift.reset();
  return fresh;
}

}  // namespace

RingValues EvaluateRing(const CalculationCase& inputs, double width, double kgCmPerSec) {
  CalculationCase calc = FreshRecord(inputs, width, kgCmPerSec);
  ComputeCase(calc);
  if (!(width > 0)) {
    return RingValues{calc.Q[kNatural], calc.S[kNatural], calc.h[kNatural], calc.R[kNatural]};
  }
  return RingValues{calc.Q[kImproved], calc.CurveS[kImproved][kRingEdgePoint],
                    calc.CurveY[kImproved][kRingEdgePoint], calc.R[kImproved]};
}

double TargetQuantity(const RingValues& values, StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? values.Q2 : values.S2;
}

bool MeetsTarget(const RingValues& values, const StudyTarget& target) {
  const double value = TargetQuantity(values, target.kind);
  return std::isfinite(value) && value <= target.value;
}

}  // namespace tavoro
