// A Ui that records every call, with scripted answers for questions and dialogs.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "session/ui.h"

namespace korva::testing {

class RecordingUi : public Ui {
 public:
  // Everything that happened, in order, as "Call: argument" lines (CP932 text).
  std::vector<std::string> calls;
  int beeps = 0;
  std::vector<std::string> informations, warnings, questions;
  std::map<int, std::string> panels;
  std::string caption;
  std::vector<std::string> pagesShown;
  std::map<std::string, bool> labels;
  std::vector<std::string> browserOpened;
  std::string clipboard;

  // Answers handed out in order; when exhausted, questions get `defaultAnswer`
  // and dialogs are cancelled.
  std::deque<bool> answers;
  bool defaultAnswer = false;
  std::deque<std::optional<std::string>> chosenPaths;

  void Beep() override {
    ++beeps;
    calls.push_back("Beep");
  }
  void Information(const std::string& text) override {
    informations.push_back(text);
    calls.push_back("Information: " + text);
  }
  void Warning(const std::string& text) override {
    warnings.push_back(text);
    calls.push_back("Warning: " + text);
  }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    calls.push_back("AskYesNo: " + text);
    if (answers.empty()) return defaultAnswer;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void SetStatusPanel(int panel, const std::string& text) override {
    panels[panel] = text;
    calls.push_back("SetStatusPanel " + std::to_string(panel) + ": " + text);
  }
  void SetCaption(const std::string& text) override {
    caption = text;
    calls.push_back("SetCaption: " + text);
  }
  void ShowPage(const std::string& pageName) override {
    pagesShown.push_back(pageName);
    calls.push_back("ShowPage: " + pageName);
  }
  void SetLabelVisible(const std::string& labelName, bool visible) override {
    labels[labelName] = visible;
    calls.push_back("SetLabelVisible: " + labelName + (visible ? " on" : " off"));
  }
  void SetWaitCursor(bool waiting) override {
    calls.push_back(waiting ? "SetWaitCursor: on" : "SetWaitCursor: off");
  }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string&,
                                            const std::string&) override {
    calls.push_back("ChooseOpenFile: " + title);
    return NextPath();
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string&,
                                            const std::string&) override {
    calls.push_back("ChooseSaveFile: " + title);
    return NextPath();
  }
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string&) override {
    calls.push_back("ChooseFolder: " + title);
    return NextPath();
  }
  std::string ClipboardText() override {
    calls.push_back("ClipboardText");
    return clipboard;
  }
  void SetClipboardText(const std::string& text) override {
    clipboard = text;
    calls.push_back("SetClipboardText");
  }
  void OpenInBrowser(const std::string& path) override {
    browserOpened.push_back(path);
    calls.push_back("OpenInBrowser: " + path);
  }

 private:
  std::optional<std::string> NextPath() {
    if (chosenPaths.empty()) return std::nullopt;
    auto path = chosenPaths.front();
    chosenPaths.pop_front();
    return path;
  }
};

}  // namespace korva::testing
