// The commands around the settings pages: projects, the meeting category,
// saving the settings, the option panel and the settings menu, and what the
// settings do to the generated document.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>

#include "app/prompter.h"
#include "app_fixture.h"
#include "settings/dialogs.h"
#include "settings/ini_file.h"

namespace korva::testing {

namespace {

namespace fs = std::filesystem;

void SetText(const Window& window, const char* name, const char* text) {
  window.form->findChild<QComboBox*>(name)->setEditText(QString::fromUtf8(text));
}

QRadioButton* Category(const Window& window, int index) {
  return window.form->findChild<QRadioButton*>(
      QStringLiteral("RadioGroupCategoryItem%1").arg(index));
}

std::string Cp932(const fs::path& path) {
  return Utf8ToCp932(path.string());
}

}  // namespace

class SettingsCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ProjectCommands();
  void CategoryChangeReanalysesTheMinutes();
  void SavingTheSettings();
  void OptionPanelAndSettingsMenu();
  void StandardDialogFilters();
  void MissingFoldersShowTheirWarnings();
  void DefaultSettingsKeepEverySpeakersColour();
};

void SettingsCommandsTest::ProjectCommands() {
  AppFolder folder;
  const auto values = folder.SampleSettings();
  const std::string minutes = values.at("File/Global");
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  const fs::path city = folder.root() / "city.mpr";
  const std::string projectFilter =
      Utf8ToCp932("プロジェクト・ファイル（ *.mpr ）|*.mpr|すべてのファイル（*.*）|*.*");

  // Save as: a name ending in ".txt" is saved as ".mpr".
  SetText(window, "ComboBoxClassWSC", "gichou");
  window.prompter.paths.push_back(Cp932(folder.root() / "city.txt"));
  window.Trigger("MenuFileProjectSaveAS");
  QCOMPARE(window.prompter.dialogTitles.back(), std::string("名前を付けて保存"));
  QCOMPARE(window.prompter.dialogFilters.back(), projectFilter);
  QVERIFY(fs::exists(city));
  QVERIFY(!fs::exists(folder.root() / "city.txt"));
  QCOMPARE(SavedValue(city, "Speaker", "WSC"), std::string("gichou"));
  QCOMPARE(window.Panel(2), "  プロジェクト【  " + city.string() + "  】として保存されました");

  // Overwrite writes the current project without asking.
  SetText(window, "ComboBoxClassWSC", "chair2");
  const std::size_t dialogs = window.prompter.dialogTitles.size();
  window.Trigger("tbSaveHTML");
  QVERIFY(window.prompter.questions.empty());
  QCOMPARE(window.prompter.dialogTitles.size(), dialogs);
  QCOMPARE(SavedValue(city, "Speaker", "WSC"), std::string("chair2"));

  window.Trigger("MenuVieConfirmProject");
  QCOMPARE(window.Panel(2), "  プロジェクト【 " + city.string() + "  】を開いています");

  // A new project resets the pages and puts the basic settings in front.
  window.Trigger("MenuFileProjectClear");
  QCOMPARE(window.Text("ComboBoxClassWSC"), std::string("chairperson"));
  QCOMPARE(window.Text("BtnEditRootFolder"), std::string());
  QCOMPARE(window.Panel(2), std::string());
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab02Project"));
  QCOMPARE(window.Page("PGRight"), std::string("PGRightTab03SpeakerSettings"));
  QVERIFY(window.form->findChild<QLabel*>("LabelWarningSettingFolder")->isVisible());

  // Overwriting after a new project asks first: No keeps every file as it was,
  // Yes asks for a name, since there is no project to overwrite.
  window.prompter.answers.push_back(false);
  window.Trigger("tbSaveHTML");
  QCOMPARE(window.prompter.questions, std::vector<std::string>{"本当に保存してもいいですか？"});
  QCOMPARE(window.prompter.dialogTitles.size(), dialogs);
  QCOMPARE(SavedValue(city, "Speaker", "WSC"), std::string("chair2"));
  window.prompter.answers.push_back(true);
  window.prompter.paths.push_back(Cp932(folder.root() / "fresh"));
  window.Trigger("MenuFileProjectSaveOverwrite");
  QCOMPARE(window.prompter.questions.size(), std::size_t{2});
  QVERIFY(fs::exists(folder.root() / "fresh.mpr"));
  QCOMPARE(SavedValue(folder.root() / "fresh.mpr", "Speaker", "WSC"), std::string("chairperson"));
  QCOMPARE(window.Panel(2), "  プロジェクト【  " + (folder.root() / "fresh.mpr").string() +
                                "  】として保存されました");

  // Opening a project brings its settings into the pages and its minutes back.
  window.prompter.paths.push_back(Cp932(city));
  window.Trigger("MenuFileProjectOpen");
  QCOMPARE(window.prompter.dialogTitles.back(), std::string("開く"));
  QCOMPARE(window.prompter.dialogFilters.back(), projectFilter);
  QCOMPARE(window.Text("ComboBoxClassWSC"), std::string("chair2"));
  QCOMPARE(window.Text("BtnEditRootFolder"), folder.root().string() + "/");
  QCOMPARE(window.Panel(2), "  プロジェクト【 " + city.string() + "  】を開いています");
  QVERIFY(window.PaneText("EditorMinutesText").find("音羽市議会") != std::string::npos);

  // The settings file remembers the last project and the last minutes.
  window.Trigger("ManuSettingsSave");
  const fs::path inf = folder.root() / "korva.inf";
  QCOMPARE(SavedValue(inf, "File", "Project"), city.string());
  QCOMPARE(SavedValue(inf, "File", "Global"), minutes);
}

void SettingsCommandsTest::CategoryChangeReanalysesTheMinutes() {
  AppFolder folder;
  const auto minutes =
      folder.WriteMinutes("court@c1.txt", {"■開廷", "裁判長（山田太郎君）　開廷します。", "■閉廷"});
  auto values = folder.FolderSettings();
  values["File/Global"] = minutes.string();
  values["CheckBox/ImmediateGo"] = "0";
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  const LineTable& table = window.form->document().MinutesTextStringGrid;
  QCOMPARE(std::string(table.Row(2).CategoryCode), std::string("5"));

  struct Case {
    int category;
    const char* code;
    const char* mayorClass;  // WDC, the slot of code 1
    const char* bfcMark;
  };
  const Case cases[] = {
      {6, "1", "chiefjudge", "●"}, {0, "5", "mayor", "※"}, {1, "5", "primeminister", "※"}};
  for (const Case& c : cases) {
    Category(window, c.category)->click();
    QCOMPARE(std::string(table.Row(2).CategoryCode), std::string(c.code));
    QCOMPARE(window.Text("ComboBoxClassWDC"), std::string(c.mayorClass));
    QCOMPARE(window.Text("ComboBoxMarkBFC"), std::string(c.bfcMark));
    QCOMPARE(window.form->settings().RadioGroupCategory, c.category);
    // The document follows: the speaker of code 1 has the new class.
    const bool generated =
        window.PaneText("EditorHTML").find(std::string("\"") + c.mayorClass) != std::string::npos;
    QVERIFY2(generated == (std::string(c.code) == "1"), c.mayorClass);
    QCOMPARE(window.Page("PGRight"), std::string("PGRightTab03SpeakerSettings"));
  }

  // Clicking the category already chosen keeps what the user typed.
  SetText(window, "ComboBoxClassWDC", "headofstate");
  Category(window, 1)->click();
  QCOMPARE(window.Text("ComboBoxClassWDC"), std::string("headofstate"));

  // A category that comes with settings (a project) selects the item without the preset.
  SetText(window, "ComboBoxClassWSC", "presiding");
  window.prompter.paths.push_back(Cp932(folder.root() / "trial.mpr"));
  window.Trigger("MenuFileProjectSaveAS");
  IniFile project = IniFile::Parse(ReadFileBytes(folder.root() / "trial.mpr").bytes);
  project.Set("Minutes", "Category", "6");
  std::ofstream(folder.root() / "trial.mpr", std::ios::binary) << project.Serialize();
  window.prompter.paths.push_back(Cp932(folder.root() / "trial.mpr"));
  window.Trigger("MenuFileProjectOpen");
  QVERIFY(Category(window, 6)->isChecked());
  QCOMPARE(window.Text("ComboBoxClassWSC"), std::string("presiding"));
  QCOMPARE(std::string(table.Row(2).CategoryCode), std::string("1"));
}

void SettingsCommandsTest::SavingTheSettings() {
  AppFolder folder;
  folder.WriteSettings(folder.FolderSettings());
  const fs::path inf = folder.root() / "korva.inf";
  std::ofstream(inf, std::ios::binary | std::ios::app) << Utf8ToCp932("[Extra]\r\nkeep=残す\r\n");
  Window window(folder);
  QVERIFY(window.Start());
  window.form->findChild<QAction*>("MenuSettingsReInitialize")->setChecked(true);
  window.form->findChild<QCheckBox*>("CheckBoxBindCSS")->setChecked(true);
  window.Trigger("tbSettingsSave");
  QCOMPARE(SavedValue(inf, "CheckBox", "BindCSS"), std::string("1"));
  QCOMPARE(SavedValue(inf, "Extra", "keep"), std::string("残す"));
  QCOMPARE(SavedValue(inf, "Menu", "Initialload"), std::string("0"));
  QVERIFY(!window.form->findChild<QAction*>("MenuSettingsReInitialize")->isChecked());
  for (const auto& entry : fs::directory_iterator(folder.root())) {
    QVERIFY2(!entry.path().filename().string().starts_with(".korva.inf"),
             "a temporary file is left");
  }

  // A file name typed on the page is saved at every change, and typing goes
  // on where the caret stands.
  QLineEdit* name = window.form->findChild<QComboBox*>("ComboBoxHTMLFile")->lineEdit();
  name->setText("ab");
  name->setFocus();
  name->setCursorPosition(1);
  QTest::keyClicks(name, "XY");
  QCOMPARE(name->text(), QStringLiteral("aXYb"));
  QCOMPARE(SavedValue(inf, "Local", "Html"), std::string("aXYb"));
  QCOMPARE(SavedValue(inf, "HTML", "SaveFile"), std::string("aXYb"));

  // The window-position command writes its own keys and nothing else.
  window.form->findChild<QCheckBox*>("CheckBoxBindCSS")->setChecked(false);
  window.form->resize(1111, 777);
  window.Trigger("MenuSettingsThisPositionAndSize");
  QCOMPARE(SavedValue(inf, "FormPosition", "Width"), std::string("1111"));
  QCOMPARE(SavedValue(inf, "FormPosition", "Height"), std::string("777"));
  QCOMPARE(SavedValue(inf, "Pane", "Width"),
           std::to_string(window.form->findChild<QWidget*>("PGLeft")->width()));
  QCOMPARE(SavedValue(inf, "CheckBox", "BindCSS"), std::string("1"));

  // A save that cannot be done says why and leaves what was there.
  fs::remove(inf);
  fs::create_directory(inf);
  window.Trigger("ManuSettingsSave");
  QCOMPARE(window.prompter.warnings.size(), std::size_t{1});
  const std::string& message = window.prompter.warnings.front();
  QVERIFY(message.starts_with("【 " + inf.string() + " 】を保存できませんでした。"));
  QVERIFY(message.ends_with("前のファイルは、そのまま残っています。"));
  QVERIFY(fs::is_directory(inf));
}

void SettingsCommandsTest::OptionPanelAndSettingsMenu() {
  AppFolder folder;
  folder.WriteSettings(folder.FolderSettings());
  const fs::path inf = folder.root() / "korva.inf";
  Window window(folder);
  QVERIFY(window.Start());
  SetText(window, "ComboBoxClassWSC", "custom");

  // "初期状態に戻す" from the panel runs the menu's command: reset and saved at once.
  window.form->findChild<QPushButton*>("sbOptionReInitialize")->click();
  QCOMPARE(window.Text("ComboBoxClassWSC"), std::string("chairperson"));
  QCOMPARE(window.Text("BtnEditRootFolder"), std::string());
  QVERIFY(window.form->findChild<QAction*>("MenuSettingsReInitialize")->isChecked());
  QCOMPARE(SavedValue(inf, "Menu", "Initialload"), std::string("1"));
  QCOMPARE(SavedValue(inf, "Speaker", "WSC"), std::string("chairperson"));
  QCOMPARE(window.Page("PGRight"), std::string("PGRightTab03SpeakerSettings"));

  window.form->findChild<QCheckBox*>("CheckBoxDontHighlight")->setChecked(true);
  window.form->findChild<QPushButton*>("sbOptionSettingsSave")->click();
  QCOMPARE(SavedValue(inf, "Menu", "Initialload"), std::string("0"));
  QCOMPARE(SavedValue(inf, "CheckBox", "DontHighlight"), std::string("1"));

  // The default folder: set with the folder picker, shown, removed.
  window.prompter.paths.push_back(Cp932(folder.Web()));
  window.Trigger("MenuSettingsSetDefautFolder");
  QCOMPARE(window.prompter.dialogTitles.back(), std::string("フォルダの指定"));
  QCOMPARE(window.Panel(2), " 規定ﾌｫﾙﾀﾞｰ【 " + folder.Web().string() + "/ 】");
  window.form->statusBar()->findChild<QLabel*>("StatusBarGlobalPanel2")->clear();
  window.Trigger("MenuSettingsViewDefaultFolder");
  QCOMPARE(window.Panel(2), " 規定ﾌｫﾙﾀﾞｰ【 " + folder.Web().string() + "/ 】");
  window.Trigger("MenuSettingsRemoveDefaultFolder");
  QCOMPARE(window.Panel(2), std::string(" 規定ﾌｫﾙﾀﾞｰ【  】"));
}

void SettingsCommandsTest::StandardDialogFilters() {
  struct Case {
    DialogKind kind;
    const char *title, *qtFilter;
  };
  const Case cases[] = {
      {DialogKind::ProjectOpen, "開く",
       "プロジェクト・ファイル（ *.mpr ） (*.mpr);;すべてのファイル（*.*） (*.*)"},
      {DialogKind::ProjectSave, "名前を付けて保存",
       "プロジェクト・ファイル（ *.mpr ） (*.mpr);;すべてのファイル（*.*） (*.*)"},
      {DialogKind::HeadIncludeOpen, "開く",
       "HeadIncludeファイル（ *.hin ） (*.hin);;すべてのファイル（*.*） (*.*)"},
      {DialogKind::HtmlSave, "名前を付けて保存",
       "ＨＴＭＬファイル（ *.html/htm ） (*.html *.htm);;すべてのファイル（*.*） (*.*)"},
      {DialogKind::CssSave, "名前を付けて保存",
       "CSSファイル（ *.css ） (*.css);;すべてのファイル（*.*） (*.*)"}};
  for (const Case& c : cases) {
    const FileDialog& dialog = StandardDialog(c.kind);
    QCOMPARE(Cp932ToUtf8Lossy(dialog.title), std::string(c.title));
    QCOMPARE(app::QtFileFilter(dialog.filter), QString::fromUtf8(c.qtFilter));
  }
}

void SettingsCommandsTest::MissingFoldersShowTheirWarnings() {
  AppFolder folder;
  auto values = folder.SampleSettings();
  values["Web/Folder"] = "";
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  auto* local = window.form->findChild<QLabel*>("LabelWarningSettingFolder");
  auto* web = window.form->findChild<QLabel*>("LabelWarningSettingWebFolder");

  window.Trigger("tbMakeHTMLGo");
  QVERIFY(local->isHidden());
  window.Trigger("tbMakeWebHTML");
  QVERIFY(!web->isHidden());
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab05WebHEAD"));

  fs::remove_all(folder.Html());
  window.Trigger("tbMakeHTMLGo");
  QVERIFY(!local->isHidden());
  QVERIFY(web->isHidden());
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab02Project"));
  QCOMPARE(window.Text("BtnEditHTMLSaveFolder"), std::string());
}

// With the settings a new clerk starts with, an alternate paragraph keeps
// its speaker's class, which the bundled style sheet colours.
void SettingsCommandsTest::DefaultSettingsKeepEverySpeakersColour() {
  const std::string sheet = ReadFileBytes(fs::path(SourceDir()) / "examples/css/minutes.css").bytes;
  AppFolder folder;
  folder.WriteSettings(folder.SampleSettings());
  Window window(folder);
  QVERIFY(window.Start());
  QVERIFY(window.form->findChild<QCheckBox*>("CheckBoxBGColorSpeakerBy")->isChecked());
  QVERIFY(window.form->height() >= 800);
  window.Trigger("tbMakeHTMLGo");
  const QString html = QString::fromStdString(window.PaneText("EditorHTML"));
  int alternates = 0;
  auto spans = QRegularExpression("<span class=\"([^\"]+)\">").globalMatch(html);
  while (spans.hasNext()) {
    const QString name = spans.next().captured(1);
    QVERIFY2(name != "alt", "an alternate paragraph lost its speaker");
    if (!name.endsWith("-alt")) continue;
    ++alternates;
    QVERIFY2(sheet.find(", span." + name.toStdString() + " ") != std::string::npos,
             qPrintable(name));
  }
  QVERIFY(alternates > 0);
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::SettingsCommandsTest)
#include "settings_commands_test.moc"
