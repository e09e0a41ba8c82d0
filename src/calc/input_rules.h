#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "calc/input_texts.h"
#include "calc/ground_texts.h"

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

// How a number text reads: a value, empty (blanks only), not a number of
// the accepted form, or beyond the range of a double.
enum class TextReading { kValue, kEmpty, kUnreadable, kTooLarge };
struct NumberText {
  TextReading reading = TextReading::kEmpty;
  double value = 0;
};

// Reads one decimal number with blanks around it and optionally one of
// units after it, full-width forms as half-width ones. Linear in the text.
NumberText ReadNumberText(std::string_view text, std::span<const std::string_view> units);

// Up to the first 40 characters of text in 「」, control characters as
// blanks, "…" after a cut: how messages quote what was typed.
std::string QuoteText(std::string_view text);

// The text with full-width ASCII forms, the ideographic space and U+2212
// turned into their half-width forms.
std::string HalfWidthText(std::string_view text);

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
// The ground fields (radius method, uplift check) come after the nine
// fields' own bounds; their relations to the nine after r < R1.
std::optional<InputRejection> CheckInputs(const InputTexts& texts, const GroundTexts& ground = {});

// Stores the values of accepted texts as the case's inputs: kn and kg in
// m/s (divided by 100), an empty 改良幅 or 改良後の透水係数 as 0.
void StoreInputs(const InputTexts& texts, CalculationCase& calc);

}  // namespace tavoro
