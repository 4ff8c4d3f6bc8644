// The stand-alone navigation file "<name>-nav.html" in the HTML save folder.
#pragma once

#include <string>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// The navigation text with its in-page links pointing at the single document
// "<name>.html" of the same folder, where the ids they name live; the list's
// own head and end links stay in-page.
std::string NavLinksToDocument(const std::string& text, const std::string& documentFileName);

// Writes NavOnePaneHTMLText (kind 9 only). 0 when written, else -1.
int SaveNavHTML(const Settings& settings, Document& doc, Ui& ui, int kind);

// The command: builds the one-pane list into a document and saves it.
// 0 when written, else -1.
int MenuTextMakeNAVOnePaneClick(Settings& settings, Document& doc, Ui& ui);

}  // namespace korva
