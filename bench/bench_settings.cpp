// Settings file reading and writing: the INI parse and lookup over the whole
// settings table, and a full save (parse, update in place, atomic write).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "quiet_ui.h"
#include "session/document.h"
#include "settings/ini_file.h"
#include "settings/ini_settings.h"
#include "text/path_text.h"

namespace {

// A settings file with every key plus `extraLines` hand-written lines.
std::string SettingsText(int extraLines) {
  korva::IniFile ini;
  for (int i = 0; i < extraLines; ++i) ini.Set("Notes", "n" + std::to_string(i), "memo text");
  const auto path = std::filesystem::temp_directory_path() /
                    ("korva-bench-" + std::to_string(::getpid()) + ".inf");
  korva::WriteFileAtomically(path, ini.Serialize());
  korva::Settings s;
  korva::Document doc;
  korva::bench::QuietUi ui;
  korva::SaveIniSettings(korva::FromFsPath(path), s, doc, ui);
  std::string text = korva::ReadFileBytes(path).bytes;
  std::filesystem::remove(path);
  return text;
}

void BM_ParseAndReadSettings(benchmark::State& state) {
  const std::string text = SettingsText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const korva::IniFile ini = korva::IniFile::Parse(text);
    benchmark::DoNotOptimize(ini.Get("CheckBox", "CRLF2Br"));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseAndReadSettings)->Arg(0)->Arg(1000)->Arg(10000);

void BM_LoadIniSettings(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("korva-bench-load-" + std::to_string(::getpid()) + ".inf");
  korva::WriteFileAtomically(path, SettingsText(0));
  korva::bench::QuietUi ui;
  for (auto _ : state) {
    korva::Settings s;
    korva::Document doc;
    benchmark::DoNotOptimize(korva::LoadIniSettings(korva::FromFsPath(path), s, doc, ui));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadIniSettings);

void BM_SaveIniSettings(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("korva-bench-save-" + std::to_string(::getpid()) + ".inf");
  korva::WriteFileAtomically(path, SettingsText(0));
  korva::Settings s;
  korva::Document doc;
  korva::bench::QuietUi ui;
  for (auto _ : state) {
    benchmark::DoNotOptimize(korva::SaveIniSettings(korva::FromFsPath(path), s, doc, ui));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveIniSettings);

}  // namespace
