#pragma once

#include <cmath>

#include <gtest/gtest.h>

#include "calc/calculation_case.h"

namespace tavoro::testing {

// The shaft of the calculation sheet's worked example, inputs as stored
// (kn and kg already in m/s).
inline CalculationCase WorkedExample(double calcRange = 100) {
  CalculationCase calc;
  calc.GroundwaterDepth = 2;
  calc.ImperviousDepth = 20;
  calc.ExcavationDepth = 10;
  calc.L = 20;
  calc.kn = 0.01 / 100.0;
  calc.B = 2;
  calc.kg = 0.0001 / 100.0;
  calc.PointDistance = 10;
  calc.CalcRange = calcRange;
  return calc;
}

// Agreement with a value quoted to six significant digits.
inline ::testing::AssertionResult SixDigits(double actual, double quoted) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(quoted))) - 5);
  if (std::fabs(actual - quoted) <= 0.5 * unit * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not " << quoted << " to six digits";
}

}  // namespace tavoro::testing
