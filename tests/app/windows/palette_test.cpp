// The colour palette: named colours, the R/G/B boxes, picking from what the
// window drew, and the four copy buttons.
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/app_fixture.h"
#include "app/windows/color_form.h"
#include "app/windows/tool_windows.h"

namespace korva::testing {

class PaletteTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void PaletteShowsTheChosenName();
  void PaletteSetsRgbAndWraps();
  void PalettePicksThePixelItDrew();
  void PaletteCopiesTheFourTexts();
  void PaletteUpDownStepsWithinABox();

 private:
  QString Box(const char* name) const { return form_->findChild<QLineEdit*>(name)->text(); }
  void SetBox(const char* name, const QString& text) const {
    form_->findChild<QLineEdit*>(name)->setText(text);
  }
  void Click(const char* name) const {
    QTest::mouseClick(form_->findChild<QAbstractButton*>(name), Qt::LeftButton);
  }
  void Choose(const char* name) const;
  // The R/G/B boxes as "r,g,b".
  QString Rgb() const {
    return Box("RcolorEdit") + "," + Box("GcolorEdit") + "," + Box("BcolorEdit");
  }
  void SetRgb(const char* r, const char* g, const char* b) const {
    SetBox("RcolorEdit", r);
    SetBox("GcolorEdit", g);
    SetBox("BcolorEdit", b);
  }

  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
  app::TColorForm* form_ = nullptr;
};

void PaletteTest::init() {
  folder_ = std::make_unique<AppFolder>();
  folder_->WriteSettings({});
  window_ = std::make_unique<Window>(*folder_);
  QVERIFY(window_->Start());
  window_->Trigger("tbColorPallete");
  form_ = window_->form->Tools().Palette();
  QVERIFY(form_->isVisible());
}

void PaletteTest::cleanup() {
  window_.reset();
  folder_.reset();
}

void PaletteTest::Choose(const char* name) const {
  auto* list = form_->findChild<QListWidget*>("ListBoxColorName");
  const auto items = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
  QVERIFY2(items.size() == 1, name);
  list->scrollToItem(items[0]);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

void PaletteTest::PaletteShowsTheChosenName() {
  struct Case {
    const char *name, *html;
    const char* value;  // R + G * 256 + B * 65536
    const char *r, *g, *b;
  };
  const Case cases[] = {{"mediumpurple", "#9370DB", "14381203", "147", "112", "219"},
                        {"aliceblue", "#F0F8FF", "16775408", "240", "248", "255"},
                        {"yellowgreen", "#9ACD32", "3329434", "154", "205", "50"},
                        {"black", "#000000", "0", "0", "0", "0"}};
  for (const Case& c : cases) {
    Choose(c.name);
    QCOMPARE(Box("EditColorName"), QString::fromLatin1(c.name));
    QCOMPARE(Box("EditHTMLColorNumber"), QString::fromLatin1(c.html));
    QCOMPARE(Box("EditColorValue"), QString::fromLatin1(c.value));
    QCOMPARE(Rgb(), QStringLiteral("%1,%2,%3").arg(c.r, c.g, c.b));
    QVERIFY(form_->findChild<QFrame*>("Panelcolo")->styleSheet().contains(c.html));
  }
  // Each row is painted in its own colour.
  auto* list = form_->findChild<QListWidget*>("ListBoxColorName");
  list->scrollToTop();
  const QRect row = list->visualItemRect(list->item(0));
  const QImage picture = list->viewport()->grab().toImage();
  QCOMPARE(picture.pixelColor(row.right() - 4, row.center().y()), QColor(0xF0, 0xF8, 0xFF));
}

void PaletteTest::PaletteSetsRgbAndWraps() {
  struct Case {
    const char *r, *g, *b;
    const char* boxes;  // after セット
    const char *name, *html;
  };
  const Case cases[] = {{"300", "0", "0", "44,0,0", "#2C0000", "#2C0000"},
                        {"255", "255", "255", "255,255,255", "white", "#FFFFFF"},
                        {"256", "x", "-1", "0,0,255", "blue", "#0000FF"},
                        {"147", "112", "219", "147,112,219", "mediumpurple", "#9370DB"}};
  for (const Case& c : cases) {
    SetRgb(c.r, c.g, c.b);
    Click("sbSetRGB");
    QCOMPARE(Rgb(), QString::fromLatin1(c.boxes));
    QCOMPARE(Box("EditColorName"), QString::fromLatin1(c.name));
    QCOMPARE(Box("EditHTMLColorNumber"), QString::fromLatin1(c.html));
  }
  // A colour without a name: the lookup empties the name and keeps the number.
  SetRgb("1", "2", "3");
  Click("sbSetRGB");
  Click("btnSearchName");
  QCOMPARE(Box("EditColorName"), QString());
  QCOMPARE(Box("EditHTMLColorNumber"), QStringLiteral("#010203"));
}

void PaletteTest::PalettePicksThePixelItDrew() {
  struct Case {
    const char* surface;
    QPoint point;
    std::optional<RgbColor> expected;  // the formulas' colour, where they say
    bool showsValue;
  };
  // (QTest takes the point 0,0 for the widget's centre.)
  const Case cases[] = {{"PaintBox1", {1, 1}, HueFieldColorAtPixel(0, 0), false},
                        {"PaintBox1", {100, 32}, HueTable()[50], false},  // row 16: the hue itself
                        {"PaintBox1", {255, 63}, HueFieldColorAtPixel(255, 63), false},
                        {"PaintBox2", {0, 5}, GreyRampColor(0), false},
                        {"PaintBox2", {255, 41}, MakeRgb(255, 255, 255), false},
                        {"Image2", {1, 1}, MakeRgb(0, 0, 0), true},
                        {"Image2", {251, 167}, MakeRgb(255, 255, 255), true},
                        {"Image2", {100, 100}, std::nullopt, true}};
  for (const Case& c : cases) {
    const QString where =
        QStringLiteral("%1 at %2,%3").arg(c.surface).arg(c.point.x()).arg(c.point.y());
    auto* surface = form_->findChild<QWidget*>(c.surface);
    const QColor drawn = surface->grab().toImage().pixelColor(c.point);
    if (c.expected) {
      QVERIFY2(drawn == QColor::fromRgb(static_cast<QRgb>(*c.expected)), qPrintable(where));
    }
    SetBox("EditColorName", "before");
    SetBox("EditColorValue", "before");
    QMouseEvent move(QEvent::MouseMove, c.point, surface->mapToGlobal(c.point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QTest::mouseClick(surface, Qt::LeftButton, {}, c.point);
    const QString html =
        QString::asprintf("#%02X%02X%02X", drawn.red(), drawn.green(), drawn.blue());
    QVERIFY2(Box("EditHTMLColorNumber") == html, qPrintable(where));
    QVERIFY2(Box("RcolorEdit") == QString::number(drawn.red()), qPrintable(where));
    QVERIFY2(Box("BcolorEdit") == QString::number(drawn.blue()), qPrintable(where));
    QVERIFY2(Box("EditColorName").isEmpty(), qPrintable(where));
    const QString value = QString::number(drawn.red() + drawn.green() * 256 + drawn.blue() * 65536);
    QVERIFY2(Box("EditColorValue") == (c.showsValue ? value : QStringLiteral("before")),
             qPrintable(where));
    if (!c.showsValue) {
      // Moving over the field shows the colour under the pointer.
      QVERIFY2(form_->findChild<QFrame*>("Panel5")->styleSheet().contains(html), qPrintable(where));
    }
  }
}

void PaletteTest::PaletteCopiesTheFourTexts() {
  Choose("mediumpurple");
  struct Case {
    const char *button, *text;
  };
  const Case cases[] = {{"sbCOPYEditColorName", "mediumpurple"},
                        {"sbCOPYEditHTMLColorNumber", "#9370DB"},
                        {"sbColorValueCOOPY", "14381203"},
                        {"sCOPYtRGB", "rgb(147,112,219) ;"}};
  for (const Case& c : cases) {
    QApplication::clipboard()->clear();
    Click(c.button);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(c.text));
  }
  // What the boxes hold is copied, trimmed.
  SetRgb("1", "2", "3");
  Click("sCOPYtRGB");
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("rgb(1,2,3) ;"));
  SetBox("EditColorName", "  my colour ");
  Click("sbCOPYEditColorName");
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("my colour"));
}

void PaletteTest::PaletteUpDownStepsWithinABox() {
  struct Case {
    const char *before, *arrow, *after;
  };
  const Case cases[] = {{"254", "RcolorUp", "255"}, {"255", "RcolorUp", "255"},
                        {"1", "RcolorDown", "0"},   {"0", "RcolorDown", "0"},
                        {"x", "RcolorUp", "1"},     {"300", "RcolorDown", "255"}};
  for (const Case& c : cases) {
    SetBox("RcolorEdit", c.before);
    Click(c.arrow);
    QCOMPARE(Box("RcolorEdit"), QString::fromLatin1(c.after));
  }
}

}  // namespace korva::testing

QTEST_MAIN(korva::testing::PaletteTest)
#include "palette_test.moc"
