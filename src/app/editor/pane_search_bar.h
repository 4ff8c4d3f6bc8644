// The small tool bar beside a pane: a find box with its history, search,
// paste, clear, top, bottom and (for most panes) refresh, and the list of
// hits, one "line/column" entry each. The search itself is the core's, over
// the pane's CP932 bytes.
#pragma once

#include <QWidget>

#include "app/editor/rich_edit_ex.h"
#include "session/pane_search.h"
#include "session/ui.h"

class QComboBox;
class QListWidget;
class QToolBar;

namespace korva::app {

struct PaneToolNames {
  const char* findBox;
  const char* resultList;
  const char* search;
  const char* paste;
  const char* clear;
  const char* top;
  const char* bottom;
  const char* refresh;  // nullptr: the pane has none
};

class PaneSearchBar : public QObject {
  Q_OBJECT

 public:
  PaneSearchBar(TRichEditEx* pane, const PaneToolNames& names, Ui& ui, QWidget* owner);

  QToolBar* ToolBar() const { return toolBar_; }
  QComboBox* FindBox() const { return findBox_; }
  QListWidget* ResultList() const { return resultList_; }
  TRichEditEx* Pane() const { return pane_; }
  // How runs of blanks between the words are read (the panes halve them).
  void SetBlankRuns(BlankRuns runs) { blankRuns_ = runs; }

  void Search();
  void Paste();
  void Clear();
  void Top();
  void Bottom();
  void Refresh();

  // Puts the caret where a result entry points; what else the entry says
  // goes to the caller.
  ResultEntryClick GoToEntry(const QString& entry);

 signals:
  // A search is about to colour the pane: it becomes the active pane and its
  // page comes forward.
  void searching(TRichEditEx* pane);
  // A result entry was clicked and the caret moved.
  void entryClicked(const ResultEntryClick& click);

 private:
  TRichEditEx* pane_;
  Ui& ui_;
  QToolBar* toolBar_;
  QComboBox* findBox_;
  QListWidget* resultList_;
  BlankRuns blankRuns_ = BlankRuns::Halving;
};

}  // namespace korva::app
