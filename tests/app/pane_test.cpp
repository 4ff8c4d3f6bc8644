// The editor panes: CP932 round trips, the multi-word search with its colours
// and result lists, the pane tool bars and the line-table search.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QTextBlock>

#include "app/editor/pane_search_bar.h"
#include "app_fixture.h"

namespace korva::testing {

namespace {

std::string Sj8(const char* utf8) {
  return Utf8ToCp932(utf8);
}

struct Hit {
  QString text;
  bool bold;
  QColor foreground, background;
};

std::vector<Hit> Hits(const app::TRichEditEx* pane) {
  std::vector<Hit> hits;
  for (const auto& selection : pane->extraSelections()) {
    hits.push_back({selection.cursor.selectedText(), selection.format.fontWeight() == QFont::Bold,
                    selection.format.foreground().color(), selection.format.background().color()});
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
  void HtmlIsColouredWhereItIsSeen();

 private:
  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
  app::PaneSearchBar* Bar(const char* findBox) const;
  void Search(const char* findBox, const QString& words);
};

void PaneTest::init() {
  folder_ = std::make_unique<AppFolder>();
  folder_->PutTryoutCss();
  auto values = folder_->FolderSettings();
  values["CheckBox/ImmediateGo"] = "0";
  folder_->WriteSettings(values);
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
    // A pane that is not on screen keeps the text aside and gives it back the same.
    app::TRichEditEx* hidden = window_->Pane("EditorNavOnePane");
    QVERIFY(!hidden->isVisible());
    hidden->SetCp932Text(text);
    QCOMPARE(hidden->Cp932Text(), text);
  }
}

void PaneTest::StrayBytesRoundTrip() {
  // Bytes that are not CP932 survive showing and editing elsewhere in the pane.
  const std::string text = std::string("a\x80") + "b\xFD\x81" + Sj8("表\r\n");
  window_->form->ui().ShowPage("PGRightTab04CSSJS");
  app::TRichEditEx* pane = window_->Pane("EditorCSS");
  pane->SetCp932Text(text);
  QCOMPARE(pane->Cp932Text(), text);
  QTextCursor cursor = pane->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("追加"));
  QCOMPARE(pane->Cp932Text(), text + Sj8("追加"));
}

void PaneTest::SearchColoursAndLists() {
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  pane->SetCp932Text(Sj8("議長が開会\r\n市長の答弁\r\n議長　市長\r\n"));
  Search("ComboBoxRightTextFindSrc", QStringLiteral("議長　市長"));
  const std::vector<Hit> hits = Hits(pane);
  QCOMPARE(hits.size(), std::size_t{4});
  QCOMPARE(hits[0].text, QStringLiteral("議長"));
  QVERIFY(hits[0].bold);
  QCOMPARE(hits[0].foreground, QColor(Qt::red));
  QCOMPARE(hits[2].text, QStringLiteral("市長"));
  QVERIFY(!hits[2].bold);
  QCOMPARE(hits[2].background, QColor(0xD2, 0x69, 0x1E));
  auto* list = window_->form->findChild<QListWidget*>("ListBoxPGRightTab06Text");
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  QCOMPARE(entries, QStringList({"   1/01", "   3/01", "   2/01", "   3/07"}));
  QCOMPARE(window_->form->ActiveEditor(), pane);

  // Refresh takes the red away and keeps the background colours.
  Bar("ComboBoxRightTextFindSrc")->Refresh();
  const std::vector<Hit> kept = Hits(pane);
  QCOMPARE(kept.size(), std::size_t{2});
  QCOMPARE(kept[0].text, QStringLiteral("市長"));
}

void PaneTest::SearchWordLimitsAndTraps() {
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  struct Case {
    const char* name;
    const char* text;
    QString words;
    int hits;
  };
  const Case cases[] = {
      {"eight words search seven", "a b c d e f g h", QStringLiteral("a b c d e f g h"), 7},
      {"a character twice in a row is found once", "ああ", QStringLiteral("あ"), 1},
      {"~ stands for a blank", "ab a b", QStringLiteral("a~b"), 1},
      {"a trail byte never matches", "表示ソフト", QStringLiteral("\\"), 0},
      {"@ is not the trail of a full-width space", "　@", QStringLiteral("@"), 1},
  };
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
  pane->setTextCursor(QTextCursor(pane->document()));
  emit list->itemClicked(list->item(0));
  QCOMPARE(pane->CaretLine(), 29);
  QCOMPARE(pane->textCursor().positionInBlock(), 3);
  QCOMPARE(window_->form->findChild<QLabel*>("LabelCommonLineNumber")->text(),
           QStringLiteral("  30/07"));
  QCOMPARE(window_->Panel(0), std::string(" [ 30 / 1 ]"));
}

void PaneTest::BottomOfAThreeLinePane() {
  window_->form->ui().ShowPage("PGRightTab06MinutesText");
  app::TRichEditEx* pane = window_->Pane("EditorMinutesText");
  pane->SetCp932Text(Sj8("一\r\n二\r\n三"));
  for (const int caretLine : {2, 0}) {
    QTextCursor cursor(pane->document()->findBlockByNumber(caretLine));
    pane->setTextCursor(cursor);
    Bar("ComboBoxRightTextFindSrc")->Bottom();
    QCOMPARE(pane->CaretLine(), 2);
    QCOMPARE(pane->textCursor().positionInBlock(), 0);
  }
  Bar("ComboBoxRightTextFindSrc")->Top();
  QCOMPARE(pane->textCursor().position(), 0);
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
  // The Text cell takes its category's colour; the other cells stay white.
  const QColor chair = grid->model()->index(2, 2).data(Qt::BackgroundRole).value<QBrush>().color();
  QVERIFY(chair != QColor(Qt::white));
  QCOMPARE(grid->model()->index(2, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
           QColor(Qt::white));
}

void PaneTest::HtmlIsColouredWhereItIsSeen() {
  app::TRichEditEx* pane = window_->Pane("EditorHTML");
  window_->form->findChild<QTabWidget*>("PGRight")->setCurrentWidget(
      window_->form->findChild<QWidget*>("PGRightTab01HTML"));
  std::string html = Sj8("<p class=\"a\">本文&amp;</p>\r\n<!-- 注\r\n記 -->\r\n");
  for (int i = 0; i < 3000; ++i) html += Sj8("<p>行</p>\r\n");
  pane->SetHtmlColouring(true);
  pane->SetCp932Text(html);
  Pump(50);
  auto formatAt = [&](int line, int column) {
    const QTextBlock block = pane->document()->findBlockByNumber(line);
    for (const auto& range : block.layout()->formats()) {
      if (column >= range.start && column < range.start + range.length) return range.format;
    }
    return QTextCharFormat();
  };
  QCOMPARE(formatAt(0, 1).foreground().color(), QColor(0xFF, 0x00, 0x00));   // known tag
  QCOMPARE(formatAt(0, 9).foreground().color(), QColor(0x00, 0x80, 0x00));   // quoted value
  QCOMPARE(formatAt(0, 13).foreground().color(), QColor(0x00, 0x00, 0xFF));  // text
  QCOMPARE(formatAt(2, 0).foreground().color(), QColor(0x80, 0x00, 0x00));   // comment goes on
  // Far below the view nothing is coloured yet; scrolling there colours it.
  QVERIFY(pane->document()->findBlockByNumber(2900).layout()->formats().isEmpty());
  pane->ScrollLineToTop(2900);
  Pump(50);
  QVERIFY(!pane->document()->findBlockByNumber(2900).layout()->formats().isEmpty());
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::PaneTest)
#include "pane_test.moc"
