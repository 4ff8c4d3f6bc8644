// The document resets: the one run before every open or paste (mode 0) and
// when an edit invalidates the analysis (mode 1), the "new" command, and the
// change tracking of the minutes panes. Settings are never touched.
#pragma once

#include "session/document.h"
#include "session/ui.h"

namespace korva {

// Mode 0 empties every derived list, label, pane and the line table, and the
// edit state; mode 1 keeps the minutes panes being edited and the line counts.
void FileReset(Document& doc, Ui& ui, int mode);

// "新規": forgets the minutes and everything made from them, and shows the
// basic settings under the bare program caption.
void Filenew(Document& doc, Ui& ui);

// A minutes pane was edited and the main text pane now has `mainPaneLineCount`
// lines. Once a text with lines is analysed, the edit marks the text modified;
// an edit that changes the line count also drops everything generated from the
// old lines and marks the caption. Returns whether it reset the document.
bool REChange(Document& doc, Ui& ui, int mainPaneLineCount);

}  // namespace korva
