#include "case_json.h"

#include <nlohmann/json.hpp>

#include "calc/number_format.h"
#include "calc/result_notes.h"

namespace tavoro {
namespace {

using Json = nlohmann::ordered_json;

Json Number(double value) {
  return IsComputed(value) ? Json(value) : Json(nullptr);
}

Json Pair(const CaseValues& values) {
  return Json::array({Number(values[kNatural]), Number(values[kImproved])});
}

Json Table(const CurveTable& table) {
  Json cases = Json::array();
  for (int c = kNatural; c <= kImproved; ++c) {
    Json points = Json::array();
    for (int i = CurvePoints::kFirst; i <= CurvePoints::kLast; ++i) {
      points.push_back(Number(table[c][i]));
    }
    cases.push_back(std::move(points));
  }
  return cases;
}

Json Layers(const std::vector<SoilLayer>& layers) {
  Json out = Json::array();
  for (const SoilLayer& layer : layers) {
    out.push_back({{"thickness", Number(layer.thickness)}, {"unit_weight", Number(layer.unitWeight)}});
  }
  return out;
}

// The uplift check's values; null without the check. With d = 0 the check
// does not apply: F, ok and the head lowering are null.
Json Uplift(const CalculationCase& c) {
  if (!c.uplift) return nullptr;
  const UpliftResult& u = *c.uplift;
  Json out;
  out["applies"] = u.applies;
  out["F"] = Number(u.F);
  out["F_required"] = Number(u.requiredF);
  out["ok"] = u.applies ? Json(u.ok) : Json(nullptr);
  out["d"] = Number(u.d);
  out["hw"] = Number(u.hw);
  out["W"] = Number(u.W);
  out["gamma_w"] = Number(u.gammaW);
  out["layers"] = Layers(u.layers);
  out["head_drop_needed"] = Number(u.headDrop);
  out["target_head_depth"] = Number(u.targetHeadDepth);
  out["max_excavation_depth"] =
      u.maxExcavationDepth ? Number(*u.maxExcavationDepth) : Json(nullptr);
  return out;
}

}  // namespace

std::string CaseToJson(const CalculationCase& c, const ProjectInfo& project) {
  Json inputs;
  inputs["GroundwaterDepth"] = Number(c.GroundwaterDepth);
  inputs["ImperviousDepth"] = Number(c.ImperviousDepth);
  inputs["ExcavationDepth"] = Number(c.ExcavationDepth);
  inputs["L"] = Number(c.L);
  inputs["kn"] = Number(c.kn);
  inputs["B"] = Number(c.B);
  inputs["kg"] = Number(c.kg);
  inputs["PointDistance"] = Number(c.PointDistance);
  inputs["CalcRange"] = Number(c.CalcRange);
  const GroundConditions& ground = c.ground;
  const bool given = ground.radiusMethod == RadiusMethod::kGiven;
  inputs["radius"] = given ? Number(ground.givenRadius) : Json(nullptr);
  inputs["radius_note"] = given ? Json(ground.radiusNote) : Json(nullptr);
  const UpliftInputs* uplift = ground.uplift ? &*ground.uplift : nullptr;
  const auto upliftValue = [&](double UpliftInputs::*value) {
    return uplift ? Number(uplift->*value) : Json(nullptr);
  };
  inputs["confined_top"] = upliftValue(&UpliftInputs::confinedTop);
  inputs["confined_head"] = upliftValue(&UpliftInputs::confinedHead);
  inputs["unit_weight"] =
      uplift && uplift->layers.empty() ? Number(uplift->unitWeight) : Json(nullptr);
  inputs["soil_layers"] = uplift && !uplift->layers.empty() ? Layers(uplift->layers) : Json(nullptr);
  inputs["water_unit_weight"] = upliftValue(&UpliftInputs::waterUnitWeight);
  inputs["uplift_safety"] = upliftValue(&UpliftInputs::requiredSafety);

  Json out;
  Json units;
  for (const char* length : {"GroundwaterDepth", "ImperviousDepth", "ExcavationDepth", "L", "B",
                             "PointDistance", "CalcRange", "H", "r", "h", "S", "R", "PointY",
                             "PointS", "CurveX", "CurveY", "CurveS"}) {
    units[length] = "m";
  }
  units["kn"] = "m/s";
  units["kg"] = "m/s";
  units["Q"] = "m3/min";
  for (const char* length : {"radius", "confined_top", "confined_head", "thickness", "d", "hw",
                             "head_drop_needed", "target_head_depth", "max_excavation_depth"}) {
    units[length] = "m";
  }
  for (const char* weight : {"unit_weight", "water_unit_weight", "gamma_w"}) {
    units[weight] = "kN/m3";
  }
  units["W"] = "kN/m2";
  out["units"] = std::move(units);
  out["inputs"] = std::move(inputs);
  out["project"] = {{"name", project.name},
                    {"shaft", project.shaft},
                    {"author", project.author},
                    {"date", project.date},
                    {"notes", project.notes},
                    {"checker", project.checker}};
  out["H"] = Number(c.H);
  out["r"] = Number(c.r);
  out["h"] = Pair(c.h);
  out["S"] = Pair(c.S);
  out["R"] = Pair(c.R);
  out["Q"] = Pair(c.Q);
  out["PointY"] = Pair(c.PointY);
  out["PointS"] = Pair(c.PointS);
  out["CurveX"] = Table(c.CurveX);
  out["CurveY"] = Table(c.CurveY);
  out["CurveS"] = Table(c.CurveS);
  out["ImprovedCurveComputed"] = c.ImprovedCurveComputed;
  out["radius_method"] = RadiusMethodKey(c.ground.radiusMethod);
  out["uplift"] = Uplift(c);
  Json notes = Json::array();
  for (const ResultNote& note : ResultNotes(c)) {
    notes.push_back({{"code", note.code}, {"text", note.text}});
  }
  out["notes"] = std::move(notes);
  // Texts given on the command line are bytes: a stray one becomes U+FFFD.
  return out.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tavoro
