#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavoro {

// How the radius of influence R is found. Sichardt R = 3000·S·√k; Kusakin
// R = 575·S·√(H·k) (k in m/s, H the saturated thickness before pumping);
// given: the user's R for both cases, with a one-line reason.
enum class RadiusMethod { kSichardt, kKusakin, kGiven };

// One soil layer under the excavation bottom: thickness (m), unit weight γt
// (kN/m³).
struct SoilLayer {
  double thickness = 0;
  double unitWeight = 0;

  friend bool operator==(const SoilLayer&, const SoilLayer&) = default;
};

inline constexpr double kDefaultUnitWeight = 18;         // kN/m³, soil
inline constexpr double kDefaultWaterUnitWeight = 9.8;   // kN/m³
inline constexpr double kDefaultUpliftSafety = 1.1;

// The uplift check's inputs: the confined aquifer's top GL−Dc and its
// piezometric level GL−hp (negative above ground), the soil between the
// excavation bottom and Dc (one γt, or layers from the bottom down whose
// thicknesses add up to d), γw and the required safety factor Fs.
struct UpliftInputs {
  double confinedTop = 0;
  double confinedHead = 0;
  double unitWeight = kDefaultUnitWeight;
  std::vector<SoilLayer> layers;  // empty: unitWeight throughout
  double waterUnitWeight = kDefaultWaterUnitWeight;
  double requiredSafety = kDefaultUpliftSafety;

  friend bool operator==(const UpliftInputs&, const UpliftInputs&) = default;
};

// The ground the shaft is in, beyond the nine form fields. The default is
// Sichardt without the uplift check: the calculation as it always was.
struct GroundConditions {
  RadiusMethod radiusMethod = RadiusMethod::kSichardt;
  double givenRadius = 0;  // m, with kGiven
  std::string radiusNote;  // with kGiven, may be empty
  std::optional<UpliftInputs> uplift;

  bool IsDefault() const {
    return radiusMethod == RadiusMethod::kSichardt && !uplift;
  }
  friend bool operator==(const GroundConditions&, const GroundConditions&) = default;
};

// The uplift check of the excavation bottom. d = Dc − excavation depth,
// hw = Dc − hp, W = Σγti·ti, F = W / (γw·hw), safe when F ≥ Fs. With d = 0
// the check does not apply (applies false) and F, ok, headDrop and
// targetHeadDepth are NaN / false.
struct UpliftResult {
  bool applies = false;
  double d = 0;
  double hw = 0;
  double W = 0;
  double gammaW = 0;
  double F = 0;
  double requiredF = 0;
  bool ok = false;
  std::vector<SoilLayer> layers;  // as used: one layer of thickness d with one γt
  // Lowering of the head at the aquifer top that makes F = Fs, and the
  // piezometric depth GL−(Dc − W/(γw·Fs)) it lowers to.
  double headDrop = 0;
  double targetHeadDepth = 0;
  // The deepest excavation with F ≥ Fs; empty when even the ground surface
  // is not safe. extrapolated: with layers, it lies above the excavation
  // bottom and the top layer's γt was taken upward.
  std::optional<double> maxExcavationDepth;
  bool extrapolated = false;
};

// The radius of influence of a drawdown S (m) by the method; H the saturated
// thickness (m), k in m/s, given the user's R. NaN for a bad square root.
double RadiusOfInfluence(const GroundConditions& ground, double S, double H, double k);

// The uplift check of an excavation excavationDepth deep (m).
UpliftResult ComputeUplift(const UpliftInputs& inputs, double excavationDepth);

// "Sichardt", "Kusakin", "指定": the method as the pages and tables name it.
const char* RadiusMethodName(RadiusMethod method);
// "sichardt", "kusakin", "given": the method as options and files spell it.
const char* RadiusMethodKey(RadiusMethod method);

}  // namespace tavoro
