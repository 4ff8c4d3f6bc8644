// Everything the desktop program asks the user in a dialog of its own: the
// message boxes and the file and folder dialogs. Tests put a scripted one in
// place; texts are CP932 like everything the commands hand over.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace korva::app {

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void Information(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialFolder) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialName) = 0;
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& initialFolder) = 0;
};

// Qt's message boxes and file dialogs over `parent`.
class DialogPrompter : public Prompter {
 public:
  explicit DialogPrompter(QWidget* parent) : parent_(parent) {}
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& initialName) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initialFolder) override;

 private:
  QWidget* parent_;
};

// A dialog filter as the commands give it ("text|pattern|text|pattern", the
// patterns separated by ";") in the form Qt's file dialogs read.
QString QtFileFilter(const std::string& cp932Filter);

}  // namespace korva::app
