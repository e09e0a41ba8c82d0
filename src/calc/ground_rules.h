#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/calculation_case.h"
#include "calc/ground_texts.h"
#include "calc/input_rules.h"

namespace tavoro {

// One ground field: its Japanese caption, the key of case files, batch
// tables and the command line ("radius-method" is --radius-method), and
// its unit ("" for none), and how the command line's help shows it.
struct GroundField {
  const char* caption;
  const char* key;
  const char* unit;
  const char* valueName;  // "Dc" in "--confined-top Dc"
  const char* help;       // Japanese; "\n" continues on the next line
};
const GroundField& GroundFieldOf(int field);

// The radius method a text names: "sichardt", "kusakin", "given" (any
// case), "Sichardt", "Kusakin", "指定"; an empty text is Sichardt.
std::optional<RadiusMethod> ReadRadiusMethod(std::string_view text);

// The soil layers of "t1:γ1,t2:γ2,…" (m : kN/m³, from the excavation bottom
// down); empty when the text is not such a list of at most kMaxSoilLayers
// positive numbers.
std::optional<std::vector<SoilLayer>> ReadSoilLayers(std::string_view text);

// The ground texts read and checked on their own, the method first: every
// field readable and within its bounds, given only with 影響半径 and
// 影響半径 only with given, 被圧帯水層上面 and 被圧水頭 together, the other
// uplift inputs only with them, one γt or layers. conditions holds what
// was read up to the first fault.
struct GroundReading {
  GroundConditions conditions;
  std::optional<InputRejection> rejection;
};
GroundReading ReadGround(const GroundTexts& texts);

// The rules between the ground and the case's stored inputs (r computed):
// a given R beyond r + B, 被圧帯水層上面 not above 不透水層深度, 被圧水頭
// above 被圧帯水層上面, layers adding up to d within 1 mm.
std::optional<InputRejection> CheckGroundRelations(const CalculationCase& calc,
                                                   const GroundTexts& texts);

}  // namespace tavoro
