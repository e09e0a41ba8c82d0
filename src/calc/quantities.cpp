#include "calc/quantities.h"

#include <array>
#include <cstddef>

namespace tavoro {
namespace {

constexpr char kWithout[] = "地盤改良なし";
constexpr char kWith[] = "地盤改良あり";

// In the order of Quantity.
constexpr std::array<QuantityText, 12> kQuantities = {{
    {"r", "円換算半径", "", "m"},
    {"H", "地下水位から不透水層までの高さ", "", "m"},
    {"h", "立坑底から不透水層までの高さ", "", "m"},
    {"S", "地下水位から掘削底までの高さ", "", "m"},
    {"R1", "影響範囲", kWithout, "m"},
    {"Q1", "湧水量", kWithout, "m3/min"},
    {"Sx1", "着目点の水位低下量", kWithout, "m"},
    {"Q2", "湧水量", kWith, "m3/min"},
    {"h2", "改良外円の水位高さ", "", "m"},
    {"S2", "改良外円の水位低下量", "", "m"},
    {"R2", "影響範囲", kWith, "m"},
    {"Sx2", "着目点の水位低下量", kWith, "m"},
}};

}  // namespace

const QuantityText& QuantityOf(Quantity quantity) {
  return kQuantities[static_cast<std::size_t>(quantity)];
}

std::string QuantityName(Quantity quantity) {
  const QuantityText& q = QuantityOf(quantity);
  std::string name(q.name);
  if (!q.condition.empty()) name.append("（").append(q.condition).append("）");
  return name;
}

std::string QuantityLabel(Quantity quantity) {
  const QuantityText& q = QuantityOf(quantity);
  return std::string(q.name).append(" ").append(q.symbol);
}

std::string QuantityHeading(Quantity quantity) {
  const QuantityText& q = QuantityOf(quantity);
  return std::string(q.symbol).append(" (").append(q.unit).append(")");
}

std::string_view PrintedUnit(std::string_view unit) {
  return unit == "m3/min" ? "m³/min" : unit;
}

}  // namespace tavoro
