// The main window's road: start-up, open, generate, the local and web sets,
// edits, dropped files.
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "app_fixture.h"
#include "settings/settings_table.h"

namespace korva::testing {

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartUpGeneratesTheLastMinutes();
  void StartUpWithAMissingMinutesFile();
  void StartUpWithoutSettingsEnds();
  void SavesWhatTheCommandLineSaves();
  void TheRoadFromTheToolBar();
  void EditingTheMainPaneResetsTheGeneratedState();
  void DroppedFiles();
  void EveryToolButtonHasItsHint();
};

void MainWindowTest::StartUpGeneratesTheLastMinutes() {
  AppFolder folder;
  folder.PutTryoutCss();
  const auto minutes = folder.CopySample();
  auto values = folder.FolderSettings();
  values["File/Global"] = minutes.string();
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  // The minutes are open at once; the generation follows half a second later.
  QVERIFY(window.PaneText("EditorMinutesText").find("音羽市議会") != std::string::npos);
  QVERIFY(window.PaneText("EditorHTML").empty());
  QVERIFY(!window.form->findChild<QLabel*>("LabelWarningSettingFolder")->isHidden());
  QCOMPARE(window.Caption(),
           "KORVA （ Ver.14.09.24 ）  【 " + minutes.string() + " 】- [ 14.09.24 ]");
  QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(folder.Html() / "dummy.html"), 5000);
  QVERIFY(window.PaneText("EditorHTML").starts_with("<!DOCTYPE HTML PUBLIC"));
  QVERIFY(window.PaneText("EditorBodyHTML").find("%hol%") == std::string::npos);
  QCOMPARE(window.form->ActiveEditor(), window.Pane("EditorBodyHTML"));
  QCOMPARE(window.Panel(1), std::string(" 保存HTMLﾌｧｲﾙ【 dummy.html 】"));
  QCOMPARE(window.Caption(), "KORVA[ " + minutes.string() + " ] - [ dummy.html ]");
  QVERIFY(window.prompter.informations.empty());
}

void MainWindowTest::StartUpWithAMissingMinutesFile() {
  AppFolder folder;
  auto values = folder.FolderSettings();
  values["File/Global"] = (folder.root() / "gone@x.txt").string();
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  QCOMPARE(window.Caption(), std::string("Velkorin( KORVA ) - [ 14.09.24 ]"));
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab02Project"));
  QCOMPARE(window.Page("PGRight"), std::string("PGRightTab03SpeakerSettings"));
  QCOMPARE(window.Panel(2), std::string("  プロジェクト・ファイルは、【 まだ開いていません 】"));
  Pump(700);
  QVERIFY(window.PaneText("EditorHTML").empty());
}

void MainWindowTest::StartUpWithoutSettingsEnds() {
  AppFolder folder;
  Window window(folder);
  QVERIFY(!window.Start());
  QCOMPARE(window.prompter.warnings,
           std::vector<std::string>{"本ソフトの【 設定ファイル  】が見つかりません"});
}

// Started with nothing but a settings file, the window saves the very bytes
// the command line saves with that file: with the designer's values, and with
// a changed id header, class of first paragraphs and meeting category.
void MainWindowTest::SavesWhatTheCommandLineSaves() {
  struct Case {
    const char* name;
    const char *idHeader, *firstClass, *category;
    std::vector<const char*> present, absent;  // in the saved document
  };
  const Case cases[] = {
      {"designer values", "line-", "firstparagraph", "0", {"id=\"line-0024\""}, {}},
      // Under the trial title table the mayor ("君") is a witness.
      {"changed settings",
       "row-",
       "opening",
       "6",
       {"id=\"row-0024\"", "class=\"opening\"", "<span class=\"witness\">"},
       {"\"line-", "class=\"firstparagraph\""}}};
  for (const Case& c : cases) {
    AppFolder folder;
    auto values = folder.SampleSettings();
    values["CheckBox/ImmediateGo"] = "1";
    values["CheckBox/SaveAtBuild"] = "1";
    values["Sentense/ID_Headers"] = c.idHeader;
    values["Sentense/P_Class_First"] = c.firstClass;
    values["Minutes/Category"] = c.category;
    folder.WriteSettings(values);
    const fs::path saved = folder.Html() / "r0612t1-1.html";
    {
      Window window(folder);
      QVERIFY(window.Start());
      QVERIFY2(window.form
                   ->findChild<QRadioButton*>(QStringLiteral("RadioGroupCategoryItem") + c.category)
                   ->isChecked(),
               c.name);
      QCOMPARE(window.Text("ComboBoxID_Header"), std::string(c.idHeader));
      QTRY_VERIFY_WITH_TIMEOUT(fs::exists(saved), 5000);
    }
    const std::string byWindow = ReadFileBytes(saved).bytes;
    fs::remove(saved);
    const std::string command = std::string(KORVA_CLI_PATH) + " -q --settings '" +
                                (folder.root() / "korva.inf").string() + "' convert '" +
                                values.at("File/Global") + "' > /dev/null";
    QCOMPARE(std::system(command.c_str()), 0);
    QCOMPARE(ReadFileBytes(saved).bytes, byWindow);
    for (const char* piece : c.present) QVERIFY2(byWindow.find(piece) != std::string::npos, piece);
    for (const char* piece : c.absent) QVERIFY2(byWindow.find(piece) == std::string::npos, piece);
  }
}

void MainWindowTest::TheRoadFromTheToolBar() {
  AppFolder folder;
  const auto minutes = folder.CopySample();
  folder.WriteSettings(folder.QuietSettings());
  Window window(folder);
  QVERIFY(window.Start());
  window.prompter.paths.push_back(Utf8ToCp932(minutes.string()));
  window.Trigger("tbOpenFile");
  QCOMPARE(window.prompter.dialogTitles, std::vector<std::string>{"開く"});
  QVERIFY(window.PaneText("EditorMinutesText").find("音羽市議会") != std::string::npos);
  QCOMPARE(window.form->ActiveEditor(), window.Pane("EditorMinutesText"));
  Pump(700);
  QVERIFY2(window.PaneText("EditorHTML").empty(), "no generation without the option");

  window.Trigger("tbMakeHTMLGo");
  QVERIFY(std::filesystem::exists(folder.Html() / "r0612t1-1.html"));
  window.Trigger("tbBuildTwoPane");
  for (const char* suffix : {"-n.html", "-v.html", "-h.html"}) {
    QVERIFY2(std::filesystem::exists(folder.Html() / (std::string("r0612t1-1") + suffix)), suffix);
  }
  window.Trigger("tbMakeWebHTML");
  for (const char* suffix : {"-n.html", "-v.html", "-h.html"}) {
    QVERIFY2(std::filesystem::exists(folder.Web() / (std::string("r0612t1-1") + suffix)), suffix);
  }
  window.Trigger("tbMake2OpenIE");
  QCOMPARE(window.opener.opened.size(), std::size_t{1});
  QVERIFY(window.opener.opened[0].ends_with("r0612t1-1-n.html"));
  QVERIFY(window.prompter.warnings.empty());
}

void MainWindowTest::EditingTheMainPaneResetsTheGeneratedState() {
  AppFolder folder;
  folder.PutTryoutCss();
  folder.WriteSettings(folder.FolderSettings());
  Window window(folder);
  QVERIFY(window.Start());
  QApplication::clipboard()->setText(
      QStringLiteral("会議録\n■開議\n○議長（山田太郎君）　ただいまから会議を開きます。\n■散会\n"));
  window.Trigger("tbMainDocumePaste");
  QVERIFY(window.PaneText("EditorMain").find("山田太郎") != std::string::npos);
  window.Trigger("tbMakeHTMLGo");
  QVERIFY(!window.PaneText("EditorHTML").empty());
  const std::string captionBefore = window.Caption();

  // Typing Japanese on a line keeps the line count: only the text is marked modified.
  window.Trigger("MenuViewMainText");
  app::TRichEditEx* pane = window.Pane("EditorMain");
  pane->setFocus();
  pane->SetCaretToByte(pane->Cp932Text().size());
  QInputMethodEvent typing;
  typing.setCommitString(QStringLiteral("議事"));
  QApplication::sendEvent(pane, &typing);
  QVERIFY(window.form->document().TextModified);
  QVERIFY(!window.PaneText("EditorHTML").empty());
  QCOMPARE(window.Caption(), captionBefore);

  // A new line changes the line count: what was generated goes.
  QTest::keyClick(pane, Qt::Key_Return);
  QVERIFY(window.PaneText("EditorHTML").empty());
  QVERIFY(window.Caption().find("変更されました") != std::string::npos);
  QVERIFY(window.PaneText("EditorMain").find("議事") != std::string::npos);
}

void MainWindowTest::DroppedFiles() {
  AppFolder folder;
  folder.WriteSettings(folder.QuietSettings());
  const auto first = folder.WriteMinutes("一@a.txt", {"■開議", "○議長（山田君）　一つ目。"});
  const auto second = folder.WriteMinutes("二@b.txt", {"■開議", "○議長（山田君）　二つ目。"});
  Window window(folder);
  QVERIFY(window.Start());
  auto drop = [&](const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.form.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.form.get(), &drop);
  };
  drop({QUrl::fromLocalFile(QString::fromStdString(first.string())),
        QUrl::fromLocalFile(QString::fromStdString(second.string()))});
  QVERIFY2(window.PaneText("EditorMinutesText").empty(), "two files at once: nothing");
  drop({QUrl::fromLocalFile(QString::fromStdString(second.string()))});
  QVERIFY(window.PaneText("EditorMinutesText").find("二つ目") != std::string::npos);
  QCOMPARE(window.form->document().HTMLBaseName, std::string("b"));
}

void MainWindowTest::EveryToolButtonHasItsHint() {
  AppFolder folder;
  Window window(folder);
  const std::pair<const char*, const char*> hints[] = {
      {"tbGlobalMaximized", "画面の最大化・通常に戻す "},
      {"tbOpenFile", "【 会議録 】テキスト・ファイルを開く （ 読み込む ） "},
      {"tbMakeHTMLGo", "発言者別に【 色分け表示 】したHTMLを生成する  "},
      {"tbDoWordWrapCOPY", "強制改行を【段落】に変換したテキストをコピーする  "}};
  for (const auto& [name, hint] : hints) {
    QAction* action = window.form->findChild<QAction*>(name);
    QVERIFY2(action, name);
    QCOMPARE(action->toolTip(), QString::fromUtf8(hint));
  }
  const QList<QAction*> buttons = window.form->findChild<QToolBar*>("ToolBar1")->actions();
  QCOMPARE(buttons.size(), 29);
  for (QAction* button : buttons)
    QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::MainWindowTest)
#include "main_window_test.moc"
