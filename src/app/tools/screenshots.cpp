// korva-screenshots: opens the bundled sample in the main window, generates,
// and saves pictures of the main pages, for the README and for looking at
// the window without a display (QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iostream>

#include <QAction>

#include "app/main_form.h"
#include "app/tab_pages.h"
#include "session/files.h"
#include "text/codec.h"

namespace {

void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(QWidget& window, const QDir& out, const QString& name) {
  const QString path = out.filePath(name + ".png");
  if (!window.grab().save(path)) {
    std::cerr << "korva-screenshots: cannot write " << path.toStdString() << "\n";
    return false;
  }
  std::cout << path.toStdString() << "\n";
  return true;
}

// Brings a page forward as a click on its tab does, so the window takes the
// layout that page asks for.
void ChoosePage(QWidget& window, const QString& name) {
  for (auto* control : window.findChildren<korva::app::PageControl*>()) {
    for (int i = 0; i < control->count(); ++i) {
      if (control->widget(i)->objectName() != name) continue;
      // A page already in front is left and chosen again, so its layout applies.
      if (control->currentIndex() == i) control->setCurrentIndex(i == 0 ? 1 : 0);
      control->setCurrentIndex(i);
    }
  }
  Wait(300);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: korva-screenshots SOURCE_DIR OUTPUT_DIR\n";
    return 2;
  }
  const std::filesystem::path source = argv[1];
  const QDir out(QString::fromLocal8Bit(argv[2]));
  QDir().mkpath(out.path());
  QTemporaryDir work;
  const std::filesystem::path root = work.path().toStdString();
  const std::string minutesName = "令和６年第１回定例会「本会議」@r0612t1-1.txt";
  std::filesystem::create_directories(root / "html");
  std::filesystem::copy_file(source / "examples" / minutesName, root / minutesName);
  std::filesystem::copy_file(source / "examples/css/tryout.css", root / "html/tryout.css");
  // The default settings with the sample and a folder for everything generated.
  std::string settings = korva::ReadFileBytes(source / "examples/korva.inf").bytes;
  const std::string folder = (root / "html").string() + "/";
  auto set = [&](const std::string& line, const std::string& value) {
    const std::size_t at = settings.find(line + "\r\n");
    if (at != std::string::npos) settings.replace(at, line.size(), line + value);
  };
  set("Global=", korva::Utf8ToCp932((root / minutesName).string()));
  set("Root=", root.string() + "/");
  set("Save=", folder);
  set("[Local]\r\nRoot=" + root.string() + "/\r\nSave=" + folder + "\r\nFolder=", folder);
  // A style sheet and a head include, so that their pages have something to show.
  std::filesystem::create_directories(root / "html/css");
  std::filesystem::copy_file(source / "examples/css/minutes.css", root / "html/css/minutes.css");
  std::ofstream(root / "head.hin", std::ios::binary)
      << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n"
         "<head>\r\n<title>@title@</title>\r\n<link rel=\"stylesheet\" href=\"@css@\">\r\n"
         "</head>\r\n<body>\r\n";
  set("css=", "css/minutes.css");
  set("Head=", (root / "head.hin").string());
  std::ofstream(root / "korva.inf", std::ios::binary) << settings;

  korva::app::TAMainForm form(root / "korva");
  form.show();
  if (!form.FormShow(std::nullopt)) return 1;
  form.resize(1400, 900);
  Wait(1500);
  bool ok = Save(form, out, "main-window");
  korva::app::ShowPageByName(&form, "PGRightTab01HTML");
  Wait(300);
  ok = Save(form, out, "html-panes") && ok;
  korva::app::ShowPageByName(&form, "PGRightTab02TextGrid");
  Wait(300);
  ok = Save(form, out, "line-table") && ok;
  korva::app::ShowPageByName(&form, "PageControlGlobalTab03Marks");
  Wait(300);
  ok = Save(form, out, "help-block-marks") && ok;
  korva::app::ShowPageByName(&form, "PageControlGlobalTab01Main");
  // Every settings page, as a click on its tab shows it.
  const char* const pages[][2] = {
      {"PGLeftTab02Project", "settings-basic"},
      {"PGLeftTab03LocalSetting", "settings-local"},
      {"PGLeftTab05WebHEAD", "settings-web"},
      {"PGLeftTab03SpeakerClass", "settings-speaker-class"},
      {"PGLeftTab05Roster", "settings-roster"},
      {"PGLeftTab14Doc", "settings-document"},
      {"PGLeftTab11MWarningAndError", "settings-warnings"},
      {"PGLeftTab13HTMLHEAD", "settings-html-head"},
      {"PGRightTab03SpeakerSettings", "settings-speakers"},
      {"PGRightTab08LocalInclude", "settings-local-include"},
      {"PGRightTab09WebInclude", "settings-web-include"},
      {"PGRightTab12SidelinkInclude", "settings-sidelink-include"},
      {"PGRightTab04CSSJS", "settings-css"},
  };
  for (const auto& [page, picture] : pages) {
    ChoosePage(form, page);
    ok = Save(form, out, picture) && ok;
  }
  // Start-up leaves the panel marked open at its folded height: the first click folds it.
  form.findChild<QAction*>("tbOpenProjectPanel")->trigger();
  form.findChild<QAction*>("tbOpenProjectPanel")->trigger();
  Wait(300);
  ok = Save(form, out, "option-panel") && ok;
  return ok ? 0 : 1;
}
