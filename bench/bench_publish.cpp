// The whole publishing run on synthetic and on real minutes at 1k, 10k and
// 100k lines:
// open and analyse, the single document, the navigation file, the local
// three-file set and the web set, every file written to disk.
#include <benchmark/benchmark.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "html/document_html.h"
#include "intake/open_minutes.h"
#include "minutes_generator.h"
#include "publishing/link_check.h"
#include "publishing/local_set.h"
#include "publishing/nav_file.h"
#include "publishing/web_set.h"
#include "quiet_ui.h"
#include "real_minutes.h"
#include "session/document.h"
#include "session/files.h"
#include "session/ui.h"
#include "settings/settings.h"
#include "text/path_text.h"

namespace {

bool LinksResolve(const std::vector<std::string>& paths) {
  std::map<std::string, std::string> files;
  for (const std::string& path : paths) {
    files[korva::ExtractFileName(path)] = korva::ReadFileBytes(korva::ToFsPath(path)).bytes;
  }
  return korva::FindBrokenLinks(files).empty();
}

long MinorPageFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// With `warmUp`, one untimed run comes first: the first run in a process also
// pays for growing the heap page by page, which the process's later runs do
// not. Without it, the process's first run is measured.
void PublishMinutes(benchmark::State& state, const std::string& text, bool warmUp) {
  const std::size_t lines = static_cast<std::size_t>(state.range(0));
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("korva-bench-publish-" + std::to_string(lines));
  fs::remove_all(folder);
  fs::create_directories(folder / "three/css");
  fs::create_directories(folder / "web");
  const fs::path minutes = folder / "minutes@bench.txt";
  std::ofstream(minutes, std::ios::binary) << text;
  std::ofstream(folder / "three/css/minutes.css", std::ios::binary) << "p { margin: 0; }\n";

  korva::Settings base;
  const std::string out = korva::FromFsPath(folder) + "/";
  base.BtnEditRootFolder = base.BtnEditHTMLSaveFolder = out;
  base.BtnEdit3FileFolder = out + "three/";
  base.BtnEditWebHTMLFolder = out + "web/";
  base.BtnEditLocalCSSFile = "css/minutes.css";
  base.LabelLocalCSSbsoluteRelativePath = base.BtnEdit3FileFolder + "css/minutes.css";
  base.CheckBoxSaveAtBuild = true;
  base.CheckBoxOpenIEatSaved = false;
  korva::bench::QuietUi ui;
  korva::Document doc;
  const auto publish = [&] {
    korva::Settings settings = base;
    doc = korva::Document();
    korva::OpenFile(settings, doc, ui, korva::FromFsPath(minutes));
    settings.ComboBoxHTMLFile = "bench";
    return korva::MenuTextMakeBodyOnlyClick(settings, doc, ui) == 0 &&
           korva::MenuTextMakeNAVOnePaneClick(settings, doc, ui) == 0 &&
           korva::tbBuildTwoPaneClick(settings, doc, ui) == 0 &&
           korva::tbMakeWebHTMLClick(settings, doc, ui) == 0;
  };
  if (warmUp && !publish()) state.SkipWithError("a file of the warm-up run was not written");
  const long faultsBefore = MinorPageFaults();
  for (auto _ : state) {
    if (!publish()) {
      state.SkipWithError("a file of the run was not written");
      break;
    }
  }
  // Pages the runs touched for the first time, each one a trip into the kernel.
  state.counters["page_faults"] = benchmark::Counter(
      static_cast<double>(MinorPageFaults() - faultsBefore), benchmark::Counter::kAvgIterations);
  // Outside the timing: the last run's sets must hold no link that leads nowhere.
  if (!LinksResolve(
          {doc.ThreeFileNormalPath, doc.ThreeFileVerticalPath, doc.ThreeFileHorizontalPath}) ||
      !LinksResolve({doc.WebNormalPath, doc.WebVerticalPath, doc.WebHorizontalPath})) {
    state.SkipWithError("a published set holds links that lead nowhere");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  fs::remove_all(folder);
}
std::string Synthetic(const benchmark::State& state) {
  return korva::bench::GenerateMinutes(static_cast<std::size_t>(state.range(0)));
}
void BM_PublishMinutes(benchmark::State& state) {
  PublishMinutes(state, Synthetic(state), true);
}
BENCHMARK(BM_PublishMinutes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
void BM_PublishRealMinutes(benchmark::State& state) {
  PublishMinutes(state, korva::bench::RealMinutes(static_cast<std::size_t>(state.range(0))), true);
}
BENCHMARK(BM_PublishRealMinutes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Meaningful only as the first benchmark of its process (scripts/bench.sh
// runs it alone).
void BM_PublishMinutesFirstRun(benchmark::State& state) {
  PublishMinutes(state, Synthetic(state), false);
}
BENCHMARK(BM_PublishMinutesFirstRun)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// What a first touch of a fresh page costs on this machine: the part of a
// process's first run that its later runs do not pay.
void BM_FirstTouchOfFreshPages(benchmark::State& state) {
  const std::size_t size = 64u << 20;
  const long pageSize = sysconf(_SC_PAGESIZE);
  for (auto _ : state) {
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
      state.SkipWithError("no memory to map");
      break;
    }
    auto* bytes = static_cast<volatile char*>(memory);
    for (std::size_t at = 0; at < size; at += static_cast<std::size_t>(pageSize)) bytes[at] = 1;
    munmap(memory, size);
  }
  state.counters["per_page"] = benchmark::Counter(
      static_cast<double>(size / static_cast<std::size_t>(pageSize)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FirstTouchOfFreshPages)->Unit(benchmark::kMillisecond);

}  // namespace
