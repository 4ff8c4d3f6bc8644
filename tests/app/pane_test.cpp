// The editor panes: CP932 round trips, the multi-word search with its colours
// and result lists, the pane tool bars and the line-table search.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/editor/pane_search_bar.h"
#include "app_fixture.h"

namespace korva::testing {

namespace {

std::string Sj8(const char* utf8) {
  return Utf8ToCp932(utf8);
}

struct Hit {
  std::string text;  // UTF-8
  bool bold;
  std::optional<std::uint32_t> foreground, background;
};

std::vector<Hit> Hits(const app::TRichEditEx* pane) {
  std::vector<Hit> hits;
  for (const PaneHighlight& hit : pane->SearchHits()) {
    hits.push_back({Cp932ToUtf8(pane->Cp932Text().substr(hit.offset, hit.length)), hit.style.bold,
                    hit.style.textColor, hit.style.backColor});
  }
  return hits;
}

}  // namespace

class PaneTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void Cp932RoundTrip();
  void StrayBytesRoundTrip();
  void SearchColoursAndLists();
  void SearchWordLimitsAndTraps();
  void ResultClickPutsTheCaretOnItsLine();
  void BottomOfAThreeLinePane();
  void GridSearchWraps();
  void HtmlColours();
  void TypingAndUndoKeepTheBytes();
  void WrappedLinesAreRowsOfCells();

 private:
  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
  app::PaneSearchBar* Bar(const char* findBox) const;
  void Search(const char* findBox, const QString& words);
};

void PaneTest::init() {
  folder_ = std::make_unique<AppFolder>();
  folder_->WriteSettings(folder_->QuietSettings());
  window_ = std::make_unique<Window>(*folder_);
  QVERIFY(window_->Start());
}

void PaneTest::cleanup() {
  window_.reset();
  folder_.reset();
}

app::PaneSearchBar* PaneTest::Bar(const char* findBox) const {
  for (auto* bar : window_->form->findChildren<app::PaneSearchBar*>()) {
    if (bar->FindBox()->objectName() == findBox) return bar;
  }
  return nullptr;
}

void PaneTest::Search(const char* findBox, const QString& words) {
  app::PaneSearchBar* bar = Bar(findBox);
  bar->FindBox()->setEditText(words);
  bar->Search();
}

void PaneTest::Cp932RoundTrip() {
  // Trail bytes 0x5C and 0x7E, the wave dash and minus CP932 maps apart from
  // Shift_JIS, half-width kana, and both kinds of line end.
  const std::string texts[] = {
      Sj8("表示のソフト～－ｱｲｳ\r\n二行目\r\n"),
      Sj8("表\nソ\n～－ｶﾀｶﾅ"),
      Sj8(""),
  };
  app::TRichEditEx* pane = window_->Pane("EditorCSS");
  for (const std::string& text : texts) {
    pane->SetCp932Text(text);
    QCOMPARE(pane->Cp932Text(), text);
    // Copied and pasted over itself, through the clipboard's Unicode and back.
    if (text.empty()) continue;
    pane->selectAll();
    pane->copy();
    pane->selectAll();
    pane->paste();
    QCOMPARE(pane->Cp932Text(), text);
  }
}

void PaneTest::StrayBytesRoundTrip() {
  // Bytes that are not CP932 survive showing and editing elsewhere in the pane.
  const std::string text = std::string("a\x80") + "b\xFD\x81" + Sj8("表\r\n");
  window_->form->ui().ShowPage("PGRightTab04CSSJS");
  app::TRichEditEx* pane = window_->Pane("EditorCSS");
  pane->SetCp932Text(text);
  QCOMPARE(pane->Cp932Text(), text);
  pane->SetCaretToByte(text.size());
  pane->InsertCp932(Sj8("追加"));
  QCOMPARE(pane->Cp932Text(), text + Sj8("追加"));
}

void PaneTest::SearchColoursAndLists() {
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  pane->SetCp932Text(Sj8("議長が開会\r\n市長の答弁\r\n議長　市長\r\n"));
  Search("ComboBoxRightTextFindSrc", QStringLiteral("議長　市長"));
  const std::vector<Hit> hits = Hits(pane);
  QCOMPARE(hits.size(), std::size_t{4});
  // Hits are kept in the order of the text.
  QCOMPARE(hits[0].text, std::string("議長"));
  QVERIFY(hits[0].bold);
  QCOMPARE(hits[0].foreground, std::optional<std::uint32_t>(0xFF0000));
  QCOMPARE(hits[1].text, std::string("市長"));
  QVERIFY(!hits[1].bold);
  QCOMPARE(hits[1].background, std::optional<std::uint32_t>(0xD2691E));
  auto* list = window_->form->findChild<QListWidget*>("ListBoxPGRightTab06Text");
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  QCOMPARE(entries, QStringList({"   1/01", "   3/01", "   2/01", "   3/07"}));
  QCOMPARE(window_->form->ActiveEditor(), pane);

  // Refresh takes the red away and keeps the background colours.
  Bar("ComboBoxRightTextFindSrc")->Refresh();
  const std::vector<Hit> kept = Hits(pane);
  QCOMPARE(kept.size(), std::size_t{2});
  QCOMPARE(kept[0].text, std::string("市長"));
  QVERIFY(!kept[0].foreground);
}

void PaneTest::SearchWordLimitsAndTraps() {
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  struct Case {
    const char *name, *text;
    QString words;
    int hits;
  };
  const Case cases[] = {
      {"eight words search seven", "a b c d e f g h", QStringLiteral("a b c d e f g h"), 7},
      {"a character twice in a row is found once", "ああ", QStringLiteral("あ"), 1},
      {"~ stands for a blank", "ab a b", QStringLiteral("a~b"), 1},
      {"a trail byte never matches", "表示ソフト", QStringLiteral("\\"), 0},
      {"@ is not the trail of a full-width space", "　@", QStringLiteral("@"), 1}};
  for (const Case& c : cases) {
    pane->SetCp932Text(Sj8(c.text));
    Search("ComboBoxRightTextFindSrc", c.words);
    QVERIFY2(static_cast<int>(Hits(pane).size()) == c.hits, c.name);
  }
}

void PaneTest::ResultClickPutsTheCaretOnItsLine() {
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  std::string text;
  for (int line = 1; line <= 40; ++line) text += Sj8(line == 30 ? "ここに答弁\r\n" : "行\r\n");
  pane->SetCp932Text(text);
  Search("ComboBoxRightTextFindSrc", QStringLiteral("答弁"));
  auto* list = window_->form->findChild<QListWidget*>("ListBoxPGRightTab06Text");
  QCOMPARE(list->count(), 1);
  QCOMPARE(list->item(0)->text(), QStringLiteral("  30/07"));
  pane->SetCaretToByte(0);
  emit list->itemClicked(list->item(0));
  QCOMPARE(pane->CaretLine(), 29);
  QCOMPARE(pane->CaretColumn(), 3);
  QCOMPARE(pane->FirstVisibleLine(), 29);
  QCOMPARE(window_->form->findChild<QLabel*>("LabelCommonLineNumber")->text(),
           QStringLiteral("  30/07"));
  QCOMPARE(window_->Panel(0), std::string(" [ 30 / 1 ]"));
}

void PaneTest::BottomOfAThreeLinePane() {
  window_->form->ui().ShowPage("PGRightTab06MinutesText");
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  pane->SetCp932Text(Sj8("一\r\n二\r\n三"));
  for (const int caretLine : {2, 0}) {
    pane->SetCaretToByte(pane->LineStartOffset(caretLine) + 2);
    Bar("ComboBoxRightTextFindSrc")->Bottom();
    QCOMPARE(pane->CaretLine(), 2);
    QCOMPARE(pane->CaretColumn(), 0);
  }
  Bar("ComboBoxRightTextFindSrc")->Top();
  QCOMPARE(pane->CaretOffset(), std::size_t{0});
}

void PaneTest::GridSearchWraps() {
  const auto minutes = folder_->WriteMinutes(
      "表@t.txt", {"会議録", "■開議", "○議長（山田太郎君）　開きます。", "　続けます。",
                   "○市長（鈴木一郎君）　答えます。", "○議長（山田太郎君）　閉じます。", "■散会"});
  window_->prompter.paths.push_back(Utf8ToCp932(minutes.string()));
  window_->Trigger("tbOpenFile");
  auto* grid = window_->form->findChild<QTableView*>("MinutesTextStringGrid");
  auto* box = window_->form->findChild<QComboBox*>("ComboBoxGridSearch");
  QCOMPARE(grid->model()->rowCount(), 7);
  box->setEditText(QStringLiteral("議長"));
  // Rows 3 and 6 hold the word; after 6 the search misses, goes to row 1, then finds 3 again.
  for (const int expected : {3, 6, 1, 3}) {
    window_->Trigger("tbRightGridSeachGo");
    QCOMPARE(grid->currentIndex().row() + 1, expected);
  }
  // An entry of the agenda-and-speaker list brings the line table forward on its row.
  auto* agenda = window_->form->findChild<QListWidget*>("ListBoxPGLeftTab01MainText");
  QVERIFY(agenda->count() >= 2);
  QListWidgetItem* mayor = agenda->findItems(QStringLiteral("市長"), Qt::MatchContains).value(0);
  QVERIFY(mayor);
  emit agenda->itemClicked(mayor);
  QCOMPARE(grid->currentIndex().row() + 1, 5);
  QVERIFY(grid->isVisible());
  // The first eight characters of its description go to the text's find box;
  // the description without marks goes to the grid's.
  QCOMPARE(window_->form->findChild<QComboBox*>("ComboBoxFindSrc")->currentText(),
           QStringLiteral("   2. ○市"));
  QCOMPARE(box->currentText(), QStringLiteral("市長（鈴木一郎君）"));
  // The Text cell takes its category's colour; the other cells stay white.
  const QColor chair = grid->model()->index(2, 2).data(Qt::BackgroundRole).value<QBrush>().color();
  QVERIFY(chair != QColor(Qt::white));
  QCOMPARE(grid->model()->index(2, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
           QColor(Qt::white));
}

void PaneTest::HtmlColours() {
  app::TRichEditEx* pane = window_->Pane("EditorHTML");
  pane->SetHtmlColouring(true);
  pane->SetCp932Text(Sj8("<p class=\"a\">本文&amp;</p>\r\n<!-- 注\r\n記 -->\r\n<zz>"));
  auto colourAt = [&](int line, std::size_t byte) -> std::pair<std::uint32_t, bool> {
    for (const ColourSpan& span : pane->LineColours(line)) {
      if (byte >= span.offset && byte < span.offset + span.length) return {span.colour, span.bold};
    }
    return {0xFFFFFFu, false};
  };
  QCOMPARE(colourAt(0, 1).first, 0xFF0000u);                  // known tag
  QCOMPARE(colourAt(0, 9).first, 0x008000u);                  // quoted value
  QCOMPARE(colourAt(0, 13).first, 0x0000FFu);                 // text
  QCOMPARE(colourAt(2, 0).first, 0x800000u);                  // a comment goes on to the next line
  QCOMPARE(colourAt(3, 1), std::make_pair(0x000000u, true));  // unknown tag in bold
  pane->SetHtmlColouring(false);
  QVERIFY(pane->LineColours(0).empty());
}

void PaneTest::TypingAndUndoKeepTheBytes() {
  window_->form->ui().ShowPage("PGRightTab04CSSJS");
  app::TRichEditEx* pane = window_->Pane("EditorCSS");
  const std::string text = Sj8("表示\r\nソ\n");  // mixed line ends stay as they are
  pane->SetCp932Text(text);
  pane->setFocus();
  pane->SetCaretToByte(2);  // between 表 and 示
  QInputMethodEvent typing;
  typing.setCommitString(QStringLiteral("～"));
  QApplication::sendEvent(pane, &typing);
  QCOMPARE(pane->Cp932Text(), Sj8("表～示\r\nソ\n"));
  QTest::keyClick(pane, Qt::Key_Backspace);
  QTest::keyClick(pane, Qt::Key_Return);
  QCOMPARE(pane->Cp932Text(), Sj8("表\r\n示\r\nソ\n"));
  QVERIFY(pane->EditedByUser());
  for (int i = 0; i < 3; ++i) pane->undo();
  QCOMPARE(pane->Cp932Text(), text);
  // Moving over a two-byte character never stops inside it.
  pane->SetCaretToByte(3);
  QCOMPARE(pane->CaretOffset(), std::size_t{2});
  QTest::keyClick(pane, Qt::Key_Right);
  QCOMPARE(pane->CaretOffset(), std::size_t{4});
  QTest::keyClick(pane, Qt::Key_Right);
  QCOMPARE(pane->CaretOffset(), std::size_t{6});  // over CR LF at once
}

void PaneTest::WrappedLinesAreRowsOfCells() {
  window_->form->ui().ShowPage("PGRightTab06MinutesText");
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  QVERIFY(pane->WordWrap());
  std::string longLine;
  for (int i = 0; i < 400; ++i) longLine += Sj8("発");
  pane->SetCp932Text(Sj8("一\r\n") + longLine + Sj8("\r\n三"));
  // The long line takes several rows; the line after it starts below them.
  pane->ScrollLineToTop(2);
  QVERIFY(pane->verticalScrollBar()->value() > 2);
  QCOMPARE(pane->FirstVisibleLine(), 2);
  pane->SetCaretToByte(pane->LineStartOffset(1) + 399 * 2);
  QCOMPARE(pane->CaretColumn(), 399);
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::PaneTest)
#include "pane_test.moc"
