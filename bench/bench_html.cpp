// Load + analyse + generate + save of synthetic and of real minutes at 1k,
// 10k and 100k lines: the whole single-document job, from the minutes file to
// the HTML file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "html/document_html.h"
#include "intake/open_minutes.h"
#include "minutes_generator.h"
#include "quiet_ui.h"
#include "real_minutes.h"
#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"
#include "text/path_text.h"

namespace {

void ConvertMinutesToHTML(benchmark::State& state, const std::string& text) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("korva-bench-html-" + std::to_string(state.range(0)));
  std::filesystem::create_directories(folder);
  const auto minutes = folder / "minutes@bench.txt";
  std::ofstream(minutes, std::ios::binary) << text;

  korva::Settings base;
  const std::string out = korva::FromFsPath(folder) + "/";
  base.BtnEditRootFolder = base.BtnEditHTMLSaveFolder = base.BtnEdit3FileFolder = out;
  base.ComboBoxHTMLFile = "bench";
  base.CheckBoxSaveAtBuild = true;
  korva::bench::QuietUi ui;
  for (auto _ : state) {
    korva::Settings settings = base;
    korva::Document doc;
    korva::OpenFile(settings, doc, ui, korva::FromFsPath(minutes));
    if (korva::MenuTextMakeBodyOnlyClick(settings, doc, ui) != 0) {
      state.SkipWithError("the document was not generated and saved");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  std::filesystem::remove_all(folder);
}
void BM_ConvertMinutesToHTML(benchmark::State& state) {
  ConvertMinutesToHTML(state,
                       korva::bench::GenerateMinutes(static_cast<std::size_t>(state.range(0))));
}
void BM_ConvertRealMinutesToHTML(benchmark::State& state) {
  ConvertMinutesToHTML(state, korva::bench::RealMinutes(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_ConvertMinutesToHTML)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertRealMinutesToHTML)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
