// What the window tests share: a scratch folder with a program path, a
// settings file and minutes in it; a prompter that answers from a script and
// records what it was told; a browser opener that only records.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/prompter.h"
#include "session/files.h"
#include "text/codec.h"
#include "text/literal.h"
#include "tools/browser.h"

namespace korva::testing {

class ScriptedPrompter : public app::Prompter {
 public:
  std::vector<std::string> informations, warnings, questions;  // UTF-8
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> paths;  // CP932 answers of the file dialogs
  std::vector<std::string> dialogTitles;         // UTF-8
  std::vector<std::string> dialogFilters;        // CP932, as the commands give them
  std::vector<std::string> dialogStarts;         // UTF-8 start folder or proposed name

  void Information(const std::string& text) override {
    informations.push_back(Cp932ToUtf8Lossy(text));
  }
  void Warning(const std::string& text) override { warnings.push_back(Cp932ToUtf8Lossy(text)); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(Cp932ToUtf8Lossy(text));
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& start) override {
    return NextPath(title, filter, start);
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& start) override {
    return NextPath(title, filter, start);
  }
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& start) override {
    return NextPath(title, "", start);
  }

 private:
  std::optional<std::string> NextPath(const std::string& title, const std::string& filter,
                                      const std::string& start) {
    dialogTitles.push_back(Cp932ToUtf8Lossy(title));
    dialogFilters.push_back(filter);
    dialogStarts.push_back(Cp932ToUtf8Lossy(start));
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
  }
};

class RecordingOpener : public HtmlOpener {
 public:
  std::vector<std::string> opened, chrome;
  int closed = 0;
  bool OpenWithHTMLHandler(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  void CloseIE() override { ++closed; }
  bool OpenInChrome(const std::string& path) override {
    chrome.push_back(path);
    return true;
  }
};

// Keeps the event loop running for `ms` milliseconds (timers fire).
inline void Pump(int ms) {
  QElapsedTimer timer;
  timer.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  } while (timer.elapsed() < ms);
}

inline std::string SourceDir() {
  return KORVA_SOURCE_DIR;
}

// A program folder with a settings file, the sample minutes and the folders
// the generators write into.
class AppFolder {
 public:
  AppFolder() : root_(dir_.path().toStdString()) {
    std::filesystem::create_directories(root_ / "html");
    std::filesystem::create_directories(root_ / "web");
  }

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path Html() const { return root_ / "html"; }
  std::filesystem::path Web() const { return root_ / "web"; }
  std::filesystem::path Program() const { return root_ / "korva"; }

  // Copies the bundled sample minutes; gives the copy's path.
  std::filesystem::path CopySample() const {
    const std::string name = "令和６年第１回定例会「本会議」@r0612t1-1.txt";
    std::filesystem::copy_file(std::filesystem::path(SourceDir()) / "examples" / name, root_ / name,
                               std::filesystem::copy_options::overwrite_existing);
    return root_ / name;
  }
  // Writes UTF-8 lines as CP932 minutes with CR LF.
  std::filesystem::path WriteMinutes(const std::string& name,
                                     const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const auto& line : lines) bytes += Utf8ToCp932(line) + "\r\n";
    std::ofstream(root_ / name, std::ios::binary) << bytes;
    return root_ / name;
  }
  void PutTryoutCss() const {
    std::ofstream(Html() / "tryout.css", std::ios::binary) << "p { color: red; }\r\n";
  }

  // The default settings file with `values` ("Section/Key" -> UTF-8 value) filled in.
  void WriteSettings(const std::map<std::string, std::string>& values) const {
    std::string text =
        ReadFileBytes(std::filesystem::path(SourceDir()) / "examples/korva.inf").bytes;
    for (const auto& [where, value] : values) {
      const std::string section = "[" + where.substr(0, where.find('/')) + "]\r\n";
      const std::string key = where.substr(where.find('/') + 1) + "=";
      const std::size_t sectionAt = text.find(section);
      const std::size_t keyAt = text.find("\r\n" + key, sectionAt);
      // A key the sample does not hold would be written into another one.
      if (sectionAt == std::string::npos || keyAt == std::string::npos) {
        throw std::logic_error("examples/korva.inf has no " + where);
      }
      const std::size_t end = text.find("\r\n", keyAt + 2);
      text.replace(keyAt + 2, end - keyAt - 2, key + Utf8ToCp932(value));
    }
    std::ofstream(root_ / "korva.inf", std::ios::binary) << text;
  }
  // Settings whose folders all point into this folder.
  // The local set also needs a style sheet, relative to the three-file folder.
  std::map<std::string, std::string> FolderSettings() const {
    const std::string html = Html().string() + "/";
    std::filesystem::create_directories(Html() / "css");
    std::ofstream(Html() / "css/minutes.css", std::ios::binary) << "p { margin: 0; }\r\n";
    return {{"Local/Root", root_.string() + "/"},
            {"Local/Save", html},
            {"Local/Folder", html},
            {"Local/css", "css/minutes.css"},
            {"Web/Folder", Web().string() + "/"},
            {"CheckBox/OpenIEatSaved", "0"}};
  }
  // Folder settings that generate only when asked, with the try-out style
  // sheet in place.
  std::map<std::string, std::string> QuietSettings() const {
    PutTryoutCss();
    auto values = FolderSettings();
    values["CheckBox/ImmediateGo"] = "0";
    return values;
  }
  // Quiet settings with the sample minutes open at start (and named after them).
  std::map<std::string, std::string> SampleSettings() const {
    auto values = QuietSettings();
    values["File/Global"] = CopySample().string();
    values["Local/Html"] = "r0612t1-1";
    return values;
  }

 private:
  QTemporaryDir dir_;
  std::filesystem::path root_;
};

// A main window over an AppFolder, with the scripted prompter and the
// recording opener in place of dialogs and browsers.
struct Window {
  std::unique_ptr<app::TAMainForm> form;
  ScriptedPrompter prompter;
  RecordingOpener opener;

  explicit Window(const AppFolder& folder)
      : form(std::make_unique<app::TAMainForm>(folder.Program())) {
    form->ui().SetPrompter(prompter);
    form->ui().SetOpener(opener);
    form->resize(1200, 800);
    form->show();
  }
  bool Start() { return form->FormShow(std::nullopt); }
  std::string Caption() const { return form->windowTitle().toStdString(); }
  std::string Panel(int panel) const;
  app::TRichEditEx* Pane(const char* name) const { return form->Pane(name); }
  // Clicks a tool-bar button or menu item by its name.
  void Trigger(const char* name) const;
  std::string PaneText(const char* name) const {
    return Cp932ToUtf8Lossy(form->Pane(name)->Cp932Text());
  }
  // What an edit, combo box, label or memo shows.
  std::string Text(const char* name) const;
  // The objectName of the page in front on the tab control `tabs`.
  std::string Page(const char* tabs) const;
};

// The value of `key` in the settings file `file`, UTF-8; "<missing>" when absent.
std::string SavedValue(const std::filesystem::path& file, const char* section, const char* key);

}  // namespace korva::testing
