#include "calc/ground.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavoro {
namespace {

constexpr double kSichardt = 3000;
constexpr double kKusakin = 575;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Root(double z) {
  return std::isfinite(z) && z >= 0 ? std::sqrt(z) : kNaN;
}

// Depth where the soil below, up to Dc, weighs `required`: up through the
// layers from the last; past the top layer its γt is taken upward.
void DeepestSafeExcavation(UpliftResult& u, double confinedTop, double excavationDepth,
                           bool layered) {
  const double required = u.requiredF * u.gammaW * u.hw;
  double weight = 0;
  double bottom = confinedTop;
  for (auto layer = u.layers.rbegin(); layer != u.layers.rend(); ++layer) {
    const double layerWeight = layer->unitWeight * layer->thickness;
    if (weight + layerWeight >= required) {
      u.maxExcavationDepth = bottom - (required - weight) / layer->unitWeight;
      return;
    }
    weight += layerWeight;
    bottom -= layer->thickness;
  }
  const double top = u.layers.front().unitWeight;
  const double depth = excavationDepth - (required - weight) / top;
  u.extrapolated = layered;
  if (depth >= 0) u.maxExcavationDepth = depth;
}

}  // namespace

double RadiusOfInfluence(const GroundConditions& ground, double S, double H, double k) {
  switch (ground.radiusMethod) {
    case RadiusMethod::kSichardt:
      return kSichardt * S * Root(k);
    case RadiusMethod::kKusakin:
      return kKusakin * S * Root(H * k);
    case RadiusMethod::kGiven:
      return ground.givenRadius;
  }
  return kNaN;
}

UpliftResult ComputeUplift(const UpliftInputs& in, double excavationDepth) {
  UpliftResult u;
  u.d = in.confinedTop - excavationDepth;
  u.hw = in.confinedTop - in.confinedHead;
  u.gammaW = in.waterUnitWeight;
  u.requiredF = in.requiredSafety;
  u.layers = in.layers.empty() ? std::vector<SoilLayer>{{u.d, in.unitWeight}} : in.layers;
  for (const SoilLayer& layer : u.layers) u.W += layer.unitWeight * layer.thickness;
  u.applies = u.d > 0;
  if (u.applies) {
    u.F = u.W / (u.gammaW * u.hw);
    u.ok = u.F >= u.requiredF;
    const double bearable = u.W / (u.gammaW * u.requiredF);
    u.headDrop = std::max(0.0, u.hw - bearable);
    u.targetHeadDepth = in.confinedTop - bearable;
  } else {
    u.F = u.headDrop = u.targetHeadDepth = kNaN;
  }
  DeepestSafeExcavation(u, in.confinedTop, excavationDepth, !in.layers.empty());
  return u;
}

const char* RadiusMethodName(RadiusMethod method) {
  switch (method) {
    case RadiusMethod::kSichardt:
      return "Sichardt";
    case RadiusMethod::kKusakin:
      return "Kusakin";
    case RadiusMethod::kGiven:
      return "指定";
  }
  return "";
}

const char* RadiusMethodKey(RadiusMethod method) {
  switch (method) {
    case RadiusMethod::kSichardt:
      return "sichardt";
    case RadiusMethod::kKusakin:
      return "kusakin";
    case RadiusMethod::kGiven:
      return "given";
  }
  return "";
}

}  // namespace tavoro
