#include "app/prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/qt_text.h"

namespace korva::app {

namespace {

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return ToCp932(path);
}

}  // namespace

QString QtFileFilter(const std::string& cp932Filter) {
  const QStringList parts = FromCp932(cp932Filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(' ');
    filters << parts[i] + " (" + patterns + ")";
  }
  return filters.join(";;");
}

void DialogPrompter::Information(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("KORVA"), FromCp932(text));
}

void DialogPrompter::Warning(const std::string& text) {
  QMessageBox::warning(parent_, QStringLiteral("KORVA"), FromCp932(text));
}

bool DialogPrompter::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, QStringLiteral("KORVA"), FromCp932(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> DialogPrompter::ChooseOpenFile(const std::string& title,
                                                          const std::string& filter,
                                                          const std::string& initialFolder) {
  return Chosen(QFileDialog::getOpenFileName(parent_, FromCp932(title), FromCp932(initialFolder),
                                             QtFileFilter(filter)));
}

std::optional<std::string> DialogPrompter::ChooseSaveFile(const std::string& title,
                                                          const std::string& filter,
                                                          const std::string& initialName) {
  return Chosen(QFileDialog::getSaveFileName(parent_, FromCp932(title), FromCp932(initialName),
                                             QtFileFilter(filter)));
}

std::optional<std::string> DialogPrompter::ChooseFolder(const std::string& title,
                                                        const std::string& initialFolder) {
  return Chosen(
      QFileDialog::getExistingDirectory(parent_, FromCp932(title), FromCp932(initialFolder)));
}

}  // namespace korva::app
