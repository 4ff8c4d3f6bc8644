// The main window's tool windows and panels: the HTML source window, the
// colour palette, the base converter, the key list and the about box
// (created with the main window, hidden until asked for), the forced-break
// panels and the browser preview panes.
#pragma once

#include <QObject>

namespace korva::app {

class ForcedBreakPanels;
class PreviewPane;
class TAboutBox;
class TAMainForm;
class TColorForm;
class TFormSOTSource;
class Tbaseconv;
class Tkeylist;

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit ToolWindows(TAMainForm& form);

  TFormSOTSource* Source() const { return source_; }
  TColorForm* Palette() const { return palette_; }
  Tbaseconv* BaseConverter() const { return baseConv_; }
  Tkeylist* KeyList() const { return keyList_; }
  TAboutBox* About() const { return about_; }

  // After every command: the panels and previews follow the document.
  void AfterRefresh();

  // Shows a tool window, or brings it forward.
  static void Show(QWidget* window);

 private:
  TAMainForm& form_;
  TFormSOTSource* source_;
  TColorForm* palette_;
  Tbaseconv* baseConv_;
  Tkeylist* keyList_;
  TAboutBox* about_;
  ForcedBreakPanels* breaks_;
  PreviewPane* previews_[2];
};

}  // namespace korva::app
