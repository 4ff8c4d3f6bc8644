// The settings pages: every setting of the table has its control, values go
// from a settings file into the controls and from the controls into a file,
// the pick buttons run their rules, and the labels, memos and counts show
// what the core holds.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <set>

#include "app/settings_binding.h"
#include "app/tab_pages.h"
#include "app/widgets/btn_edit.h"
#include "app_fixture.h"
#include "settings/ini_file.h"
#include "settings/ini_settings.h"
#include "settings/settings_table.h"
#include "support/recording_ui.h"
#include "text/path_text.h"

namespace korva::testing {

namespace {

namespace fs = std::filesystem;

// Rows of the table that are not controls of the window, and why.
const std::map<std::string_view, const char*> kNotControls = {
    {"SavedProjectFileName", "the last project: the settings file remembers it"},
    {"SavedDefaultFolder", "the default folder: shown in the status bar"},
    {"SavedMinutesFileName", "the last minutes file: reopened at start-up"},
    {"PaneWidth", "the width of PGLeft: window geometry"},
    {"FormPositionTop", "window geometry"},
    {"FormPositionLeft", "window geometry"},
    {"FormPositionWidth", "window geometry"},
    {"FormPositionHeight", "window geometry"},
};
// Controls of the forced-line-break panel, which comes with the tool windows:
// they may be missing, but when they are there they must be of their kind.
const std::set<std::string_view> kForcedBreakPanel = {"SpinEditLowerLimit", "SpinEditLineLimit",
                                                      "CheckBoxRemoveHSP", "CheckBoxChageHSP"};

QString NameOf(const SettingRow& row) {
  return QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

// What is wrong with the control of a row; empty when nothing is.
QString ControlProblem(const QWidget& window, const SettingRow& row) {
  const QString name = NameOf(row);
  const QList<QWidget*> widgets = window.findChildren<QWidget*>(name);
  const QList<QAction*> actions = window.findChildren<QAction*>(name);
  if (widgets.size() + actions.size() != 1) {
    return QStringLiteral("%1 controls").arg(widgets.size() + actions.size());
  }
  QObject* control = widgets.isEmpty() ? static_cast<QObject*>(actions.front()) : widgets.front();
  switch (KindOf(row)) {
    case SettingKind::String: {
      if (qobject_cast<QLineEdit*>(control)) return {};
      auto* combo = qobject_cast<QComboBox*>(control);
      return combo && combo->isEditable() ? QString() : QStringLiteral("no edit or editable combo");
    }
    case SettingKind::Integer: {
      const IntRange range = row.range;
      if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        return spin->minimum() == range.low && spin->maximum() == range.high
                   ? QString()
                   : QStringLiteral("spin range %1..%2").arg(spin->minimum()).arg(spin->maximum());
      }
      if (auto* group = qobject_cast<QGroupBox*>(control)) {
        const auto items =
            group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        return range.low == 0 && items.size() == range.high + 1
                   ? QString()
                   : QStringLiteral("%1 radio items").arg(items.size());
      }
      return QStringLiteral("no spin edit or radio group");
    }
    case SettingKind::Boolean: {
      if (qobject_cast<QCheckBox*>(control)) return {};
      auto* action = qobject_cast<QAction*>(control);
      return action && action->isCheckable() ? QString() : QStringLiteral("no check box");
    }
  }
  return {};
}

bool IsSavedControl(const SettingRow& row) {
  return !row.section.empty() && row.rule != ReadRule::NotRead && !kNotControls.contains(row.name);
}

// A value for every saved control: variant 0 differs from the defaults,
// variant 1 from variant 0; integers on the ends of their ranges, paths that
// exist (under `base`) so that reading keeps them.
Settings ValuesFor(const fs::path& base, int variant) {
  const Settings defaults;
  Settings values;
  for (const SettingRow& row : SettingsTable()) {
    if (!IsSavedControl(row)) continue;
    const std::string name(row.name);
    std::string text;
    switch (KindOf(row)) {
      case SettingKind::Boolean:
        text = (SettingValueText(defaults, row) == "1") == (variant == 0) ? "0" : "1";
        break;
      case SettingKind::Integer: {
        const IntRange range = row.range;
        text = std::to_string(variant == 0 ? range.high : std::max(range.low, 1));
        break;
      }
      case SettingKind::String:
        if (row.rule == ReadRule::FolderMustExist) {
          fs::create_directories(base / name);
          text = (base / name).string() + "/";
        } else if (row.rule == ReadRule::FileMustExist) {
          fs::create_directories(base);
          std::ofstream(base / (name + ".hin")) << "<title>@title@</title>\r\n";
          text = (base / (name + ".hin")).string();
        } else if (row.rule == ReadRule::RelativeTo3FileFolder) {
          const fs::path three(values.BtnEdit3FileFolder);
          fs::create_directories(three / "sub");
          std::ofstream(three / "sub" / (name + ".html")) << "x";
          text = "sub/" + name + ".html";
        } else {
          text = Utf8ToCp932("値" + std::to_string(variant) + "・" + name);
        }
        break;
    }
    if (auto error = SetSettingFromText(values, row, text)) qFatal("%s", error->c_str());
  }
  return values;
}

// Sets a control by its kind, as a user would leave it.
void SetControl(QWidget& window, const SettingRow& row, const std::string& text) {
  const QString name = NameOf(row);
  if (auto* action = window.findChild<QAction*>(name)) {
    action->setChecked(text == "1");
  } else if (auto* edit = window.findChild<QLineEdit*>(name)) {
    edit->setText(QString::fromStdString(Cp932ToUtf8Lossy(text)));
  } else if (auto* combo = window.findChild<QComboBox*>(name)) {
    combo->setEditText(QString::fromStdString(Cp932ToUtf8Lossy(text)));
  } else if (auto* spin = window.findChild<QSpinBox*>(name)) {
    spin->setValue(std::stoi(text));
  } else if (auto* check = window.findChild<QCheckBox*>(name)) {
    check->setChecked(text == "1");
  } else if (auto* group = window.findChild<QGroupBox*>(name)) {
    group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)
        .at(std::stoi(text))
        ->setChecked(true);
  }
}

bool HasControl(const QWidget& window, const SettingRow& row) {
  return window.findChild<QObject*>(NameOf(row)) != nullptr;
}

// Every saved control of the window with its value, one "name=value" line
// each: the values the controls show, or `values`.
std::vector<std::string> Lines(const QWidget& window, const Settings* values = nullptr) {
  Settings shown;
  app::ReadSettingsFromControls(window, shown);
  std::vector<std::string> lines;
  for (const SettingRow& row : SettingsTable()) {
    if (!IsSavedControl(row) || !HasControl(window, row)) continue;
    lines.push_back(std::string(row.name) + "=" + SettingValueText(values ? *values : shown, row));
  }
  return lines;
}

void CompareLines(const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected) {
  QCOMPARE(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    QCOMPARE(QString::fromStdString(actual[i]), QString::fromStdString(expected[i]));
  }
}

std::string SavedValue(const fs::path& file, const char* section, const char* key) {
  const auto value = IniFile::Parse(ReadFileBytes(file).bytes).Get(section, key);
  return value ? Cp932ToUtf8Lossy(*value) : "<missing>";
}

std::string Text(const QWidget& window, const char* name) {
  if (auto* edit = window.findChild<QLineEdit*>(name)) return edit->text().toStdString();
  if (auto* combo = window.findChild<QComboBox*>(name)) return combo->currentText().toStdString();
  if (auto* label = window.findChild<QLabel*>(name)) return label->text().toStdString();
  if (auto* memo = window.findChild<QPlainTextEdit*>(name))
    return memo->toPlainText().toStdString();
  qFatal("no control %s", name);
}

std::string CurrentPage(const QWidget& window, const char* control) {
  return window.findChild<QTabWidget*>(control)->currentWidget()->objectName().toStdString();
}

// Brings forward the page a control stands on and clicks the button inside it.
void ClickButtonOf(QWidget& window, const char* name) {
  auto* edit = window.findChild<app::TBtnEdit*>(name);
  QVERIFY2(edit, name);
  for (QWidget* parent = edit; parent; parent = parent->parentWidget()) {
    if (!parent->objectName().isEmpty() && app::ShowPageByName(&window, parent->objectName()))
      break;
  }
  QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->ButtonRect().center());
}

}  // namespace

class SettingsPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void EverySettingHasItsControl();
  void SettingsRoundTripThroughTheControls();
  void PickButtonsRunTheirRules();
  void BtnEditButtonInsideItsRightEdge();
  void ClearButtonsAndSamples();
  void HeadIncludeReachesTheDocument();
  void WarningsPageCountsTheMarks();
  void StyleSheetPaneOpensAndSaves();
};

void SettingsPagesTest::EverySettingHasItsControl() {
  AppFolder folder;
  Window window(folder);
  for (const SettingRow& row : SettingsTable()) {
    if (kNotControls.contains(row.name)) continue;
    const QString problem = ControlProblem(*window.form, row);
    if (kForcedBreakPanel.contains(row.name) && problem == "0 controls") continue;
    QVERIFY2(problem.isEmpty(), qPrintable(NameOf(row) + ": " + problem));
  }
  // Where the controls stand.
  const std::pair<const char*, const char*> places[] = {
      {"BtnEditRootFolder", "PGLeftTab02Project"},
      {"LabelWarningSettingFolder", "PGLeftTab02Project"},
      {"BtnEditLocalReturn2list", "PGLeftTab03LocalSetting"},
      {"BtnEditWebHTMLFolder", "PGLeftTab05WebHEAD"},
      {"LabelWarningSettingWebFolder", "PGLeftTab05WebHEAD"},
      {"ComboBoxP_Class_First", "PGLeftTab03SpeakerClass"},
      {"ListBoxMunicipalRoster", "PGLeftTab03SpeakerClass"},
      {"SpinEditShimeiPos2", "PGLeftTab05Roster"},
      {"SpinEditDocumentColorCount", "PGLeftTab14Doc"},
      {"LabelParagraphEndCnt", "PGLeftTab11MWarningAndError"},
      {"BtnEditHEADTitle", "PGLeftTab13HTMLHEAD"},
      {"RadioGroupCategory", "PGRightTab03SpeakerSettings"},
      {"ComboBoxMarkWTD", "PGRightTab03SpeakerSettings"},
      {"MemoLocalTopFrameInclude", "PGRightTab08LocalInclude"},
      {"MemoWebHeadInclude", "PGRightTab09WebInclude"},
      {"MemoWebSidelinkInclude", "PGRightTab12SidelinkInclude"},
      {"EditorCSS", "PGRightTab04CSSJS"},
      {"CheckBoxImmediateGo", "PanelSettingProject"},
  };
  for (const auto& [control, page] : places) {
    auto* widget = window.form->findChild<QWidget*>(control);
    QVERIFY2(widget, control);
    QVERIFY2(window.form->findChild<QWidget*>(page)->isAncestorOf(widget), control);
  }
}

// Values go from a settings file into the controls; what the controls hold
// goes into a new file, which a fresh window shows again.
void SettingsPagesTest::SettingsRoundTripThroughTheControls() {
  AppFolder folder;
  const Settings first = ValuesFor(folder.root() / "first", 0);
  const Settings second = ValuesFor(folder.root() / "second", 1);
  {
    Settings written = first;
    Document doc;
    RecordingUi ui;
    QCOMPARE(SaveIniSettings(FromFsPath(folder.root() / "korva.inf"), written, doc, ui), 0);
  }
  Window window(folder);
  QVERIFY(window.Start());
  CompareLines(Lines(*window.form), Lines(*window.form, &first));

  for (const SettingRow& row : SettingsTable()) {
    if (IsSavedControl(row) && HasControl(*window.form, row)) {
      SetControl(*window.form, row, SettingValueText(second, row));
    }
  }
  window.prompter.paths.push_back(Utf8ToCp932((folder.root() / "kept.mpr").string()));
  window.Trigger("MenuFileProjectSaveAS");
  QVERIFY(window.prompter.warnings.empty());

  AppFolder other;
  fs::copy_file(folder.root() / "kept.mpr", other.root() / "korva.inf");
  Window fresh(other);
  QVERIFY(fresh.Start());
  CompareLines(Lines(*fresh.form), Lines(*fresh.form, &second));
}

void SettingsPagesTest::PickButtonsRunTheirRules() {
  AppFolder folder;
  folder.WriteSettings(folder.FolderSettings());
  const std::string root = folder.root().string() + "/";
  const std::string html = folder.Html().string() + "/";
  fs::create_directories(folder.Html() / "css/sub");
  std::ofstream(folder.Html() / "css/sub/a.CSS", std::ios::binary) << "p { color: blue; }\r\n";
  std::ofstream(folder.root() / "head.hin", std::ios::binary) << "<title>@title@</title>\r\n";
  std::ofstream(folder.root() / "notes.txt", std::ios::binary) << "x";
  Window window(folder);
  QVERIFY(window.Start());
  const fs::path inf = folder.root() / "korva.inf";

  enum class Answer { Dialog, Clipboard };
  struct Case {
    const char* name;
    const char* control;  // a TBtnEdit (its button is clicked) or a push button
    Answer way;
    std::string answer;  // UTF-8
    const char* title;   // of the dialog asked; nullptr: none
    const char* setting;
    std::string expected;
    std::pair<const char*, std::string> shown = {};  // another control and what it shows
    const char* page = nullptr;                      // the page brought forward
    const char* key = nullptr;                       // "Section/Key" written at once
    const char* filter = nullptr;                    // of the dialog, UTF-8
  };
  const std::string all = "|すべてのファイル（*.*）|*.*";
  const std::string htmlFilter = "ＨＴＭＬファイル（ *.html/htm ）|*.html;*.htm" + all;
  const std::vector<Case> cases = {
      {"three-file folder inside the root",
       "BtnEdit3FileFolder",
       Answer::Dialog,
       html + "set/dummy.html",
       "名前を付けて保存",
       "BtnEdit3FileFolder",
       html + "set/",
       {},
       nullptr,
       "Local/Folder"},
      {"three-file folder outside the root is refused", "BtnEdit3FileFolder", Answer::Dialog,
       "/elsewhere/dummy.html", "名前を付けて保存", "BtnEdit3FileFolder", html + "set/"},
      {"three-file folder by the folder picker",
       "SpeedButton1",
       Answer::Dialog,
       html.substr(0, html.size() - 1),
       "フォルダの指定",
       "BtnEdit3FileFolder",
       html,
       {},
       nullptr,
       "Local/Folder"},
      {"style sheet in capitals, stored relative",
       "BtnEditLocalCSSFile",
       Answer::Dialog,
       html + "css/sub/a.CSS",
       "開く",
       "BtnEditLocalCSSFile",
       "css/sub/a.CSS",
       {"LabelLocalCSSbsoluteRelativePath", html + "css/sub/a.CSS"},
       "PGRightTab04CSSJS",
       "Local/css"},
      {"a text file is no style sheet",
       "BtnEditLocalCSSFile",
       Answer::Dialog,
       root + "notes.txt",
       "開く",
       "BtnEditLocalCSSFile",
       "",
       {"LabelLocalCSSbsoluteRelativePath", ""},
       nullptr,
       "Local/css"},
      {"return link, relative with .html",
       "BtnEditLocalReturn2Top",
       Answer::Dialog,
       root + "top.htm",
       "開く",
       "BtnEditLocalReturn2Top",
       "../top.html",
       {"LabelLocalReturn2TopPath", root + "top.html"},
       nullptr,
       "Local/Return2Top"},
      {"head include loaded into its memo",
       "BtnEditLocalHeadInclude",
       Answer::Dialog,
       root + "head.hin",
       "開く",
       "BtnEditLocalHeadInclude",
       root + "head.hin",
       {"MemoLocalHeadInclude", "<title>@title@</title>"},
       "PGRightTab08LocalInclude",
       "Local/Head"},
      {"an include that cannot be read",
       "BtnEditLocalHeadInclude",
       Answer::Dialog,
       root + "gone.hin",
       "開く",
       "BtnEditLocalHeadInclude",
       root + "head.hin",
       {"LabelLocalHeadInclude", "【 " + root + "head.hin 】"}},
      {"save folder and file name",
       "BtnEditHTMLSaveFolder",
       Answer::Dialog,
       html + "out/dummy.html",
       "名前を付けて保存",
       "BtnEditHTMLSaveFolder",
       html + "out/",
       {"ComboBoxHTMLFile", "dummy"},
       nullptr,
       "Local/Save"},
      {"web domain from the clipboard", "BtnEditWebDomain", Answer::Clipboard,
       "https://example.jp/", nullptr, "BtnEditWebDomain", "https://example.jp/"},
      {"web style sheet must name one",
       "BtnEditWebCSSFile",
       Answer::Clipboard,
       "https://example.jp/a.txt",
       nullptr,
       "BtnEditWebCSSFile",
       "",
       {},
       nullptr,
       "Web/css"},
      {"trial folder by the folder picker",
       "sbSaveHTMLFolder",
       Answer::Dialog,
       html + "trial",
       "フォルダの指定",
       "BtnEditHTMLSaveFolder",
       html + "trial/",
       {},
       nullptr,
       "Local/Save"},
      {"home link inside the three-file folder",
       "BtnEditLocalReturn2Home",
       Answer::Dialog,
       html + "index.html",
       "開く",
       "BtnEditLocalReturn2Home",
       "index.html",
       {"LabelLocalReturn2HomePath", html + "index.html"},
       nullptr,
       "Local/Return2home",
       htmlFilter.c_str()},
      {"list link",
       "BtnEditLocalReturn2list",
       Answer::Dialog,
       root + "list.HTML",
       "開く",
       "BtnEditLocalReturn2list",
       "../list.html",
       {"LabelLocalReturn2listPath", root + "list.html"},
       nullptr,
       "Local/Retun2list"},
      {"top-frame include",
       "BtnEditLocalTopFrameInclude",
       Answer::Dialog,
       root + "head.hin",
       "開く",
       "BtnEditLocalTopFrameInclude",
       root + "head.hin",
       {"MemoLocalTopFrameInclude", "<title>@title@</title>"},
       "PGRightTab08LocalInclude",
       "Local/TopFrame",
       "TopIncludeファイル（ *.tin ）|*.tin|すべてのファイル（*.*）|*.*"},
      {"web head include",
       "BtnEditWebHeadInclude",
       Answer::Dialog,
       root + "head.hin",
       "開く",
       "BtnEditWebHeadInclude",
       root + "head.hin",
       {"MemoWebHeadInclude", "<title>@title@</title>"},
       "PGRightTab09WebInclude",
       "Web/Head",
       "HeadIncludeファイル（ *.hin ）|*.hin|すべてのファイル（*.*）|*.*"},
      {"web top-frame include",
       "BtnEditWebTopframeInclude",
       Answer::Dialog,
       root + "head.hin",
       "開く",
       "BtnEditWebTopframeInclude",
       root + "head.hin",
       {"LabelWebTopframeInclude", "【 " + root + "head.hin 】"},
       "PGRightTab09WebInclude",
       "Web/TopFrame"},
      {"web folder",
       "BtnEditWebHTMLFolder",
       Answer::Dialog,
       root + "web/dummy.html",
       "名前を付けて保存",
       "BtnEditWebHTMLFolder",
       root + "web/",
       {},
       nullptr,
       "Web/Folder",
       htmlFilter.c_str()},
      {"web home link from the clipboard", "BtnEditWebReturn2Home", Answer::Clipboard,
       "@domain@index.html", nullptr, "BtnEditWebReturn2Home", "@domain@index.html"},
      {"web top link", "BtnEditWebReturn2Top", Answer::Clipboard, "../../top.html", nullptr,
       "BtnEditWebReturn2Top", "../../top.html"},
      {"web list link", "BtnEditWebReturn2List", Answer::Clipboard, "../list.html", nullptr,
       "BtnEditWebReturn2List", "../list.html"},
      {"top-frame caption", "BtnEditLocalTopFrameCaption", Answer::Clipboard,
       "<span class=\"big\">例示市議会</span>", nullptr, "BtnEditLocalTopFrameCaption",
       "<span class=\"big\">例示市議会</span>"},
      {"root folder by its file dialog",
       "BtnEditRootFolder",
       Answer::Dialog,
       root + "r2/dummy.html",
       "名前を付けて保存",
       "BtnEditRootFolder",
       root + "r2/",
       {},
       nullptr,
       "Local/Root",
       htmlFilter.c_str()},
      {"root folder by the folder picker",
       "sbSaveRootFolder",
       Answer::Dialog,
       root + "new",
       "フォルダの指定",
       "BtnEditRootFolder",
       root + "new/",
       {"BtnEditHTMLSaveFolder", ""},
       nullptr,
       "Local/Root"},
  };
  for (const Case& c : cases) {
    const std::size_t dialogs = window.prompter.dialogTitles.size();
    const std::size_t warnings = window.prompter.warnings.size();
    if (c.way == Answer::Dialog) {
      window.prompter.paths.push_back(Utf8ToCp932(c.answer));
    } else {
      QApplication::clipboard()->setText(QString::fromStdString(c.answer));
    }
    if (window.form->findChild<app::TBtnEdit*>(c.control)) {
      ClickButtonOf(*window.form, c.control);
    } else {
      auto* button = window.form->findChild<QPushButton*>(c.control);
      QVERIFY2(button, c.name);
      button->click();
    }
    QVERIFY2(window.prompter.paths.empty(), c.name);
    if (c.title) {
      QCOMPARE(window.prompter.dialogTitles.size(), dialogs + 1);
      QCOMPARE(window.prompter.dialogTitles.back(), std::string(c.title));
    }
    QCOMPARE(Text(*window.form, c.setting), c.expected);
    if (c.shown.first) QCOMPARE(Text(*window.form, c.shown.first), c.shown.second);
    if (c.page) QCOMPARE(CurrentPage(*window.form, "PGRight"), std::string(c.page));
    if (c.filter) QCOMPARE(window.prompter.dialogFilters.back(), Utf8ToCp932(c.filter));
    if (c.key) {
      const std::string key(c.key);
      QCOMPARE(SavedValue(inf, key.substr(0, key.find('/')).c_str(),
                          key.substr(key.find('/') + 1).c_str()),
               c.expected);
    }
    const bool unreadable = std::string(c.name) == "an include that cannot be read";
    QCOMPARE(window.prompter.warnings.size(), warnings + (unreadable ? 1 : 0));
    if (unreadable) {
      QCOMPARE(window.prompter.warnings.back(),
               "【 " + root + "gone.hin 】を読み込めませんでした。");
    }
  }
  // The root folder became the default folder, where the pickers start.
  window.prompter.paths.push_back(std::nullopt);
  ClickButtonOf(*window.form, "BtnEditLocalReturn2Home");
  QCOMPARE(window.prompter.dialogStarts.back(), root + "new/");
  QCOMPARE(
      window.prompter.dialogFilters.back(),
      Utf8ToCp932("ＨＴＭＬファイル（ *.html/htm ）|*.html;*.htm|すべてのファイル（*.*）|*.*"));

  // Without a root folder a local pick asks nothing: the settings page and
  // the warning come forward instead. Web includes need no root folder.
  window.form->findChild<QPushButton*>("BtnEditRootFolderClear")->click();
  ShowPageByName(window.form.get(), "PGLeftTab05WebHEAD");
  const std::size_t asked = window.prompter.dialogTitles.size();
  ClickButtonOf(*window.form, "BtnEditLocalSidelinkInclude");
  QCOMPARE(window.prompter.dialogTitles.size(), asked);
  QCOMPARE(CurrentPage(*window.form, "PGLeft"), std::string("PGLeftTab02Project"));
  QVERIFY(window.form->findChild<QLabel*>("LabelWarningSettingFolder")->isVisible());
  window.prompter.paths.push_back(Utf8ToCp932(root + "head.hin"));
  ClickButtonOf(*window.form, "BtnEditWebSidelinkInclude");
  QCOMPARE(Text(*window.form, "BtnEditWebSidelinkInclude"), root + "head.hin");
  QCOMPARE(Text(*window.form, "MemoWebSidelinkInclude"), std::string("<title>@title@</title>"));
  QCOMPARE(window.prompter.dialogFilters.back(),
           Utf8ToCp932("SideIncludeファイル（ *.sin ）|*.sin|すべてのファイル（*.*）|*.*"));
}

void SettingsPagesTest::BtnEditButtonInsideItsRightEdge() {
  app::TBtnEdit edit;
  edit.resize(200, 24);
  edit.show();
  QCOMPARE(edit.ButtonWidth(), 19);
  QCOMPARE(edit.BtnCaption(), QStringLiteral("..."));
  QCOMPARE(edit.textMargins().right(), 19);
  QCOMPARE(edit.ButtonRect().right(), edit.width() - 2);
  QCOMPARE(edit.ButtonRect().width(), 19);
  int clicks = 0;
  connect(&edit, &app::TBtnEdit::buttonClicked, [&clicks] { ++clicks; });
  const QPoint onButton = edit.ButtonRect().center();
  const QPoint leftEdge(edit.ButtonRect().left(), onButton.y());
  const QPoint justBefore(edit.ButtonRect().left() - 1, onButton.y());
  auto press = [&](QEvent::Type type, const QPoint& at) {
    QMouseEvent event(type, at, edit.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&edit, &event);
  };
  struct Case {
    const char* name;
    QPoint down, up;
    int clicks;
  };
  const Case cases[] = {
      {"on the button", onButton, onButton, 1},
      {"on its left edge", leftEdge, leftEdge, 1},
      {"one pixel before it", justBefore, justBefore, 0},
      {"released off the button", onButton, QPoint(5, onButton.y()), 0},
      {"pressed in the text, released on the button", QPoint(5, onButton.y()), onButton, 0},
  };
  for (const Case& c : cases) {
    clicks = 0;
    press(QEvent::MouseButtonPress, c.down);
    press(QEvent::MouseButtonRelease, c.up);
    QVERIFY2(clicks == c.clicks, c.name);
  }
  // Over the button the pointer is an arrow, over the text a text cursor.
  QMouseEvent over(QEvent::MouseMove, onButton, edit.mapToGlobal(onButton), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&edit, &over);
  QCOMPARE(edit.cursor().shape(), Qt::ArrowCursor);
  QMouseEvent off(QEvent::MouseMove, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&edit, &off);
  QCOMPARE(edit.cursor().shape(), Qt::IBeamCursor);
  // The caret after a long text stands before the button, also before a wider one.
  for (int width : {19, 40}) {
    edit.SetButtonWidth(width);
    edit.setText(QString(80, QChar('x')));
    edit.end(false);
    edit.grab();  // the edit scrolls its text when it paints
    QVERIFY2(edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() <
                 edit.ButtonRect().left(),
             qPrintable(QString::number(width)));
  }
}

void SettingsPagesTest::ClearButtonsAndSamples() {
  AppFolder folder;
  auto values = folder.FolderSettings();
  std::ofstream(folder.root() / "top.tin", std::ios::binary) << "<div>top</div>\r\n";
  values["Local/TopFrame"] = (folder.root() / "top.tin").string();
  values["Local/Retun2list"] = "../list.html";
  std::ofstream(folder.root() / "list.html", std::ios::binary) << "x";
  folder.WriteSettings(values);
  Window window(folder);
  QVERIFY(window.Start());
  QCOMPARE(Text(*window.form, "LabelLocalReturn2listPath"), folder.root().string() + "/list.html");
  QCOMPARE(Text(*window.form, "LabelLocalTopFrameInclude"), std::string("【 top.tin 】"));

  struct Case {
    const char* button;
    std::vector<std::pair<const char*, std::string>> after;
  };
  const std::vector<Case> cases = {
      {"BtnEditLocalReturn2listClear",
       {{"BtnEditLocalReturn2list", ""}, {"LabelLocalReturn2listPath", ""}}},
      {"BtnEditLocalTopFrameIncludeClear",
       {{"BtnEditLocalTopFrameInclude", ""},
        {"LabelLocalTopFrameInclude", ""},
        {"MemoLocalTopFrameInclude", ""}}},
      {"LabelSampleLocalList", {{"BtnEditLocalReturn2list", "../minutes-list.html"}}},
      {"LabelSampleWebTopDomain", {{"BtnEditWebReturn2Top", "@domain@assembly/top.html"}}},
      {"LabelSampleWebCSSRelative", {{"BtnEditWebCSSFile", "../css/minutes.css"}}},
      {"BtnEditWebCSSFileClear", {{"BtnEditWebCSSFile", ""}}},
  };
  for (const Case& c : cases) {
    auto* button = window.form->findChild<QPushButton*>(c.button);
    QVERIFY2(button, c.button);
    button->click();
    for (const auto& [control, text] : c.after) QCOMPARE(Text(*window.form, control), text);
  }
  QCOMPARE(CurrentPage(*window.form, "PGRight"), std::string("PGRightTab08LocalInclude"));
}

// A head include chosen on the page is what the generated document starts with.
void SettingsPagesTest::HeadIncludeReachesTheDocument() {
  AppFolder folder;
  folder.WriteSettings(folder.SampleSettings());
  std::ofstream(folder.root() / "city.hin", std::ios::binary)
      << Utf8ToCp932("<head><title>@title@ 例示市議会</title></head>\r\n<body>\r\n");
  Window window(folder);
  QVERIFY(window.Start());
  window.prompter.paths.push_back(Utf8ToCp932((folder.root() / "city.hin").string()));
  ClickButtonOf(*window.form, "BtnEditLocalHeadInclude");
  QCOMPARE(Text(*window.form, "MemoLocalHeadInclude"),
           std::string("<head><title>@title@ 例示市議会</title></head>\n<body>"));
  window.Trigger("tbMakeHTMLGo");
  window.Trigger("tbBuildTwoPane");
  const std::string normal =
      Cp932ToUtf8Lossy(ReadFileBytes(folder.Html() / "r0612t1-1-n.html").bytes);
  QVERIFY2(normal.starts_with("<head><title>本会議 例示市議会</title></head>\r\n<body>\r\n"),
           normal.substr(0, 200).c_str());
}

void SettingsPagesTest::WarningsPageCountsTheMarks() {
  AppFolder folder;
  const auto minutes =
      folder.WriteMinutes("marks@m.txt", {"■開議", "「「", "一　議案", "「「", "二　議案", "」」",
                                          "｛｛", "｝｝", "○議長（山田君）　終わります。"});
  folder.WriteSettings(folder.FolderSettings());
  Window window(folder);
  QVERIFY(window.Start());
  window.prompter.paths.push_back(Utf8ToCp932(minutes.string()));
  window.Trigger("tbOpenFile");
  QVERIFY(!window.form->findChild<QLabel*>("LabelMarkNotMatch")->isHidden());
  QCOMPARE(CurrentPage(*window.form, "PGLeft"), std::string("PGLeftTab11MWarningAndError"));
  struct Count {
    const char* label;
    const char* text;
    bool bold, red;
  };
  const Count counts[] = {
      {"LabelEnumStartCnt", "2", true, false},    {"LabelEnumEndCnt", "1", true, true},
      {"LabelRosterStartCnt", "1", false, false}, {"LabelRosterEndCnt", "1", false, false},
      {"LabelQuoteStartCnt", "0", false, false},  {"LabelQuoteEndCnt", "0", false, false},
  };
  for (const Count& c : counts) {
    auto* label = window.form->findChild<QLabel*>(c.label);
    QVERIFY2(label, c.label);
    QCOMPARE(label->text(), QString(c.text));
    QVERIFY2(label->styleSheet().contains("bold") == c.bold, c.label);
    QVERIFY2(label->styleSheet().contains("red") == c.red, c.label);
  }
  auto* problems = window.form->findChild<QListWidget*>("ListBoxMarkProblems");
  QCOMPARE(problems->count(), 1);
  QVERIFY(problems->item(0)->text().startsWith(QStringLiteral("4 行目")));

  // A text whose marks agree shows plain counts again.
  window.prompter.paths.push_back(Utf8ToCp932(
      folder.WriteMinutes("fine@f.txt", {"■開議", "「「", "一　議案", "」」"}).string()));
  window.Trigger("tbOpenFile");
  QCOMPARE(window.form->findChild<QLabel*>("LabelEnumEndCnt")->text(), QStringLiteral("1"));
  QVERIFY(!window.form->findChild<QLabel*>("LabelEnumEndCnt")->styleSheet().contains("red"));
  QCOMPARE(problems->count(), 0);
}

void SettingsPagesTest::StyleSheetPaneOpensAndSaves() {
  AppFolder folder;
  folder.WriteSettings(folder.FolderSettings());
  Window window(folder);
  QVERIFY(window.Start());
  const fs::path sheet = folder.Html() / "css/minutes.css";
  window.prompter.paths.push_back(Utf8ToCp932(sheet.string()));
  window.form->findChild<QPushButton*>("sbCSSOpen")->click();
  QCOMPARE(window.PaneText("EditorCSS"), std::string("p { margin: 0; }\r\n"));
  QCOMPARE(Text(*window.form, "LabelRightTab04CSSFilename"), sheet.string());

  app::TRichEditEx* pane = window.Pane("EditorCSS");
  pane->setFocus();
  pane->SetCaretToByte(pane->Cp932Text().size());
  QTest::keyClicks(pane, "h1 { color: red; }");
  window.form->findChild<QPushButton*>("sbCSSSave")->click();
  QCOMPARE(ReadFileBytes(sheet).bytes, std::string("p { margin: 0; }\r\nh1 { color: red; }"));
  QCOMPARE(window.Panel(1), "  【  " + sheet.string() + "  】として保存されました");
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::SettingsPagesTest)
#include "settings_pages_test.moc"
