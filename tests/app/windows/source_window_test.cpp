// The HTML source window: the body HTML in the panes' colours, its search,
// its place in [SOTSource], and copies that carry RTF beside the text.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>

#include "app/app_fixture.h"
#include "app/editor/pane_search_bar.h"
#include "app/qt_text.h"
#include "app/windows/source_window.h"
#include "app/windows/tool_windows.h"
#include "settings/ini_file.h"

namespace korva::testing {

namespace {

QTextCharFormat FormatAt(const app::TRichEditEx* pane, int line, int column) {
  const QTextBlock block = pane->document()->findBlockByNumber(line);
  for (const auto& range : block.layout()->formats()) {
    if (column >= range.start && column < range.start + range.length) return range.format;
  }
  return {};
}

// The column of `what` in a line of the pane.
int ColumnOf(const app::TRichEditEx* pane, int line, const QString& what) {
  return static_cast<int>(pane->document()->findBlockByNumber(line).text().indexOf(what));
}

}  // namespace

class SourceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void SourceWindowShowsTheBodyInTheTokenColours();
  void SourceWindowColoursAsTheBodyPaneDoes();
  void SourceWindowWithoutBodyStaysHidden();
  void SourceWindowSearchesTwoWords();
  void SourceWindowKeepsItsPlaceInSOTSource();
  void SourceWindowAndMainWindowCopyTextAndRtf();

 private:
  app::TFormSOTSource* Source() const { return window_->form->Tools().Source(); }
  void OpenSourceWith(const char* utf8Html);

  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
};

void SourceWindowTest::init() {
  folder_ = std::make_unique<AppFolder>();
  folder_->PutTryoutCss();
  auto values = folder_->FolderSettings();
  values["CheckBox/ImmediateGo"] = "0";
  folder_->WriteSettings(values);
  window_ = std::make_unique<Window>(*folder_);
  QVERIFY(window_->Start());
}

void SourceWindowTest::cleanup() {
  window_.reset();
  folder_.reset();
}

void SourceWindowTest::OpenSourceWith(const char* utf8Html) {
  window_->Pane("EditorBodyHTML")->SetCp932Text(Utf8ToCp932(utf8Html));
  window_->Trigger("tbNewWindowForHTMLSrc");
  QVERIFY(Source()->isVisible());
  Pump(20);
}

void SourceWindowTest::SourceWindowShowsTheBodyInTheTokenColours() {
  OpenSourceWith("<p class=a title=\"t\">本文&amp;x</p>\r\n<!-- 注記 -->\r\n<zz>\r\n");
  app::TRichEditEx* pane = Source()->Pane();
  QCOMPARE(pane->Cp932Text(), window_->Pane("EditorBodyHTML")->Cp932Text());
  struct Token {
    int line;
    const char* text;
    QColor colour;
    bool bold = false;
  };
  const Token tokens[] = {
      {0, "<", QColor(0xFF, 0x00, 0xFF)},         // symbol
      {0, "p ", QColor(0xFF, 0x00, 0x00)},        // known tag
      {0, "class", QColor(0xFF, 0x00, 0x00)},     // attribute name
      {0, "=a", QColor(0xFF, 0x00, 0xFF)},        // "="
      {0, "a title", QColor(0x00, 0x00, 0x00)},   // unquoted value
      {0, "\"t\"", QColor(0x00, 0x80, 0x00)},     // quoted value
      {0, "本文", QColor(0x00, 0x00, 0xFF)},      // text
      {0, "&amp;", QColor(0x00, 0x00, 0x00)},     // entity
      {1, "注記", QColor(0x80, 0x00, 0x00)},      // comment
      {2, "zz", QColor(0x00, 0x00, 0x00), true},  // unknown tag
  };
  for (const Token& token : tokens) {
    const int column = ColumnOf(pane, token.line, QString::fromUtf8(token.text));
    QVERIFY2(column >= 0, token.text);
    const QTextCharFormat format = FormatAt(pane, token.line, column);
    QVERIFY2(format.foreground().color() == token.colour, token.text);
    QVERIFY2((format.fontWeight() == QFont::Bold) == token.bold, token.text);
  }
  // Colouring off leaves plain text; on again colours it once more.
  auto* colour = Source()->findChild<QCheckBox*>("CheckBoxColor");
  colour->setChecked(false);
  QVERIFY(pane->document()->findBlockByNumber(0).layout()->formats().isEmpty());
  colour->setChecked(true);
  Pump(20);
  QCOMPARE(FormatAt(pane, 1, 6).foreground().color(), QColor(0x80, 0x00, 0x00));
}

void SourceWindowTest::SourceWindowColoursAsTheBodyPaneDoes() {
  window_->prompter.paths.push_back(Utf8ToCp932(folder_->CopySample().string()));
  window_->Trigger("tbOpenFile");
  window_->Trigger("tbMakeHTMLGo");
  window_->form->ui().ShowPage("PGLeftTab08HTMLBody");
  Pump(50);
  app::TRichEditEx* body = window_->Pane("EditorBodyHTML");
  QVERIFY(body->HtmlColouring());
  QVERIFY2(!body->EditedByUser(), "colouring is no edit");
  window_->Trigger("tbNewWindowForHTMLSrc");
  Pump(50);
  app::TRichEditEx* pane = Source()->Pane();
  QCOMPARE(pane->Cp932Text(), body->Cp932Text());
  int compared = 0;
  // The lines both panes show.
  for (int line = 0; line < 10; ++line) {
    const auto mine = pane->document()->findBlockByNumber(line).layout()->formats();
    const auto theirs = body->document()->findBlockByNumber(line).layout()->formats();
    QCOMPARE(mine.size(), theirs.size());
    for (qsizetype i = 0; i < mine.size(); ++i) {
      QCOMPARE(mine[i].start, theirs[i].start);
      QCOMPARE(mine[i].length, theirs[i].length);
      QCOMPARE(mine[i].format.foreground(), theirs[i].format.foreground());
      ++compared;
    }
  }
  QVERIFY(compared > 20);

  // What the user wrote into the body pane is what the window shows.
  QTextCursor cursor(body->document());
  cursor.insertText(QStringLiteral("<!-- 手直し -->"));
  QVERIFY(body->EditedByUser());
  QTest::mouseClick(Source()->findChild<QPushButton*>("btnMakeColor"), Qt::LeftButton);
  QVERIFY(pane->Cp932Text().starts_with(Utf8ToCp932("<!-- 手直し -->")));
  QCOMPARE(pane->Cp932Text(), body->Cp932Text());
}

void SourceWindowTest::SourceWindowWithoutBodyStaysHidden() {
  window_->Trigger("tbNewWindowForHTMLSrc");
  QVERIFY(!Source()->isVisible());
  // The menu shows it all the same, blank but for its hint.
  window_->Trigger("MenuToolHTMLSource");
  QVERIFY(Source()->isVisible());
  QVERIFY(!Source()->Pane()->HasText());
  QTest::keyClick(Source()->Pane(), Qt::Key_Escape);
  QVERIFY(!Source()->isVisible());
}

void SourceWindowTest::SourceWindowSearchesTwoWords() {
  OpenSourceWith("<p>議長が開会</p>\r\n<p>市長の答弁</p>\r\n<p>議長　市長</p>\r\n");
  app::TRichEditEx* pane = Source()->Pane();
  auto* box = Source()->findChild<QComboBox*>("EditSOTSearchKeyWord");
  // Searched twice in a row: the second search replaces the first one's hits.
  for (int round = 0; round < 2; ++round) {
    box->setEditText(QStringLiteral("議長　　　市長"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QVERIFY(!pane->HtmlColouring());
    const auto hits = pane->extraSelections();
    QCOMPARE(hits.size(), 4);
    QCOMPARE(hits[0].cursor.selectedText(), QStringLiteral("議長"));
    QCOMPARE(hits[0].format.foreground().color(), QColor(Qt::red));
    QCOMPARE(hits[0].format.fontWeight(), int(QFont::Bold));
    QCOMPARE(hits[2].cursor.selectedText(), QStringLiteral("市長"));
    QCOMPARE(hits[2].format.background().color(), QColor(0xD2, 0x69, 0x1E));
  }
  auto* list = Source()->findChild<QListWidget*>("ListBoxSearchWord");
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  QCOMPARE(entries, QStringList({"   1/04", "   3/04", "   2/04", "   3/10"}));
  emit list->itemClicked(list->item(2));
  QCOMPARE(pane->CaretLine(), 1);
  // Recolouring brings the HTML colours back and drops the hits.
  Source()->findChild<QAction*>("sbSOTSearchRecolor")->trigger();
  QVERIFY(pane->HtmlColouring());
  QCOMPARE(pane->SearchHitCount(), 0);
}

void SourceWindowTest::SourceWindowKeepsItsPlaceInSOTSource() {
  OpenSourceWith("<p>x</p>");
  struct Place {
    QRect geometry;
    bool wordWrap, colour;
  };
  const Place places[] = {{QRect(40, 50, 700, 500), true, false},
                          {QRect(60, 30, 640, 420), false, true}};
  for (const Place& place : places) {
    Source()->move(place.geometry.topLeft());
    Source()->resize(place.geometry.size());
    Source()->findChild<QCheckBox*>("CheckBox1")->setChecked(place.wordWrap);
    Source()->findChild<QCheckBox*>("CheckBoxColor")->setChecked(place.colour);
    QTest::mouseClick(Source()->findChild<QPushButton*>("sbAppearanceThisPosition"),
                      Qt::LeftButton);
    const IniFile ini = IniFile::Parse(ReadFileBytes(folder_->root() / "korva.inf").bytes);
    QCOMPARE(ini.Get("SOTSource", "Width").value_or(""), std::to_string(place.geometry.width()));
    QCOMPARE(ini.Get("SOTSource", "WordWrap").value_or(""),
             std::string(place.wordWrap ? "1" : "0"));
    QVERIFY(ini.Get("Local", "Save").has_value());

    // Another run of the program puts the window back there.
    Window again(*folder_);
    QVERIFY(again.Start());
    again.Trigger("MenuToolHTMLSource");
    app::TFormSOTSource* source = again.form->Tools().Source();
    QCOMPARE(source->size(), place.geometry.size());
    QCOMPARE(source->pos(), place.geometry.topLeft());
    QCOMPARE(source->findChild<QCheckBox*>("CheckBox1")->isChecked(), place.wordWrap);
    QCOMPARE(source->Pane()->lineWrapMode(),
             place.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    QCOMPARE(source->Pane()->HtmlColouring(), place.colour);
  }

  // A place from a larger screen is brought onto this one.
  IniFile ini = IniFile::Parse(ReadFileBytes(folder_->root() / "korva.inf").bytes);
  ini.Set("SOTSource", "Left", "-5000");
  ini.Set("SOTSource", "Width", "99999");
  std::ofstream(folder_->root() / "korva.inf", std::ios::binary) << ini.Serialize();
  Window again(*folder_);
  QVERIFY(again.Start());
  again.Trigger("MenuToolHTMLSource");
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  app::TFormSOTSource* source = again.form->Tools().Source();
  QCOMPARE(source->width(), screen.width());
  QCOMPARE(source->x(), screen.left());
}

void SourceWindowTest::SourceWindowAndMainWindowCopyTextAndRtf() {
  const char* html = "<p class=\"a\">議長　開会</p>\r\n";
  OpenSourceWith(html);
  auto rtfOf = [] {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data->hasFormat("text/rtf") ? data->data("text/rtf") : QByteArray();
  };
  QTest::mouseClick(Source()->findChild<QPushButton*>("sbCopyAll"), Qt::LeftButton);
  QCOMPARE(app::ToCp932(QApplication::clipboard()->text()), Utf8ToCp932(html));
  QVERIFY(rtfOf().startsWith("{\\rtf1"));
  QVERIFY(rtfOf().contains("\\cf4 "));

  // The main window's copy: a coloured pane gives both, a plain one text only.
  struct Case {
    const char* pane;
    bool rtf;
  };
  for (const Case& c : {Case{"EditorBodyHTML", true}, Case{"EditorMinutesText", false}}) {
    app::TRichEditEx* pane = window_->Pane(c.pane);
    pane->SetCp932Text(Utf8ToCp932(html));
    QApplication::clipboard()->clear();
    pane->setFocus();
    emit pane->activated();
    window_->Trigger("tbCOPY");
    QCOMPARE(app::ToCp932(QApplication::clipboard()->text()), pane->Cp932Text());
    QVERIFY2(rtfOf().startsWith("{\\rtf1") == c.rtf, c.pane);
  }
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::SourceWindowTest)
#include "source_window_test.moc"
