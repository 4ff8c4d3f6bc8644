#include "app/widgets/btn_edit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace korva::app {

TBtnEdit::TBtnEdit(QWidget* parent) : QLineEdit(parent) {
  SetButtonWidth(buttonWidth_);
  setMouseTracking(true);
}

void TBtnEdit::SetButtonWidth(int width) {
  buttonWidth_ = qMax(0, width);
  setTextMargins(0, 0, buttonWidth_, 0);
  update();
}

void TBtnEdit::SetBtnCaption(const QString& caption) {
  caption_ = caption;
  update();
}

QRect TBtnEdit::ButtonRect() const {
  // Inside the frame, flush with the right edge.
  const int frame = 1;
  return QRect(width() - frame - buttonWidth_, frame, buttonWidth_, height() - 2 * frame);
}

void TBtnEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (buttonWidth_ == 0) return;
  QPainter painter(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.rect = ButtonRect();
  option.text = caption_;
  option.state |= (pressed_ && over_) ? QStyle::State_Sunken : QStyle::State_Raised;
  if (over_) option.state |= QStyle::State_MouseOver;
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}

void TBtnEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint())) {
    pressed_ = true;
    FollowPointer(event->position().toPoint());
    update();
    return;  // the widget keeps the mouse until the release
  }
  QLineEdit::mousePressEvent(event);
}

void TBtnEdit::mouseMoveEvent(QMouseEvent* event) {
  FollowPointer(event->position().toPoint());
  if (!pressed_) QLineEdit::mouseMoveEvent(event);
}

void TBtnEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_) {
    QLineEdit::mouseReleaseEvent(event);
    return;
  }
  pressed_ = false;
  const bool inside = ButtonRect().contains(event->position().toPoint());
  update();
  if (event->button() == Qt::LeftButton && inside) emit buttonClicked();
}

void TBtnEdit::leaveEvent(QEvent* event) {
  over_ = false;
  setCursor(Qt::IBeamCursor);
  update();
  QLineEdit::leaveEvent(event);
}

void TBtnEdit::FollowPointer(const QPoint& at) {
  const bool over = ButtonRect().contains(at);
  setCursor(over ? Qt::ArrowCursor : Qt::IBeamCursor);
  if (over == over_) return;
  over_ = over;
  update();
}

}  // namespace korva::app
