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

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/editor/pane_search_bar.h"
#include "app/main_form.h"
#include "app/tab_pages.h"
#include "app/windows/about_box.h"
#include "app/windows/base_conv.h"
#include "app/windows/color_form.h"
#include "app/windows/key_list.h"
#include "app/windows/source_window.h"
#include "app/windows/tool_windows.h"
#include "app/windows/web_preview.h"
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
  korva::app::PrepareWebEngine();
  QApplication app(argc, argv);
  korva::app::UseWebEnginePreview();
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
  // The local set links the sample style sheet, which lays out its two panes.
  std::filesystem::create_directories(root / "html/css");
  std::filesystem::copy_file(source / "examples/css/minutes.css", root / "html/css/minutes.css");
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
  set("css=", "css/minutes.css");
  set("[Local]\r\nRoot=" + root.string() + "/\r\nSave=" + folder + "\r\nFolder=", folder);
  // A head include, so that its page has something to show.
  std::ofstream(root / "head.hin", std::ios::binary)
      << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n"
         "<head>\r\n<title>@title@</title>\r\n<link rel=\"stylesheet\" href=\"@css@\">\r\n"
         "</head>\r\n<body>\r\n";
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

  // The tool windows.
  korva::app::ToolWindows& tools = form.Tools();
  form.tbNewWindowForHTMLSrcClick();
  korva::app::TFormSOTSource* sourceWindow = tools.Source();
  sourceWindow->Search()->FindBox()->setEditText(QStringLiteral("議長　市長"));
  sourceWindow->Search()->Search();
  Wait(300);
  ok = Save(*sourceWindow, out, "source-window") && ok;
  sourceWindow->close();
  form.tbColorPalleteClick();
  auto* names = tools.Palette()->findChild<QListWidget*>("ListBoxColorName");
  names->setCurrentItem(
      names->findItems(QStringLiteral("mediumpurple"), Qt::MatchExactly).value(0));
  names->scrollToItem(names->currentItem(), QAbstractItemView::PositionAtCenter);
  Wait(300);
  ok = Save(*tools.Palette(), out, "color-palette") && ok;
  tools.Palette()->close();
  form.MenuToolBaseConvClick();
  tools.BaseConverter()->Box(10)->setText(QStringLiteral("2024"));
  emit tools.BaseConverter()->Box(10)->textEdited(QStringLiteral("2024"));
  Wait(200);
  ok = Save(*tools.BaseConverter(), out, "base-converter") && ok;
  tools.BaseConverter()->close();
  form.MenuOtherKeyListClick();
  Wait(200);
  ok = Save(*tools.KeyList(), out, "key-list") && ok;
  tools.KeyList()->close();
  form.MenuOtherAboutClick();
  Wait(200);
  ok = Save(*tools.About(), out, "about-box") && ok;
  tools.About()->close();

  // The browser preview of the document and of the local set's vertical page.
  form.resize(1400, 900);
  form.tbBuildTwoPaneClick();
  form.MenuToolPreviewClick();
  form.findChild<QAbstractButton*>("RadioPreviewVertical")->click();
  Wait(4000);
  ok = Save(form, out, "preview") && ok;

  // The forced-line-break tool: text copied out of a PDF, joined into paragraphs.
  QApplication::clipboard()->setText(QString::fromUtf8(
      "- 12 -\n"
      "○議長（山田太郎君）　ただいまから本日の会議を開きます。本日の議事日程は、お手元に\n"
      "配付のとおりであります。日程第１、会議録署名議員の指名を行います。会議録署名議員\n"
      "には、会議規則第８８条の規定により、議長において指名いたします。\n"
      "○市長（鈴木一郎君）　お答えいたします。\n"));
  form.tbForWordWrapCopyFromClipbdClick();
  form.tbDoWordWrapClick();
  Wait(300);
  ok = Save(form, out, "forced-breaks") && ok;

  // The preparation's proposal on real minutes as a minutes system exported them.
  form.OpenDroppedFile(QString::fromStdString(
      (source / "tests/data/corpus/02_katsushika_ward_plenary_2025-02-14.txt").string()));
  Wait(800);
  bool dialogShot = false;
  QTimer::singleShot(500, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialogShot = Save(*dialog, out, "prepare-dialog");
      dialog->close();
    }
  });
  form.findChild<QAction*>("tbPrepareMinutes")->trigger();
  Wait(100);
  return ok && dialogShot ? 0 : 1;
}
