#pragma once

#include <string>
#include <vector>

namespace tavoro {

// A quantity of a worked example: its symbol, value and unit.
struct ExampleQuantity {
  std::string symbol;
  double value = 0;
  std::string unit;
};

// A published value beside the one Tavoro computes for it. The published
// value is given to decimals places; the computed one passes when it lies
// within half a unit of that last place.
struct ExampleCheck {
  std::string symbol;
  std::string unit;
  double published = 0;
  int decimals = 0;
  double computed = 0;

  double Difference() const { return computed - published; }
  double Tolerance() const;
  bool Passed() const;
};

// One worked example: what it shows, where its published values come from,
// its inputs and its checks. Texts are Japanese.
struct WorkedExample {
  std::string name;
  std::string source;
  std::vector<ExampleQuantity> inputs;
  std::vector<ExampleCheck> checks;

  bool Passed() const;
};

// Runs every built-in example through Tavoro's own calculation, the way a
// case on the form is run, and returns them in a fixed order.
std::vector<WorkedExample> RunWorkedExamples();

// True when every example passed.
bool AllPassed(const std::vector<WorkedExample>& examples);

// A number as the examples show it: value with up to 6 significant digits,
// or with exactly decimals places when decimals >= 0.
std::string ExampleNumber(double value, int decimals = -1);

}  // namespace tavoro
