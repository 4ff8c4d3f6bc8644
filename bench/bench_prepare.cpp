// The preparation (下準備) of synthetic minutes at 1k, 10k and 100k lines:
// splitting the text, proposing the changes and applying them all.
#include <benchmark/benchmark.h>

#include <vector>

#include "minutes_generator.h"
#include "prepare/prepare.h"
#include "settings/settings.h"
#include "text/sjis.h"

namespace {

void BM_PrepareMinutes(benchmark::State& state) {
  const std::string text = korva::bench::GenerateMinutes(static_cast<std::size_t>(state.range(0)));
  const korva::Settings settings;
  std::vector<std::string> lines, prepared;
  korva::PrepareResult result;
  for (auto _ : state) {
    // Freeing the previous run's lines is not part of the measured work.
    state.PauseTiming();
    lines = {};
    prepared = {};
    result = {};
    state.ResumeTiming();
    lines = korva::sjis::SplitLines(text);
    result = korva::PrepareMinutes(lines, settings);
    prepared = korva::ApplyPrepareChanges(lines, result.changes);
    benchmark::DoNotOptimize(prepared.data());
  }
  const std::size_t changes = result.changes.size();
  state.counters["changes"] = static_cast<double>(changes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PrepareMinutes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
