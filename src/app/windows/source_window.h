// TFormSOTSource, "ＨＴＭＬソースの表示": the body HTML (or the whole HTML)
// in a large pane coloured as the HTML panes are, with its own keyword
// search and result list. Its place, size and options live in [SOTSource].
#pragma once

#include <QWidget>
#include <string>

#include "tools/source_window.h"

class QCheckBox;

namespace korva::app {

class PaneSearchBar;
class TAMainForm;
class TRichEditEx;

class TFormSOTSource : public QWidget {
  Q_OBJECT

 public:
  explicit TFormSOTSource(TAMainForm& form);

  // Shows the window where [SOTSource] puts it, with the HTML of the main
  // window's panes; brings it forward when it is already shown.
  void ShowWindow();
  // The main window's button: the window shows the panes' HTML again.
  void SetSOTSource();

  TRichEditEx* Pane() const { return pane_; }
  PaneSearchBar* Search() const { return search_; }

  void btnMakeColorClick();
  void btnTextBlackClick();
  void sbCopyAllClick();
  void btnPasteClick();
  void sbClearClick();
  void sbAppearanceThisPositionClick();
  void sbSOTSearchRecolorClick();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The body HTML of the main window, else its whole HTML.
  std::string PanesHtml() const;
  void ShowText(std::string html);
  void ApplyWordWrap(bool on);
  SourceWindowLayout Layout() const;

  TAMainForm& form_;
  TRichEditEx* pane_;
  PaneSearchBar* search_;
  QCheckBox* wordWrap_;
  QCheckBox* colour_;
};

}  // namespace korva::app
