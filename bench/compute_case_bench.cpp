// ComputeCase on the worked example: the natural and the improved curve.
#include <benchmark/benchmark.h>

#include "calc/compute_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

void BM_ComputeCase(benchmark::State& state) {
  CalculationCase calc = testing::WorkedExample();
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
