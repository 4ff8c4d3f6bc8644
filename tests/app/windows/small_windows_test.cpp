// The small windows: the base converter, the key list and the about box.
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/app_fixture.h"
#include "app/windows/about_box.h"
#include "app/windows/base_conv.h"
#include "app/windows/key_list.h"
#include "app/windows/tool_windows.h"

namespace korva::testing {

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void BaseConverterFillsTheOtherBases();
  void KeyListShowsMenuShortcutsAndPaneKeys();
  void AboutBoxNamesVersionAndLibraries();
};

void SmallWindowsTest::BaseConverterFillsTheOtherBases() {
  AppFolder folder;
  Window window(folder);
  window.Trigger("MenuToolBaseConv");
  app::Tbaseconv* converter = window.form->Tools().BaseConverter();
  QVERIFY(converter->isVisible());
  struct Case {
    int base;
    QString typed;
    QString decimal, hexadecimal, octal, binary;
    bool fault;
  };
  const Case cases[] = {{10, "2024", "2024", "7E8", "3750", "11111101000", false},
                        {16, "ｆｆ", "255", "ｆｆ", "377", "11111111", false},
                        {2, "102", "", "", "", "102", true},
                        {8, "0", "0", "0", "0", "0", false},
                        {10, "", "", "", "", "", false}};
  auto* message = converter->findChild<QLabel*>("LabelBaseConvMessage");
  for (const Case& c : cases) {
    // Typed over what the box held, full-width digits through the input method.
    QLineEdit* box = converter->Box(c.base);
    box->selectAll();
    if (c.typed.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Backspace);
    } else {
      QInputMethodEvent typing;
      typing.setCommitString(c.typed);
      QApplication::sendEvent(box, &typing);
    }
    const QString shown = converter->Box(10)->text() + "|" + converter->Box(16)->text() + "|" +
                          converter->Box(8)->text() + "|" + converter->Box(2)->text();
    QCOMPARE(shown, c.decimal + "|" + c.hexadecimal + "|" + c.octal + "|" + c.binary);
    QVERIFY2(message->text().isEmpty() != c.fault, qPrintable(c.typed));
  }
}

void SmallWindowsTest::KeyListShowsMenuShortcutsAndPaneKeys() {
  AppFolder folder;
  Window window(folder);
  window.Trigger("MenuOtherKeyList");
  auto* list = window.form->Tools().KeyList()->findChild<QTreeWidget*>("ListViewKeys");
  QStringList rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    rows << list->topLevelItem(i)->text(0) + "=" + list->topLevelItem(i)->text(2);
  }
  QVERIFY2(rows.contains(QStringLiteral("Ctrl+U=ＨＴＭＬソースの表示")),
           qPrintable(rows.join(";")));
  QVERIFY(rows.contains(QStringLiteral("Esc=ウィンドウを閉じる")));
  // A shortcut given to a menu item later shows the next time the list opens.
  window.form->findChild<QAction*>("MenuToolColorPalette")->setShortcut(QKeySequence("F7"));
  window.form->Tools().KeyList()->close();
  window.Trigger("MenuOtherKeyList");
  QVERIFY(list->findItems(QStringLiteral("F7"), Qt::MatchExactly, 0).size() == 1);
}

void SmallWindowsTest::AboutBoxNamesVersionAndLibraries() {
  AppFolder folder;
  Window window(folder);
  window.Trigger("MenuOtherAbout");
  app::TAboutBox* about = window.form->Tools().About();
  QVERIFY(about->isVisible());
  const QString text = about->findChild<QTextBrowser*>("MemoAbout")->toPlainText();
  for (const QString& part : {QStringLiteral("Ver.14.09.24"), QStringLiteral(KORVA_VERSION),
                              QStringLiteral("ライセンス"), QString::fromLatin1(qVersion())}) {
    QVERIFY2(text.contains(part), qPrintable(part));
  }
  // Without the browser library the box does not name it.
  QVERIFY(!text.contains(QStringLiteral("WebEngine")));
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::SmallWindowsTest)
#include "small_windows_test.moc"
