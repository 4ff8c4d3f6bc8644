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
    {"FormPositionHeight", "window geometry"}};
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
      {"CheckBoxImmediateGo", "PanelSettingProject"}};
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

  // How the value comes: a file or folder dialog (by its title) or the clipboard.
  enum Way { Save, Open, Folder, Clip };
  const char* const titles[] = {"名前を付けて保存", "開く", "フォルダの指定"};
  struct Case {
    const char* name;
    const char* control;  // a TBtnEdit (its button is clicked) or a push button
    Way way;
    std::string answer;  // UTF-8
    std::string expected;
    const char* key = nullptr;      // "Section/Key" written at once
    const char* shown = nullptr;    // another control and what it shows
    std::string shownText = {};     //
    const char* page = nullptr;     // the page brought forward
    std::string filter = {};        // of the dialog, UTF-8
    const char* setting = nullptr;  // the control holding the value, when not `control`
  };
  const std::string all = "|すべてのファイル（*.*）|*.*";
  const std::string htmlFilter = "ＨＴＭＬファイル（ *.html/htm ）|*.html;*.htm" + all;
  const std::string head = "<title>@title@</title>";
  const char* const localInclude = "PGRightTab08LocalInclude";
  const char* const webInclude = "PGRightTab09WebInclude";
  const std::vector<Case> cases = {
      {"three-file folder inside the root", "BtnEdit3FileFolder", Save, html + "set/dummy.html",
       html + "set/", "Local/Folder"},
      {"three-file folder outside the root is refused", "BtnEdit3FileFolder", Save,
       "/elsewhere/dummy.html", html + "set/"},
      {"three-file folder by the folder picker", "SpeedButton1", Folder,
       html.substr(0, html.size() - 1), html, "Local/Folder", nullptr, "", nullptr, "",
       "BtnEdit3FileFolder"},
      {"style sheet in capitals, stored relative", "BtnEditLocalCSSFile", Open,
       html + "css/sub/a.CSS", "css/sub/a.CSS", "Local/css", "LabelLocalCSSbsoluteRelativePath",
       html + "css/sub/a.CSS", "PGRightTab04CSSJS"},
      {"a text file is no style sheet", "BtnEditLocalCSSFile", Open, root + "notes.txt", "",
       "Local/css", "LabelLocalCSSbsoluteRelativePath", ""},
      {"return link, relative with .html", "BtnEditLocalReturn2Top", Open, root + "top.htm",
       "../top.html", "Local/Return2Top", "LabelLocalReturn2TopPath", root + "top.html"},
      {"head include loaded into its memo", "BtnEditLocalHeadInclude", Open, root + "head.hin",
       root + "head.hin", "Local/Head", "MemoLocalHeadInclude", head, localInclude},
      {"an include that cannot be read", "BtnEditLocalHeadInclude", Open, root + "gone.hin",
       root + "head.hin", nullptr, "LabelLocalHeadInclude", "【 " + root + "head.hin 】"},
      {"save folder and file name", "BtnEditHTMLSaveFolder", Save, html + "out/dummy.html",
       html + "out/", "Local/Save", "ComboBoxHTMLFile", "dummy"},
      {"web domain from the clipboard", "BtnEditWebDomain", Clip, "https://example.jp/",
       "https://example.jp/"},
      {"web style sheet must name one", "BtnEditWebCSSFile", Clip, "https://example.jp/a.txt", "",
       "Web/css"},
      {"trial folder by the folder picker", "sbSaveHTMLFolder", Folder, html + "trial",
       html + "trial/", "Local/Save", nullptr, "", nullptr, "", "BtnEditHTMLSaveFolder"},
      {"home link inside the three-file folder", "BtnEditLocalReturn2Home", Open,
       html + "index.html", "index.html", "Local/Return2home", "LabelLocalReturn2HomePath",
       html + "index.html", nullptr, htmlFilter},
      {"list link", "BtnEditLocalReturn2list", Open, root + "list.HTML", "../list.html",
       "Local/Retun2list", "LabelLocalReturn2listPath", root + "list.html"},
      {"top-frame include", "BtnEditLocalTopFrameInclude", Open, root + "head.hin",
       root + "head.hin", "Local/TopFrame", "MemoLocalTopFrameInclude", head, localInclude,
       "TopIncludeファイル（ *.tin ）|*.tin" + all},
      {"web head include", "BtnEditWebHeadInclude", Open, root + "head.hin", root + "head.hin",
       "Web/Head", "MemoWebHeadInclude", head, webInclude,
       "HeadIncludeファイル（ *.hin ）|*.hin" + all},
      {"web top-frame include", "BtnEditWebTopframeInclude", Open, root + "head.hin",
       root + "head.hin", "Web/TopFrame", "LabelWebTopframeInclude", "【 " + root + "head.hin 】",
       webInclude},
      {"web folder", "BtnEditWebHTMLFolder", Save, root + "web/dummy.html", root + "web/",
       "Web/Folder", nullptr, "", nullptr, htmlFilter},
      {"web home link from the clipboard", "BtnEditWebReturn2Home", Clip, "@domain@index.html",
       "@domain@index.html"},
      {"web top link", "BtnEditWebReturn2Top", Clip, "../../top.html", "../../top.html"},
      {"web list link", "BtnEditWebReturn2List", Clip, "../list.html", "../list.html"},
      {"top-frame caption", "BtnEditLocalTopFrameCaption", Clip,
       "<span class=\"big\">例示市議会</span>", "<span class=\"big\">例示市議会</span>"},
      {"root folder by its file dialog", "BtnEditRootFolder", Save, root + "r2/dummy.html",
       root + "r2/", "Local/Root", nullptr, "", nullptr, htmlFilter},
      {"root folder by the folder picker", "sbSaveRootFolder", Folder, root + "new", root + "new/",
       "Local/Root", "BtnEditHTMLSaveFolder", "", nullptr, "", "BtnEditRootFolder"}};
  for (const Case& c : cases) {
    const std::size_t dialogs = window.prompter.dialogTitles.size();
    const std::size_t warnings = window.prompter.warnings.size();
    if (c.way != Clip) {
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
    QCOMPARE(window.prompter.dialogTitles.size(), dialogs + (c.way != Clip ? 1 : 0));
    if (c.way != Clip) QCOMPARE(window.prompter.dialogTitles.back(), std::string(titles[c.way]));
    QCOMPARE(window.Text(c.setting ? c.setting : c.control), c.expected);
    if (c.shown) QCOMPARE(window.Text(c.shown), c.shownText);
    if (c.page) QCOMPARE(window.Page("PGRight"), std::string(c.page));
    if (!c.filter.empty()) QCOMPARE(window.prompter.dialogFilters.back(), Utf8ToCp932(c.filter));
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
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab02Project"));
  QVERIFY(window.form->findChild<QLabel*>("LabelWarningSettingFolder")->isVisible());
  window.prompter.paths.push_back(Utf8ToCp932(root + "head.hin"));
  ClickButtonOf(*window.form, "BtnEditWebSidelinkInclude");
  QCOMPARE(window.Text("BtnEditWebSidelinkInclude"), root + "head.hin");
  QCOMPARE(window.Text("MemoWebSidelinkInclude"), std::string("<title>@title@</title>"));
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
  auto send = [&](QEvent::Type type, const QPoint& at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, edit.mapToGlobal(at), button, held, Qt::NoModifier);
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
      {"pressed in the text, released on the button", QPoint(5, onButton.y()), onButton, 0}};
  for (const Case& c : cases) {
    clicks = 0;
    send(QEvent::MouseButtonPress, c.down);
    send(QEvent::MouseButtonRelease, c.up);
    QVERIFY2(clicks == c.clicks, c.name);
  }
  // Over the button the pointer is an arrow, over the text a text cursor.
  send(QEvent::MouseMove, onButton);
  QCOMPARE(edit.cursor().shape(), Qt::ArrowCursor);
  send(QEvent::MouseMove, QPoint(5, 5));
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
  QCOMPARE(window.Text("LabelLocalReturn2listPath"), folder.root().string() + "/list.html");
  QCOMPARE(window.Text("LabelLocalTopFrameInclude"), std::string("【 top.tin 】"));

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
      {"BtnEditWebCSSFileClear", {{"BtnEditWebCSSFile", ""}}}};
  for (const Case& c : cases) {
    auto* button = window.form->findChild<QPushButton*>(c.button);
    QVERIFY2(button, c.button);
    button->click();
    for (const auto& [control, text] : c.after) QCOMPARE(window.Text(control), text);
  }
  QCOMPARE(window.Page("PGRight"), std::string("PGRightTab08LocalInclude"));
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
  QCOMPARE(window.Text("MemoLocalHeadInclude"),
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
  QCOMPARE(window.Page("PGLeft"), std::string("PGLeftTab11MWarningAndError"));
  struct Count {
    const char *label, *text;
    bool bold, red;
  };
  const Count counts[] = {
      {"LabelEnumStartCnt", "2", true, false},    {"LabelEnumEndCnt", "1", true, true},
      {"LabelRosterStartCnt", "1", false, false}, {"LabelRosterEndCnt", "1", false, false},
      {"LabelQuoteStartCnt", "0", false, false},  {"LabelQuoteEndCnt", "0", false, false}};
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
  QCOMPARE(window.Text("LabelRightTab04CSSFilename"), sheet.string());

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
