#include "study/study_files.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "study/study_text.h"

namespace tavoro {
namespace {

using nlohmann::json;

// A number, or null for one the computation could not produce.
json Value(double value) {
  return std::isfinite(value) ? json(value) : json(nullptr);
}

constexpr double kCentimetresPerMetre = 100.0;

// A permeability typed in cm/sec as the JSON gives every permeability, m/s.
json MetresPerSecond(double cmPerSec) {
  return Value(cmPerSec / kCentimetresPerMetre);
}

const char* BoundName(WidthBound bound) {
  switch (bound) {
    case WidthBound::kAsked:
      return "asked";
    case WidthBound::kR1:
      return "r1";
    case WidthBound::kRange:
      return "range";
  }
  return "";
}

json Series(const StudyCurve& curve, double RingValues::*member) {
  json values = json::array();
  for (const RingValues& point : curve.values) values.push_back(Value(point.*member));
  return values;
}

std::string CsvNumber(double value) {
  return std::isfinite(value) ? ShortNumberText(value) : std::string();
}

}  // namespace

std::string StudyToJson(const StudyResult& result) {
  json out;
  out["units"] = {{"kn", "m/s"}, {"kg", "m/s"}, {"Q", "m3/min"}, {"S", "m"}, {"h", "m"},
                  {"R", "m"},    {"r", "m"},    {"width", "m"}, {"range", "m"}};
  out["kn"] = MetresPerSecond(result.knCmPerSec);
  out["target"] = {
      {"kind", result.target.kind == StudyTargetKind::kInflow ? "q2" : "s2"},
      {"value", Value(result.target.value)},
  };
  json solutions = json::array();
  for (const StudySolution& solution : result.solutions) {
    solutions.push_back({
        {"kg", MetresPerSecond(solution.kg)},
        {"width", solution.width ? Value(*solution.width) : json(nullptr)},
        {"value", Value(solution.value)},
        {"best", Value(solution.best)},
        {"best_width", Value(solution.bestWidth)},
        {"width_beyond_range",
         solution.widthBeyondRange ? Value(*solution.widthBeyondRange) : json(nullptr)},
        {"range_needed", solution.widthBeyondRange ? Value(solution.rangeNeeded) : json(nullptr)},
    });
  }
  out["solutions"] = solutions;
  out["kg_for_width"] = result.kgForWidth ? MetresPerSecond(*result.kgForWidth) : json(nullptr);
  out["case_width"] = Value(result.caseWidth);
  out["width_max"] = Value(result.widthMax);
  out["width_end"] = Value(result.widthEnd);
  out["width_bound"] = BoundName(result.bound);
  out["range"] = Value(result.calcRange);
  out["without_ring"] = {
      {"Q1", Value(result.withoutRing.Q2)},
      {"S1", Value(result.withoutRing.S2)},
      {"h", Value(result.withoutRing.h2)},
      {"R1", Value(result.withoutRing.R2)},
      {"r", Value(result.r)},
  };
  json widths = json::array();
  for (const double width : result.widths) widths.push_back(Value(width));
  json curves = json::array();
  for (const StudyCurve& curve : result.curves) {
    curves.push_back({
        {"kg", MetresPerSecond(curve.kg)},
        {"Q2", Series(curve, &RingValues::Q2)},
        {"S2", Series(curve, &RingValues::S2)},
        {"h2", Series(curve, &RingValues::h2)},
        {"R2", Series(curve, &RingValues::R2)},
    });
  }
  out["grid"] = {{"width", widths}, {"curves", curves}};
  return out.dump(2) + "\n";
}

std::string StudyToCsv(const StudyResult& result) {
  std::string out = "kg_cm_per_sec,B_m,Q2_m3_per_min,S2_m,h2_m,R2_m\n";
  for (const StudyCurve& curve : result.curves) {
    const std::size_t count = std::min(curve.values.size(), result.widths.size());
    for (std::size_t i = 0; i < count; ++i) {
      const RingValues& v = curve.values[i];
      out += CsvNumber(curve.kg) + "," + CsvNumber(result.widths[i]) + "," + CsvNumber(v.Q2) + "," +
             CsvNumber(v.S2) + "," + CsvNumber(v.h2) + "," + CsvNumber(v.R2) + "\n";
    }
  }
  return out;
}

}  // namespace tavoro
