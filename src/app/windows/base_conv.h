// Tbaseconv, "進数変換": a whole number typed in decimal, hexadecimal, octal
// or binary, shown at once in the other three.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace korva::app {

class Tbaseconv : public QWidget {
  Q_OBJECT

 public:
  explicit Tbaseconv(QWidget* owner);

  QLineEdit* Box(int base) const;

 private:
  void Convert(int fromBase);

  QLineEdit* boxes_[4] = {};
  QLabel* message_;
};

}  // namespace korva::app
