#include "case_json.h"

#include <nlohmann/json.hpp>

#include "calc/number_format.h"

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
  out["units"] = std::move(units);
  out["inputs"] = std::move(inputs);
  out["project"] = {{"name", project.name},
                    {"shaft", project.shaft},
                    {"author", project.author},
                    {"date", project.date},
                    {"notes", project.notes}};
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
  // Texts given on the command line are bytes: a stray one becomes U+FFFD.
  return out.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tavoro
