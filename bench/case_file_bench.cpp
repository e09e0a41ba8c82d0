// Reading a case file of many kept keys: time grows with the file's size.
#include <benchmark/benchmark.h>

#include <string>

#include "casefile/case_file.h"

namespace tavoro {
namespace {

void BM_ParseCaseFileWithManyKeys(benchmark::State& state) {
  std::string bytes = R"({"format":"tavoro-case","version":1,"inputs":{},)";
  for (int i = 0; i < state.range(0); ++i) bytes += "\"k" + std::to_string(i) + "\":0,";
  bytes += R"("end":0})";
  for (auto _ : state) benchmark::DoNotOptimize(ParseCaseFile(bytes, "b.tavoro"));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseCaseFileWithManyKeys)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoro
