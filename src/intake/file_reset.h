// The document reset run before every open or paste (mode 0) and when an
// edit invalidates the analysis (mode 1). Settings are never touched.
#pragma once

#include "session/document.h"
#include "session/ui.h"

namespace korva {

// Mode 0 empties every derived list, label, pane and the line table, and the
// edit state; mode 1 keeps the minutes panes being edited and the line counts.
void FileReset(Document& doc, Ui& ui, int mode);

}  // namespace korva
