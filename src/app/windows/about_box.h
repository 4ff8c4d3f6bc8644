// TAboutBox, "このソフトについて": the program, its version and licence, and
// the libraries it is built with.
#pragma once

#include <QDialog>

namespace korva::app {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* owner);

  // The text the box shows (HTML).
  static QString AboutHtml();
};

}  // namespace korva::app
