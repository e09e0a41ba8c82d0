#pragma once

#include "calc/calculation_case.h"

namespace tavoro::testing {

// The worked example shaft, inputs as the form stores them (kn and kg in
// m/s): groundwater 2 m, impervious layer 20 m, excavation 10 m, L 20 m,
// kn 0.01 cm/sec, B 2 m, kg 0.0001 cm/sec, point of interest 10 m.
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

}  // namespace tavoro::testing
