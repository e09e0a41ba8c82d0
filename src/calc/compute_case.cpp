#include "calc/compute_case.h"

#include <cmath>
#include <optional>

namespace tavoro {
namespace {

// π and e as the calculation sheet has always used them.
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718282;
constexpr double kSecondsPerMinute = 60;
constexpr int kRingSteps = 8;

using Checked = std::optional<double>;

// A value needed before a statement's last logarithm or root: an overflow or
// division by zero there abandons the statement.
Checked Finite(double value) {
  return std::isfinite(value) ? Checked(value) : std::nullopt;
}

// Natural logarithm taken as log(z) / log(2.718282); empty for a bad argument.
Checked Ln(double z) {
  if (!std::isfinite(z) || z <= 0) return std::nullopt;
  return std::log(z) / std::log(kE);
}

Checked Root(double z) {
  if (!std::isfinite(z) || z < 0) return std::nullopt;
  return std::sqrt(z);
}

void Store(double& target, Checked value) {
  if (value) target = *value;
}

// π·k·60: permeability in m/s turned into the inflow factor in m³/min.
Checked FlowFactor(double permeability) {
  return Finite(kPi * permeability * kSecondsPerMinute);
}

// Water height of the Dupuit parabola y = √(ln*(x/x0)·flow/factor + y0²).
Checked ParabolaHeight(double x, double x0, double flow, Checked factor, double y0) {
  const Checked ln = Ln(x / x0);
  if (!ln || !factor) return std::nullopt;
  return Root(*ln * flow / *factor + y0 * y0);
}

// Dupuit inflow (H² − y²)·factor / ln*(outer/inner).
Checked DupuitFlow(double H, double y, Checked factor, double outer, double inner) {
  if (!factor) return std::nullopt;
  const Checked head = Finite((H * H - y * y) * *factor);
  const Checked ln = Ln(outer / inner);
  if (!head || !ln) return std::nullopt;
  return *head / *ln;
}

// The radius of influence of a drawdown by the case's method; an overflow or
// a bad root stores nothing.
Checked Radius(const CalculationCase& c, double drawdown) {
  return Finite(RadiusOfInfluence(c.ground, drawdown, c.H, c.kn));
}

// Inflow through the ring and the natural ground in series.
Checked SeriesFlow(const CalculationCase& c, Checked knFactor) {
  const double edge = c.r + c.B;
  if (!knFactor) return std::nullopt;
  const Checked head = Finite((c.H * c.H - c.h[kNatural] * c.h[kNatural]) * *knFactor);
  const Checked outerLn = Ln(c.R[kNatural] / edge);
  const Checked ratio = Finite(c.kn / c.kg);
  const Checked ringLn = Ln(edge / c.r);
  if (!head || !outerLn || !ratio || !ringLn) return std::nullopt;
  return *head / (*outerLn + *ratio * *ringLn);
}

void ComputeNaturalGround(CalculationCase& c, Checked knFactor) {
  c.H = c.ImperviousDepth - c.GroundwaterDepth;
  c.r = c.L / (2 * kPi);
  c.S[kNatural] = c.ExcavationDepth - c.GroundwaterDepth;
  c.h[kNatural] = c.ImperviousDepth - c.ExcavationDepth;
  Store(c.R[kNatural], Radius(c, c.S[kNatural]));
  Store(c.Q[kNatural], DupuitFlow(c.H, c.h[kNatural], knFactor, c.R[kNatural], c.r));
}

// Points 1 and 2: the shaft centre and the shaft wall.
void SetShaftPoints(CalculationCase& c, int kase) {
  c.CurveX[kase][1] = 0;
  c.CurveY[kase][1] = c.h[kNatural];
  c.CurveS[kase][1] = c.ExcavationDepth - c.GroundwaterDepth;
  c.CurveX[kase][2] = c.r;
  c.CurveY[kase][2] = c.h[kNatural];
  c.CurveS[kase][2] = c.ExcavationDepth - c.GroundwaterDepth;
}

void ComputeNaturalCurve(CalculationCase& c, Checked knFactor) {
  auto& x = c.CurveX[kNatural];
  auto& y = c.CurveY[kNatural];
  auto& s = c.CurveS[kNatural];
  const double h = c.h[kNatural];
  const double Q = c.Q[kNatural];
  SetShaftPoints(c, kNatural);

  const double end = c.CalcRange > c.R[kNatural] ? c.R[kNatural] : c.CalcRange;
  const double step = (end - c.r) / (kCurvePoints - 2);
  for (int i = 3; i <= kCurvePoints; ++i) {
    x[i] = (i - 2) * step + c.r;
    Store(y[i], ParabolaHeight(x[i], c.r, Q, knFactor, h));
    s[i] = c.H - y[i];
  }

  c.PointY[kNatural] = 0;
  c.PointS[kNatural] = 0;
  const double px = c.PointDistance;
  if (px < c.R[kNatural] && px >= c.r && px < c.CalcRange) {
    Store(c.PointY[kNatural], ParabolaHeight(px, c.r, Q, knFactor, h));
    c.PointS[kNatural] = c.H - c.PointY[kNatural];
  }
}

// Ring edge and R2; returns false when the ring reaches past R2.
bool ComputeRing(CalculationCase& c, Checked knFactor, Checked kgFactor) {
  auto& x = c.CurveX[kImproved];
  auto& y = c.CurveY[kImproved];
  auto& s = c.CurveS[kImproved];
  Store(c.Q[kImproved], SeriesFlow(c, knFactor));
  SetShaftPoints(c, kImproved);
  x[kRingEdgePoint] = c.r + c.B;
  Store(y[kRingEdgePoint],
        ParabolaHeight(x[kRingEdgePoint], c.r, c.Q[kImproved], kgFactor, c.h[kNatural]));
  s[kRingEdgePoint] = c.H - y[kRingEdgePoint];
  Store(c.R[kImproved], Radius(c, s[kRingEdgePoint]));
  return !(c.r + c.B > c.R[kImproved]);
}

void ComputeImprovedCurve(CalculationCase& c, Checked knFactor, Checked kgFactor) {
  auto& x = c.CurveX[kImproved];
  auto& y = c.CurveY[kImproved];
  auto& s = c.CurveS[kImproved];
  const double edge = c.r + c.B;
  const double R2 = c.R[kImproved];
  const double h = c.h[kNatural];

  double outerFlow = 0;
  Store(outerFlow, DupuitFlow(c.H, y[kRingEdgePoint], knFactor, R2, edge));

  const double ringStep = (x[kRingEdgePoint] - x[2]) / kRingSteps;
  const double end = c.CalcRange > R2 ? R2 : c.CalcRange;
  const double outerStep = (end - x[kRingEdgePoint]) / (kCurvePoints - kRingEdgePoint);
  for (int i = 3; i <= kCurvePoints; ++i) {
    if (i < kRingEdgePoint) {
      x[i] = (i - 2) * ringStep + x[2];
      Store(y[i], ParabolaHeight(x[i], c.r, c.Q[kImproved], kgFactor, h));
      s[i] = c.H - y[i];
    } else if (i > kRingEdgePoint) {
      x[i] = (i - kRingEdgePoint) * outerStep + x[kRingEdgePoint];
      Store(y[i], ParabolaHeight(x[i], edge, outerFlow, knFactor, y[kRingEdgePoint]));
      s[i] = c.H - y[i];
    }
  }

  c.PointY[kImproved] = 0;
  c.PointS[kImproved] = 0;
  const double px = c.PointDistance;
  if (edge <= px && px < R2 && px < c.CalcRange) {
    Store(c.PointY[kImproved], ParabolaHeight(px, edge, outerFlow, knFactor, y[kRingEdgePoint]));
    c.PointS[kImproved] = c.H - c.PointY[kImproved];
  }
}

}  // namespace

void ComputeCase(CalculationCase& calc) {
  calc.ImprovedCurveComputed = false;
  calc.uplift.reset();
  if (calc.ground.uplift) calc.uplift = ComputeUplift(*calc.ground.uplift, calc.ExcavationDepth);
  const Checked knFactor = FlowFactor(calc.kn);
  const Checked kgFactor = FlowFactor(calc.kg);

  ComputeNaturalGround(calc, knFactor);
  ComputeNaturalCurve(calc, knFactor);

  if (!(calc.B > 0)) return;
  if (!ComputeRing(calc, knFactor, kgFactor)) return;
  ComputeImprovedCurve(calc, knFactor, kgFactor);
  calc.ImprovedCurveComputed = true;
}

}  // namespace tavoro
