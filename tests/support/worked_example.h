#pragma once

#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/input_texts.h"

namespace tavoro::testing {

// The worked example shaft: groundwater 2 m, impervious layer 20 m, excavation 10 m,
// L 20 m, kn 0.01 cm/sec, B 2 m, kg 0.0001 cm/sec, point of interest 10 m, range 100 m.

// As the form stores it (kn and kg in m/s).
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

// As typed into the nine fields.
inline const InputTexts kWorkedExampleTexts = {"2",  "20",     "10", "20", "0.01",
                                               "2", "0.0001", "10", "100"};

// As the options of tavoro export and study.
inline const std::vector<std::string> kWorkedExampleArgs = {
    "--groundwater", "2",  "--impervious", "20",     "--excavation", "10",
    "--perimeter",   "20", "--kn",         "0.01",   "--width",      "2",
    "--kg",          "0.0001", "--point",  "10",     "--range",      "100"};

// args after the worked example's options.
inline std::vector<std::string> WithWorkedExample(const std::string& command,
                                                  std::vector<std::string> args) {
  std::vector<std::string> all = {command};
  all.insert(all.end(), kWorkedExampleArgs.begin(), kWorkedExampleArgs.end());
  all.insert(all.end(), args.begin(), args.end());
  return all;
}

}  // namespace tavoro::testing
