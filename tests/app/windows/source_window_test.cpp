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

#include "app/app_fixture.h"
#include "app/editor/pane_search_bar.h"
#include "app/qt_text.h"
#include "app/windows/source_window.h"
#include "app/windows/tool_windows.h"
#include "settings/ini_file.h"
#include "text/sjis.h"

namespace korva::testing {

namespace {

// The colour the pane paints the first byte of `utf8` on a line with.
std::optional<ColourSpan> SpanOf(const app::TRichEditEx* pane, int line, const char* utf8) {
  const std::size_t start = pane->LineStartOffset(line);
  const std::size_t end =
      line + 1 < pane->LineCount() ? pane->LineStartOffset(line + 1) : pane->Cp932Text().size();
  const std::string_view text = std::string_view(pane->Cp932Text()).substr(start, end - start);
  const std::size_t column = sjis::Find(text, Utf8ToCp932(utf8));
  for (const ColourSpan& span : pane->LineColours(line)) {
    if (column >= span.offset && column < span.offset + span.length) return span;
  }
  return std::nullopt;
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
  folder_->WriteSettings(folder_->QuietSettings());
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
    RgbColor colour;
    bool bold = false;
  };
  const Token tokens[] = {
      {0, "<", 0xFF00FF},         // symbol
      {0, "p ", 0xFF0000},        // known tag
      {0, "class", 0xFF0000},     // attribute name
      {0, "=a", 0xFF00FF},        // "="
      {0, "a title", 0x000000},   // unquoted value
      {0, "\"t\"", 0x008000},     // quoted value
      {0, "本文", 0x0000FF},      // text
      {0, "&amp;", 0x000000},     // entity
      {1, "注記", 0x800000},      // comment
      {2, "zz", 0x000000, true},  // unknown tag
  };
  for (const Token& token : tokens) {
    const std::optional<ColourSpan> span = SpanOf(pane, token.line, token.text);
    QVERIFY2(span, token.text);
    QVERIFY2(span->colour == token.colour, token.text);
    QVERIFY2(span->bold == token.bold, token.text);
  }
  // Colouring off leaves plain text; on again colours it once more.
  auto* colour = Source()->findChild<QCheckBox*>("CheckBoxColor");
  colour->setChecked(false);
  QVERIFY(pane->LineColours(0).empty());
  colour->setChecked(true);
  QCOMPARE(SpanOf(pane, 1, "記")->colour, RgbColor{0x800000});
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
  std::size_t compared = 0;
  for (int line = 0; line < pane->LineCount(); ++line) {
    const std::vector<ColourSpan> mine = pane->LineColours(line), theirs = body->LineColours(line);
    QCOMPARE(mine.size(), theirs.size());
    for (std::size_t i = 0; i < mine.size(); ++i) {
      QVERIFY(mine[i].offset == theirs[i].offset && mine[i].length == theirs[i].length &&
              mine[i].colour == theirs[i].colour && mine[i].bold == theirs[i].bold);
    }
    compared += mine.size();
  }
  QVERIFY(compared > 20);

  // What the user wrote into the body pane is what the window shows.
  body->SetCaretToByte(0);
  body->InsertCp932(Utf8ToCp932("<!-- 手直し -->"));
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
    // In the order of the text: 議長, 市長, 議長, 市長.
    const std::vector<PaneHighlight>& hits = pane->SearchHits();
    QCOMPARE(hits.size(), std::size_t{4});
    for (std::size_t i = 0; i < hits.size(); ++i) {
      const bool chair = i % 2 == 0;
      QCOMPARE(pane->Cp932Text().substr(hits[i].offset, hits[i].length),
               Utf8ToCp932(chair ? "議長" : "市長"));
      QCOMPARE(hits[i].style.bold, chair);
      QCOMPARE(hits[i].style.textColor.value_or(0), chair ? 0xFF0000u : 0u);
      QCOMPARE(hits[i].style.backColor.value_or(0), chair ? 0u : 0xD2691Eu);
    }
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
  QVERIFY(pane->SearchHits().empty());
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
    QCOMPARE(source->Pane()->WordWrap(), place.wordWrap);
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
  // The Japanese goes as signed 16-bit Unicode escapes ("議" is U+8B70), which
  // RTF readers keep, with its Shift_JIS bytes behind.
  QVERIFY(rtfOf().contains("\\u-29840\\'8b\\'63"));

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
