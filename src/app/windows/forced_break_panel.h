// The forced-line-break tool on the tool panels of the text tab
// (PanelPGRightTab06Top: paste, convert, copy and the tool's settings) and
// of the HTML-body tab (PanelPGLeftTab08Top: the result and its copy). The
// panels are 40 pixels high, 97 while the tool is at work.
#pragma once

#include <QObject>
#include <string>

#include "session/document.h"

class QFrame;
class QWidget;

namespace korva::app {

class TAMainForm;

class ForcedBreakPanels : public QObject {
  Q_OBJECT

 public:
  explicit ForcedBreakPanels(TAMainForm& form);

  // Follows the document: the panels' height and, while no HTML is
  // generated, the converted text in the HTML-body pane.
  void Follow(const Document& doc);

  static constexpr int kClosedHeight = 40;
  static constexpr int kOpenHeight = 97;

 private:
  QFrame* TextPanel(QWidget* page);
  QFrame* BodyPanel(QWidget* page);
  void PanelCRLFInitialize(int mode);

  TAMainForm& form_;
  QFrame* textPanel_ = nullptr;
  QFrame* bodyPanel_ = nullptr;
  QWidget* textSettings_ = nullptr;
  QWidget* bodyNote_ = nullptr;
  std::string shownConversion_;
};

}  // namespace korva::app
