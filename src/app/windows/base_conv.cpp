#include "app/windows/base_conv.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "tools/base_convert.h"

namespace korva::app {

namespace {

struct BaseBox {
  const char* name;
  const char* caption;
};
// In the order of kConverterBases.
const BaseBox kBoxes[] = {{"EditDecimal", "１０進数"},
                          {"EditHexadecimal", "１６進数"},
                          {"EditOctal", "８進数"},
                          {"EditBinary", "２進数"}};

}  // namespace

Tbaseconv::Tbaseconv(QWidget* owner) : QWidget(owner, Qt::Window), message_(new QLabel(this)) {
  setObjectName("Tbaseconv");
  setWindowTitle(QStringLiteral("進数変換"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    grid->addWidget(new QLabel(QString::fromUtf8(kBoxes[i].caption), this), i, 0);
    auto* box = boxes_[i] = new QLineEdit(this);
    box->setObjectName(kBoxes[i].name);
    box->setMinimumWidth(520);
    QFont font = box->font();
    font.setFamilies({"Noto Sans Mono", "DejaVu Sans Mono", "monospace"});
    box->setFont(font);
    const int base = kConverterBases[i];
    connect(box, &QLineEdit::textEdited, this, [this, base] { Convert(base); });
    grid->addWidget(box, i, 1);
  }
  layout->addLayout(grid);
  message_->setObjectName("LabelBaseConvMessage");
  message_->setStyleSheet("color: red;");
  layout->addWidget(message_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* clear = new QPushButton(QStringLiteral("クリア"), this);
  clear->setObjectName("btnBaseConvClear");
  connect(clear, &QPushButton::clicked, this, [this] {
    for (QLineEdit* box : boxes_) box->clear();
    message_->clear();
  });
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setObjectName("btnBaseConvClose");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addWidget(clear);
  buttons->addWidget(close);
  layout->addLayout(buttons);
}

QLineEdit* Tbaseconv::Box(int base) const {
  for (int i = 0; i < 4; ++i) {
    if (kConverterBases[i] == base) return boxes_[i];
  }
  return nullptr;
}

void Tbaseconv::Convert(int fromBase) {
  const BaseReading reading = ReadInBase(ToCp932(Box(fromBase)->text()), fromBase);
  message_->setText(FromCp932(reading.message));
  for (const int base : kConverterBases) {
    if (base == fromBase) continue;
    Box(base)->setText(reading.value ? FromCp932(WriteInBase(*reading.value, base)) : QString());
  }
}

}  // namespace korva::app
