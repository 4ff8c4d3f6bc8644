// TBtnEdit: a one-line edit with a push button drawn inside its right edge,
// for the folder, file and link settings. The text keeps clear of the button
// (the right text margin is the button's width); a press that starts and ends
// on the button raises buttonClicked, any other press is the edit's own.
#pragma once

#include <QLineEdit>
#include <QString>

namespace korva::app {

class TBtnEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TBtnEdit(QWidget* parent = nullptr);

  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int width);
  const QString& BtnCaption() const { return caption_; }
  void SetBtnCaption(const QString& caption);
  // Where the button is drawn and takes presses, in widget coordinates.
  QRect ButtonRect() const;

 signals:
  void buttonClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void FollowPointer(const QPoint& at);

  int buttonWidth_ = 19;
  QString caption_ = QStringLiteral("...");
  bool pressed_ = false;  // the press began on the button and is not released
  bool over_ = false;     // the pointer is over the button
};

}  // namespace korva::app
