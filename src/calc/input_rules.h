#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "calc/input_texts.h"

namespace tavoro {

// The bounds of sound input, in the form's units. The upper bounds lie beyond
// any real shaft; they keep every number of the report and the chart on its
// page.
inline constexpr double kMaxDepth = 500;          // m, all three depths
inline constexpr double kMinPerimeter = 0.1;      // m
inline constexpr double kMaxPerimeter = 500;      // m
inline constexpr double kMinPermeability = 1e-9;  // cm/sec, kn and kg
inline constexpr double kMaxPermeability = 10;    // cm/sec, kn and kg
inline constexpr double kMaxRingWidth = 50;       // m
inline constexpr double kMaxCalcRange = 10000;    // m, also the point of interest
inline constexpr double kMaxInflow = 1000;        // m³/min, Q1

// Why a set of texts cannot be run: the field (0..8, form order) and a
// Japanese message that names it by its caption, says what is wrong and what
// is accepted, quoting at most the first 40 characters of the text.
struct InputRejection {
  int field = 0;
  std::string message;
};

// The value of one field's text in the form's unit (cm/sec for kn and kg):
// one decimal number (optional sign, digits with the full stop, optional E
// exponent) with blanks around it and optionally the field's unit after it
// ("m"; "cm/sec" or "cm/s"). Full-width forms read as their half-width ones.
// Empty for an empty text, anything else after the number, or a number
// beyond the range of a double. Linear in the length of text.
std::optional<double> ReadFieldText(int field, std::string_view text);

// A quantity typed by the same rules with its own units, one of which may
// follow the number (as written, after the full-width forms are made
// half-width): ReadQuantityText("０．３ m3/min", {"m3/min", "m³/min"}) is 0.3.
std::optional<double> ReadQuantityText(std::string_view text,
                                       std::initializer_list<std::string_view> units);

// Checks the nine texts against the input rules: readable, present (all but
// 改良幅 and, without a ring, 改良後の透水係数), and sound values that give a
// meaningful case. Empty when the case can be run. The first failing field
// in form order is named; relations between fields come after that.
std::optional<InputRejection> CheckInputs(const InputTexts& texts);

// Stores the values of accepted texts as the case's inputs: kn and kg in
// m/s (divided by 100), an empty 改良幅 or 改良後の透水係数 as 0.
void StoreInputs(const InputTexts& texts, CalculationCase& calc);

}  // namespace tavoro
