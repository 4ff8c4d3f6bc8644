// The main window's side of the commands' Ui: status panels, caption, pages,
// warning labels and the wait cursor on the window; questions and dialogs
// through a Prompter; browsers through an HtmlOpener.
#pragma once

#include <QStringList>

#include "app/prompter.h"
#include "session/ui.h"
#include "tools/browser.h"

class QMainWindow;
class QLabel;

namespace korva::app {

class WindowUi : public Ui {
 public:
  WindowUi(QMainWindow& window, Prompter& prompter, HtmlOpener& opener);

  void SetPrompter(Prompter& prompter) { prompter_ = &prompter; }
  void SetOpener(HtmlOpener& opener) { opener_ = &opener; }
  HtmlOpener& Opener() { return *opener_; }
  Prompter& Prompts() { return *prompter_; }

  void Beep() override;
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void SetCaption(const std::string& text) override;
  void ShowPage(const std::string& pageName) override;
  void SetLabelVisible(const std::string& labelName, bool visible) override;
  void SetWaitCursor(bool waiting) override;
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& initialName) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initialFolder) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  void OpenInBrowser(const std::string& path) override;

 private:
  QMainWindow& window_;
  Prompter* prompter_;
  HtmlOpener* opener_;
  bool waiting_ = false;
};

// The names of the nine status-bar panels.
QString StatusPanelName(int panel);
inline constexpr int kStatusPanelCount = 9;

}  // namespace korva::app
