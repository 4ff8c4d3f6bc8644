// The narrow interface through which commands touch the screen. The desktop
// program implements it with widgets, the command line prints to stderr and
// never blocks, and tests record the calls. All texts are CP932.
#pragma once

#include <optional>
#include <string>

namespace korva {

class Ui {
 public:
  virtual ~Ui() = default;

  virtual void Beep() = 0;
  virtual void Information(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;

  virtual void SetStatusPanel(int panel, const std::string& text) = 0;
  virtual void SetCaption(const std::string& text) = 0;
  // Brings forward the page (tab) with this object name, e.g. "PGLeftTab02Project".
  virtual void ShowPage(const std::string& pageName) = 0;
  virtual void SetLabelVisible(const std::string& labelName, bool visible) = 0;
  virtual void SetWaitCursor(bool waiting) = 0;

  // File dialogs: the chosen path, or nothing when cancelled. `filter` is a
  // description such as "CSS (*.css)".
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialFolder) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialName) = 0;
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& initialFolder) = 0;

  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;

  virtual void OpenInBrowser(const std::string& path) = 0;
};

}  // namespace korva
