// The forced-line-break tool in the window: paste hard-wrapped text, convert
// it with the panel's settings, look at it in the HTML-body pane, copy it.
#include <QClipboard>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/app_fixture.h"

namespace korva::testing {

namespace {

// A line of `characters` full-width characters (two bytes each).
std::string Wide(int characters, const char* last = "あ") {
  std::string line;
  for (int i = 1; i < characters; ++i) line += "あ";
  return line + last;
}

}  // namespace

class ForcedBreakTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void BreakPanelJoinsPastedParagraphs();
  void BreakPanelMarksBackSlashesWithItsSettings();
  void BreakPanelsCloseWithANewFile();

 private:
  int PanelHeight(const char* name) const {
    return window_->form->findChild<QFrame*>(name)->maximumHeight();
  }
  void Paste(const std::string& utf8) {
    QApplication::clipboard()->setText(QString::fromStdString(utf8));
    window_->Trigger("tbForWordWrapCopyFromClipbd");
  }

  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
};

void ForcedBreakTest::init() {
  folder_ = std::make_unique<AppFolder>();
  folder_->WriteSettings(folder_->FolderSettings());
  window_ = std::make_unique<Window>(*folder_);
  QVERIFY(window_->Start());
  QCOMPARE(PanelHeight("PanelPGRightTab06Top"), 40);
}

void ForcedBreakTest::cleanup() {
  window_.reset();
  folder_.reset();
}

void ForcedBreakTest::BreakPanelJoinsPastedParagraphs() {
  // A page number, two forced-broken lines (30 characters = 60 bytes), the
  // end of the paragraph, and a short line that keeps its break.
  const std::string text =
      "- 3 -\n" + Wide(30) + "\n" + Wide(30) + "\n" + Wide(5, "。") + "\n" + Wide(12) + "\n";
  Paste(text);
  QCOMPARE(window_->Page("PGLeft"), std::string("PGLeftTab08HTMLBody"));
  QCOMPARE(window_->Page("PGRight"), std::string("PGRightTab06MinutesText"));
  QCOMPARE(window_->PaneText("EditorMinutesText"), "- 3 -\r\n" + Wide(30) + "\r\n" + Wide(30) +
                                                       "\r\n" + Wide(5, "。") + "\r\n" + Wide(12) +
                                                       "\r\n");
  QCOMPARE(PanelHeight("PanelPGRightTab06Top"), 97);
  QCOMPARE(PanelHeight("PanelPGLeftTab08Top"), 97);
  auto* panel = window_->form->findChild<QFrame*>("PanelPGRightTab06Top");
  QVERIFY(window_->form->findChild<QSpinBox*>("SpinEditLineLimit")->isVisibleTo(panel));

  window_->Trigger("tbDoWordWrap");
  const std::string joined = Wide(30) + Wide(30) + Wide(5, "。") + "\r\n" + Wide(12) + "\r\n";
  QCOMPARE(window_->PaneText("EditorBodyHTML"), joined);
  QVERIFY2(!window_->Pane("EditorBodyHTML")->HtmlColouring(), "converted text stays black");

  window_->Trigger("tbDoWordWrapCOPY");
  QCOMPARE(QApplication::clipboard()->text().toStdString(), joined);
  QCOMPARE(PanelHeight("PanelPGRightTab06Top"), 40);
  QCOMPARE(PanelHeight("PanelPGLeftTab08Top"), 40);
  QVERIFY(!window_->form->findChild<QSpinBox*>("SpinEditLineLimit")->isVisibleTo(panel));
  QCOMPARE(window_->PaneText("EditorBodyHTML"), joined);
  // Copied once: a second copy leaves the clipboard alone.
  QApplication::clipboard()->setText(QStringLiteral("other"));
  window_->Trigger("tbDoWordWrapCOPY");
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("other"));
}

void ForcedBreakTest::BreakPanelMarksBackSlashesWithItsSettings() {
  Paste("- 3 -\n" + Wide(10) + "\n" + Wide(9) + "\n" + Wide(10, "。") + "\n");
  auto* lower = window_->form->findChild<QSpinBox*>("SpinEditLowerLimit");
  auto* limit = window_->form->findChild<QSpinBox*>("SpinEditLineLimit");
  QCOMPARE(lower->value(), 16);
  QCOMPARE(limit->value(), 60);
  QCOMPARE(lower->maximum(), 20);
  // The panel's own settings: keep every line, lines of 20 bytes and more are broken.
  lower->setValue(0);
  limit->setValue(20);
  QTest::mouseClick(window_->form->findChild<QPushButton*>("btnDoAddBackSlash"), Qt::LeftButton);
  QCOMPARE(window_->PaneText("EditorBodyHTML"),
           "- 3 -\r\n" + Wide(10) + "＼\r\n" + Wide(9) + "\r\n" + Wide(10, "。") + "\r\n");
  // The same in paragraphs, from the HTML-body tab's panel.
  QTest::mouseClick(window_->form->findChild<QPushButton*>("btnBodyDoWordWrap"), Qt::LeftButton);
  QCOMPARE(window_->PaneText("EditorBodyHTML"),
           "- 3 -\r\n" + Wide(10) + Wide(9) + "\r\n" + Wide(10, "。") + "\r\n");
  QTest::mouseClick(window_->form->findChild<QPushButton*>("btnBodyDoWordWrapCOPY"),
                    Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text().toStdString(),
           "- 3 -\r\n" + Wide(10) + Wide(9) + "\r\n" + Wide(10, "。") + "\r\n");
  QCOMPARE(window_->form->settings().SpinEditLineLimit, 20);
}

void ForcedBreakTest::BreakPanelsCloseWithANewFile() {
  Paste(Wide(30) + "\n" + Wide(3, "。") + "\n");
  window_->Trigger("MenuTextPaste2TextPane");
  window_->Trigger("tbDoWordWrap");
  QVERIFY(window_->PaneText("EditorBodyHTML").starts_with(Wide(30) + Wide(3, "。")));
  window_->Trigger("tbNewFile");
  QCOMPARE(PanelHeight("PanelPGRightTab06Top"), 40);
  QVERIFY2(window_->PaneText("EditorBodyHTML").empty(), "a new file empties the pane");
  // The pasted text stays: converting again shows it again.
  window_->Trigger("tbDoWordWrap");
  QVERIFY(window_->PaneText("EditorBodyHTML").starts_with(Wide(30) + Wide(3, "。")));
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::ForcedBreakTest)
#include "forced_break_test.moc"
