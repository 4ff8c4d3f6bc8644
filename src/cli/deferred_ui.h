// Holds back the messages of a command, to give them after messages that
// belong before them but are only known once the command has run (the block
// marks of a document analysed while it is written). Questions, dialogs and
// the clipboard are answered at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "session/ui.h"

namespace korva::cli {

class DeferredUi final : public Ui {
 public:
  explicit DeferredUi(Ui& target) : target_(target) {}

  // Gives the held-back calls to the target, in their order.
  void Release() {
    for (const auto& call : calls_) call(target_);
    calls_.clear();
  }

  void Beep() override {
    Hold([](Ui& ui) { ui.Beep(); });
  }
  void Information(const std::string& text) override {
    Hold([text](Ui& ui) { ui.Information(text); });
  }
  void Warning(const std::string& text) override {
    Hold([text](Ui& ui) { ui.Warning(text); });
  }
  void SetStatusPanel(int panel, const std::string& text) override {
    Hold([panel, text](Ui& ui) { ui.SetStatusPanel(panel, text); });
  }
  void SetCaption(const std::string& text) override {
    Hold([text](Ui& ui) { ui.SetCaption(text); });
  }
  void ShowPage(const std::string& page) override {
    Hold([page](Ui& ui) { ui.ShowPage(page); });
  }
  void SetLabelVisible(const std::string& label, bool visible) override {
    Hold([label, visible](Ui& ui) { ui.SetLabelVisible(label, visible); });
  }
  void SetWaitCursor(bool waiting) override {
    Hold([waiting](Ui& ui) { ui.SetWaitCursor(waiting); });
  }
  void OpenInBrowser(const std::string& path) override {
    Hold([path](Ui& ui) { ui.OpenInBrowser(path); });
  }
  void SetClipboardText(const std::string& text) override {
    Hold([text](Ui& ui) { ui.SetClipboardText(text); });
  }

  bool AskYesNo(const std::string& text) override { return target_.AskYesNo(text); }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& folder) override {
    return target_.ChooseOpenFile(title, filter, folder);
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& name) override {
    return target_.ChooseSaveFile(title, filter, name);
  }
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& folder) override {
    return target_.ChooseFolder(title, folder);
  }
  std::string ClipboardText() override { return target_.ClipboardText(); }

 private:
  void Hold(std::function<void(Ui&)> call) { calls_.push_back(std::move(call)); }

  Ui& target_;
  std::vector<std::function<void(Ui&)>> calls_;
};

}  // namespace korva::cli
