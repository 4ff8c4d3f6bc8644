// Load + classify + lists of synthetic and of real minutes at 1k, 10k and
// 100k lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "analysis/minutes_grid.h"
#include "minutes_generator.h"
#include "real_minutes.h"
#include "session/document.h"
#include "settings/settings.h"
#include "text/sjis.h"

namespace {

void AnalyseMinutes(benchmark::State& state, const std::string& text) {
  const korva::Settings settings;
  std::optional<korva::Document> doc;
  for (auto _ : state) {
    // Tearing down the previous document is not part of the measured work.
    state.PauseTiming();
    doc.reset();
    doc.emplace();
    state.ResumeTiming();
    doc->MinutesTextList = korva::sjis::SplitLines(text);
    benchmark::DoNotOptimize(korva::LoadMinutesTextStringGrid(settings, *doc));
    benchmark::DoNotOptimize(doc->SpeakerNavEntryList.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
void BM_AnalyseMinutes(benchmark::State& state) {
  AnalyseMinutes(state, korva::bench::GenerateMinutes(static_cast<std::size_t>(state.range(0))));
}
void BM_AnalyseRealMinutes(benchmark::State& state) {
  AnalyseMinutes(state, korva::bench::RealMinutes(static_cast<std::size_t>(state.range(0))));
}
// The machine is shared: with --benchmark_repetitions the minimum is the
// figure least disturbed by other work.
double Min(const std::vector<double>& v) {
  return *std::min_element(v.begin(), v.end());
}
BENCHMARK(BM_AnalyseMinutes)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_AnalyseRealMinutes)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);

}  // namespace
