#include "app/window_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>

#include "app/qt_text.h"
#include "app/tab_pages.h"
#include "tools/browser_commands.h"

namespace korva::app {

QString StatusPanelName(int panel) {
  return QStringLiteral("StatusBarGlobalPanel%1").arg(panel);
}

WindowUi::WindowUi(QMainWindow& window, Prompter& prompter, HtmlOpener& opener)
    : window_(window), prompter_(&prompter), opener_(&opener) {}

void WindowUi::Beep() {
  QApplication::beep();
}

void WindowUi::Information(const std::string& text) {
  prompter_->Information(text);
}

void WindowUi::Warning(const std::string& text) {
  prompter_->Warning(text);
}

bool WindowUi::AskYesNo(const std::string& text) {
  return prompter_->AskYesNo(text);
}

void WindowUi::SetStatusPanel(int panel, const std::string& text) {
  if (auto* label = window_.findChild<QLabel*>(StatusPanelName(panel))) {
    label->setText(FromCp932(text));
  }
}

void WindowUi::SetCaption(const std::string& text) {
  window_.setWindowTitle(FromCp932(text));
}

void WindowUi::ShowPage(const std::string& pageName) {
  ShowPageByName(&window_, QString::fromStdString(pageName));
}

void WindowUi::SetLabelVisible(const std::string& labelName, bool visible) {
  if (auto* label = window_.findChild<QWidget*>(QString::fromStdString(labelName))) {
    label->setVisible(visible);
  }
}

void WindowUi::SetWaitCursor(bool waiting) {
  if (waiting == waiting_) return;
  waiting_ = waiting;
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::optional<std::string> WindowUi::ChooseOpenFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialFolder) {
  return prompter_->ChooseOpenFile(title, filter, initialFolder);
}

std::optional<std::string> WindowUi::ChooseSaveFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialName) {
  return prompter_->ChooseSaveFile(title, filter, initialName);
}

std::optional<std::string> WindowUi::ChooseFolder(const std::string& title,
                                                  const std::string& initialFolder) {
  return prompter_->ChooseFolder(title, initialFolder);
}

std::string WindowUi::ClipboardText() {
  return ToCp932(QGuiApplication::clipboard()->text());
}

void WindowUi::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(FromCp932(text));
}

void WindowUi::OpenInBrowser(const std::string& path) {
  ShowGeneratedFile(*opener_, path);
}

}  // namespace korva::app
