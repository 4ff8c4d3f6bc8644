// Settings file reading and writing: the INI parse and lookup over the whole
// settings table, and a full save (parse, update in place, atomic write).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "session/document.h"
#include "settings/ini_file.h"
#include "settings/ini_settings.h"
#include "text/path_text.h"

namespace {

// A scratch Ui: benchmarks only need somewhere for status texts to go.
class QuietUi : public korva::Ui {
 public:
  void Beep() override {}
  void Information(const std::string&) override {}
  void Warning(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void SetStatusPanel(int, const std::string&) override {}
  void SetCaption(const std::string&) override {}
  void ShowPage(const std::string&) override {}
  void SetLabelVisible(const std::string&, bool) override {}
  void SetWaitCursor(bool) override {}
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  void OpenInBrowser(const std::string&) override {}
};

// A settings file with every key plus `extraLines` hand-written lines.
std::string SettingsText(int extraLines) {
  korva::IniFile ini;
  for (int i = 0; i < extraLines; ++i) ini.Set("Notes", "n" + std::to_string(i), "memo text");
  const auto path = std::filesystem::temp_directory_path() /
                    ("korva-bench-" + std::to_string(::getpid()) + ".inf");
  korva::WriteFileAtomically(path, ini.Serialize());
  korva::Settings s;
  korva::Document doc;
  QuietUi ui;
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
  QuietUi ui;
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
  QuietUi ui;
  for (auto _ : state) {
    benchmark::DoNotOptimize(korva::SaveIniSettings(korva::FromFsPath(path), s, doc, ui));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveIniSettings);

}  // namespace
