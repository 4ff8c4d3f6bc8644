// A Ui for benchmarks: answers nothing and shows nothing.
#pragma once

#include <optional>
#include <string>

#include "session/ui.h"

namespace korva::bench {

class QuietUi : public Ui {
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

}  // namespace korva::bench
