#include "case_json.h"

#include <charconv>
#include <cmath>

namespace tavoro {
namespace {

constexpr int kDigits = 17;

std::string Number(double value) {
  if (std::isnan(value)) return "\"nan\"";
  if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kDigits);
  return std::string(buffer, result.ptr);
}

std::string Pair(const CaseValues& values) {
  std::string out("[");
  out.append(Number(values[kNatural])).append(", ").append(Number(values[kImproved]));
  out += "]";
  return out;
}

std::string Points(const CurvePoints& points) {
  std::string out("[");
  for (int i = CurvePoints::kFirst; i <= CurvePoints::kLast; ++i) {
    if (i > CurvePoints::kFirst) out += ", ";
    out += Number(points[i]);
  }
  out += "]";
  return out;
}

std::string Table(const CurveTable& table) {
  std::string out("[");
  out.append(Points(table[kNatural])).append(", ").append(Points(table[kImproved]));
  out += "]";
  return out;
}

std::string Field(const char* name, const std::string& value) {
  std::string out("\"");
  out.append(name).append("\": ").append(value);
  return out;
}

}  // namespace

std::string CaseToJson(const CalculationCase& c) {
  std::string out = "{\"inputs\": {";
  out += Field("GroundwaterDepth", Number(c.GroundwaterDepth)) + ", ";
  out += Field("ImperviousDepth", Number(c.ImperviousDepth)) + ", ";
  out += Field("ExcavationDepth", Number(c.ExcavationDepth)) + ", ";
  out += Field("L", Number(c.L)) + ", ";
  out += Field("kn", Number(c.kn)) + ", ";
  out += Field("B", Number(c.B)) + ", ";
  out += Field("kg", Number(c.kg)) + ", ";
  out += Field("PointDistance", Number(c.PointDistance)) + ", ";
  out += Field("CalcRange", Number(c.CalcRange)) + "},\n ";
  out += Field("H", Number(c.H)) + ", ";
  out += Field("r", Number(c.r)) + ", ";
  out += Field("h", Pair(c.h)) + ", ";
  out += Field("S", Pair(c.S)) + ", ";
  out += Field("R", Pair(c.R)) + ", ";
  out += Field("Q", Pair(c.Q)) + ", ";
  out += Field("PointY", Pair(c.PointY)) + ", ";
  out += Field("PointS", Pair(c.PointS)) + ",\n ";
  out += Field("CurveX", Table(c.CurveX)) + ", ";
  out += Field("CurveY", Table(c.CurveY)) + ", ";
  out += Field("CurveS", Table(c.CurveS)) + ",\n ";
  out += Field("ImprovedCurveComputed", c.ImprovedCurveComputed ? "true" : "false") + "}\n";
  return out;
}

}  // namespace tavoro
