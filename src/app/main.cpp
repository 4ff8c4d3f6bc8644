// korva: the desktop program.
#include <QApplication>
#include <filesystem>

#include "app/main_form.h"
#include "app/windows/web_preview.h"
#include "settings/ini_settings.h"

int main(int argc, char* argv[]) {
  korva::app::PrepareWebEngine();
  QApplication app(argc, argv);
  korva::app::UseWebEnginePreview();
  QApplication::setApplicationName("KORVA");
  QApplication::setApplicationVersion(KORVA_VERSION);
  const std::filesystem::path program =
      std::filesystem::path(QCoreApplication::applicationFilePath().toStdString());
  korva::app::TAMainForm form(program);
  form.show();
  if (!form.FormShow(korva::UserConfigFolder())) return 1;
  return QApplication::exec();
}
