// The command line's Ui: messages go to stderr in UTF-8, prefixed with the
// file they concern; nothing ever waits for an answer.
#pragma once

#include <string>

#include "session/ui.h"

namespace korva::cli {

enum class Verbosity { Quiet, Normal, Verbose };

class CliUi : public Ui {
 public:
  explicit CliUi(Verbosity verbosity) : verbosity_(verbosity) {}

  // The file that messages concern (UTF-8), printed before each message.
  void SetSubject(const std::string& fileUtf8) { subject_ = fileUtf8; }
  Verbosity verbosity() const { return verbosity_; }

  // Prints a UTF-8 message on stderr (also in quiet mode when it is an error).
  void Error(const std::string& utf8) const;
  void Note(const std::string& utf8) const;    // normal and verbose
  void Detail(const std::string& utf8) const;  // verbose only

  void Beep() override {}
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  // No one can answer: the safe choice is "no".
  bool AskYesNo(const std::string& text) override;
  void SetStatusPanel(int panel, const std::string& text) override;
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
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  void OpenInBrowser(const std::string&) override {}

 private:
  void Print(const std::string& utf8) const;

  Verbosity verbosity_;
  std::string subject_;
  std::string clipboard_;
};

}  // namespace korva::cli
