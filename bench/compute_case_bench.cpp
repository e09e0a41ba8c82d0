// ComputeCase on the worked example: the natural and the improved curve.
#include <benchmark/benchmark.h>

#include "calc/compute_case.h"

namespace tavoro {
namespace {

CalculationCase WorkedExample() {
  CalculationCase calc;
  calc.GroundwaterDepth = 2;
  calc.ImperviousDepth = 20;
  calc.ExcavationDepth = 10;
  calc.L = 20;
  calc.kn = 0.01 / 100.0;
  calc.B = 2;
  calc.kg = 0.0001 / 100.0;
  calc.PointDistance = 10;
  calc.CalcRange = 100;
  return calc;
}

void BM_ComputeCase(benchmark::State& state) {
  CalculationCase calc = WorkedExample();
  for (auto _ : state) {
    ComputeCase(calc);
    benchmark::DoNotOptimize(calc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeCase);

}  // namespace
}  // namespace tavoro

BENCHMARK_MAIN();
