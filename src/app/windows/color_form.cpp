#include "app/windows/color_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"

namespace korva::app {

namespace {

QColor ToQColor(RgbColor c) {
  return QColor::fromRgb(static_cast<QRgb>(c | 0xFF000000u));
}

RgbColor FromQColor(const QColor& c) {
  return MakeRgb(c.red(), c.green(), c.blue());
}

QImage HueFieldPicture() {
  QImage picture(kHueCount * kHueCellPixels, kHueFieldRows * kHueCellPixels, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int column = 0; column < kHueCount; ++column) {
    for (int row = 0; row < kHueFieldRows; ++row) {
      painter.fillRect(column * kHueCellPixels, row * kHueCellPixels, kHueCellPixels,
                       kHueCellPixels, ToQColor(HueFieldColor(column, row)));
    }
  }
  return picture;
}

QImage GreyRampPicture() {
  QImage picture(kGreyRampColumns * 2, 42, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int column = 0; column < kGreyRampColumns; ++column) {
    painter.fillRect(column * 2, 0, 2, 42, ToQColor(GreyRampColor(column)));
  }
  return picture;
}

// Six blocks of 6 x 6 (one per red step, green down, blue across), three
// blocks to a row.
QImage WebSafePicture() {
  constexpr int kCell = 14;
  QImage picture(18 * kCell, 12 * kCell, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        painter.fillRect(((r % 3) * 6 + b) * kCell, ((r / 3) * 6 + g) * kCell, kCell, kCell,
                         QColor(r * 51, g * 51, b * 51));
      }
    }
  }
  return picture;
}

void Paint(QFrame* frame, RgbColor colour) {
  frame->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #808080;")
                           .arg(FromCp932(HtmlColorNumber(colour))));
}

// ListBoxColorName: every row in its own colour, its name 2 pixels from the
// left in the ink that stays readable on it.
class ColourNameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const NamedColor& named = NamedColors()[static_cast<std::size_t>(index.row())];
    painter->save();
    painter->fillRect(option.rect, ToQColor(named.rgb));
    painter->setPen(ListNameInk(HtmlColorNumber(named.rgb)) == NameInk::Yellow ? Qt::yellow
                                                                               : Qt::blue);
    painter->drawText(
        option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
        QString::fromLatin1(named.name.data(), static_cast<qsizetype>(named.name.size())));
    if (option.state & QStyle::State_Selected) {
      painter->setPen(QPen(Qt::black, 2));
      painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
  }
};

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

ColorSurface::ColorSurface(const char* name, QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
  setObjectName(name);
  setFixedSize(picture_.size());
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

void ColorSurface::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, picture_);
}

std::optional<RgbColor> ColorSurface::PixelAt(const QPoint& point) const {
  if (!picture_.rect().contains(point)) return std::nullopt;
  return FromQColor(picture_.pixelColor(point));
}

void ColorSurface::mousePressEvent(QMouseEvent* event) {
  if (const auto colour = PixelAt(event->position().toPoint())) emit picked(*colour);
}

void ColorSurface::mouseMoveEvent(QMouseEvent* event) {
  if (const auto colour = PixelAt(event->position().toPoint())) emit hovered(*colour);
}

TColorForm::TColorForm(QWidget* owner, Ui& ui)
    : QWidget(owner, Qt::Window),
      ui_(ui),
      names_(new QListWidget(this)),
      swatch_(new QFrame(this)),
      preview_(new QFrame(this)) {
  setObjectName("TColorForm");
  setWindowTitle(QStringLiteral("カラーパレット"));
  names_->setObjectName("ListBoxColorName");
  names_->setItemDelegate(new ColourNameDelegate(names_));
  names_->setFixedWidth(190);
  for (const std::string& name : palette_.ListBoxColorName) names_->addItem(FromCp932(name));
  // A choice by click or by key; the list taking the focus chooses nothing.
  connect(names_, &QListWidget::itemSelectionChanged, this, &TColorForm::ListBoxColorNameClick);
  connect(names_, &QListWidget::itemClicked, this, &TColorForm::ListBoxColorNameClick);
  swatch_->setObjectName("Panelcolo");
  swatch_->setMinimumHeight(36);
  preview_->setObjectName("Panel5");
  preview_->setFixedSize(64, 64);
  Paint(preview_, MakeRgb(255, 255, 255));

  auto* hues = new ColorSurface("PaintBox1", HueFieldPicture(), this);
  auto* greys = new ColorSurface("PaintBox2", GreyRampPicture(), this);
  auto* webSafe = new ColorSurface("Image2", WebSafePicture(), this);
  for (ColorSurface* surface : {hues, greys}) {
    connect(surface, &ColorSurface::picked, this, [this](RgbColor c) { Pick(c, false); });
    connect(surface, &ColorSurface::hovered, this, [this](RgbColor c) { Paint(preview_, c); });
  }
  connect(webSafe, &ColorSurface::picked, this, [this](RgbColor c) { Pick(c, true); });

  auto* right = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(hues);
  top->addWidget(preview_);
  top->addStretch(1);
  right->addLayout(top);
  right->addWidget(greys);
  auto* webLabel = new QLabel(QStringLiteral("Ｗｅｂ Ｓａｆｅ カラー   "), this);
  right->addWidget(webLabel);
  right->addWidget(webSafe);
  right->addWidget(BuildBoxes());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(swatch_, 1);
  QPushButton* exit = Button("sbExit", QStringLiteral("閉じる"), this);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  bottom->addWidget(exit);
  right->addLayout(bottom);
  right->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(names_);
  layout->addLayout(right);
  ShowPalette();
}

QWidget* TColorForm::BuildBoxes() {
  auto* boxes = new QWidget(this);
  auto* grid = new QGridLayout(boxes);
  grid->setContentsMargins(0, 4, 0, 0);
  using Copy = void (TColorForm::*)();
  auto row = [&](int at, const QString& caption, const char* edit, const char* copy, Copy slot) {
    grid->addWidget(new QLabel(caption, boxes), at, 0);
    auto* box = new QLineEdit(boxes);
    box->setObjectName(edit);
    grid->addWidget(box, at, 1);
    QPushButton* button = Button(copy, QStringLiteral("コピー"), boxes);
    connect(button, &QPushButton::clicked, this, slot);
    grid->addWidget(button, at, 2);
    return box;
  };
  nameEdit_ = row(0, QStringLiteral("色名"), "EditColorName", "sbCOPYEditColorName",
                  &TColorForm::sbCOPYEditColorNameClick);
  htmlEdit_ = row(1, QStringLiteral("HTML Hex#"), "EditHTMLColorNumber",
                  "sbCOPYEditHTMLColorNumber", &TColorForm::sbCOPYEditHTMLColorNumberClick);
  valueEdit_ = row(2, QStringLiteral("カラー 値 "), "EditColorValue", "sbColorValueCOOPY",
                   &TColorForm::sbColorValueCOOPYClick);
  QPushButton* lookUp = Button("btnSearchName", QStringLiteral("色名を取得"), boxes);
  connect(lookUp, &QPushButton::clicked, this, &TColorForm::btnSearchNameClick);
  grid->addWidget(lookUp, 0, 3);

  auto* group = new QGroupBox(QStringLiteral(" ＲＧＢ値 "), boxes);
  group->setObjectName("GroupBoxRGB");
  auto* line = new QHBoxLayout(group);
  const char* names[] = {"RcolorEdit", "GcolorEdit", "BcolorEdit"};
  const char* captions[] = {"R", "G", "B"};
  for (int i = 0; i < 3; ++i) {
    line->addWidget(new QLabel(QString::fromLatin1(captions[i]), group));
    QLineEdit* box = rgbEdits_[i] = new QLineEdit(group);
    box->setObjectName(names[i]);
    box->setFixedWidth(48);
    line->addWidget(box);
    // The up-down control steps the number in its box from 0 to 255.
    auto* steps = new QVBoxLayout;
    steps->setSpacing(0);
    for (const int step : {1, -1}) {
      auto* arrow = new QToolButton(group);
      arrow->setObjectName(QString::fromLatin1(names[i]).replace("Edit", step > 0 ? "Up" : "Down"));
      arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
      arrow->setFixedSize(18, 12);
      arrow->setAutoRepeat(true);
      connect(arrow, &QToolButton::clicked, this, [box, step] {
        bool number = false;
        const int value = box->text().trimmed().toInt(&number);
        box->setText(QString::number(std::clamp((number ? value : 0) + step, 0, 255)));
      });
      steps->addWidget(arrow);
    }
    line->addLayout(steps);
  }
  QPushButton* set = Button("sbSetRGB", QStringLiteral("セット"), group);
  connect(set, &QPushButton::clicked, this, &TColorForm::sbSetRGBClick);
  line->addWidget(set);
  QPushButton* copy = Button("sCOPYtRGB", QStringLiteral("コピー"), group);
  connect(copy, &QPushButton::clicked, this, &TColorForm::sCOPYtRGBClick);
  line->addWidget(copy);
  grid->addWidget(group, 3, 0, 1, 4);
  return boxes;
}

void TColorForm::ReadBoxes() {
  palette_.EditColorName = ToCp932(nameEdit_->text());
  palette_.EditHTMLColorNumber = ToCp932(htmlEdit_->text());
  palette_.EditColorValue = ToCp932(valueEdit_->text());
  palette_.RcolorEdit = ToCp932(rgbEdits_[0]->text());
  palette_.GcolorEdit = ToCp932(rgbEdits_[1]->text());
  palette_.BcolorEdit = ToCp932(rgbEdits_[2]->text());
}

void TColorForm::ShowPalette() {
  nameEdit_->setText(FromCp932(palette_.EditColorName));
  htmlEdit_->setText(FromCp932(palette_.EditHTMLColorNumber));
  valueEdit_->setText(FromCp932(palette_.EditColorValue));
  rgbEdits_[0]->setText(FromCp932(palette_.RcolorEdit));
  rgbEdits_[1]->setText(FromCp932(palette_.GcolorEdit));
  rgbEdits_[2]->setText(FromCp932(palette_.BcolorEdit));
  Paint(swatch_, palette_.current);
}

void TColorForm::Pick(RgbColor colour, bool showValue) {
  ReadBoxes();
  palette_.PickColor(colour, showValue);
  ShowPalette();
}

void TColorForm::ListBoxColorNameClick() {
  const QList<QListWidgetItem*> chosen = names_->selectedItems();
  if (chosen.isEmpty()) return;
  ReadBoxes();
  palette_.ListBoxColorNameClick(static_cast<std::size_t>(names_->row(chosen.last())));
  ShowPalette();
}

void TColorForm::btnSearchNameClick() {
  ReadBoxes();
  palette_.btnSearchNameClick();
  ShowPalette();
}

void TColorForm::sbSetRGBClick() {
  ReadBoxes();
  palette_.sbSetRGBClick();
  ShowPalette();
}

void TColorForm::sCOPYtRGBClick() {
  ReadBoxes();
  palette_.sCOPYtRGBClick(ui_);
}

void TColorForm::sbColorValueCOOPYClick() {
  ReadBoxes();
  palette_.sbColorValueCOOPYClick(ui_);
}

void TColorForm::sbCOPYEditColorNameClick() {
  ReadBoxes();
  palette_.sbCOPYEditColorNameClick(ui_);
}

void TColorForm::sbCOPYEditHTMLColorNumberClick() {
  ReadBoxes();
  palette_.sbCOPYEditHTMLColorNumberClick(ui_);
}

}  // namespace korva::app
