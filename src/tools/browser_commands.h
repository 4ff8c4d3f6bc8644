// The preview buttons: the trial document or the local set in the default
// browser or in Chrome. Each returns 0 when it opened something, else -1.
#pragma once

#include <string>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"
#include "tools/browser.h"

namespace korva {

// The trial document: HTML save folder + the HTML file name as ".html".
std::string TrialDocumentPath(const Settings& settings);

int tbOpenIEClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener);
int tbMake2OpenIEClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener);
int tbOpenChromeClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener);
int tbOpenFileWithChromeClick(Document& doc, Ui& ui, HtmlOpener& opener);

// After a generation command: the old browser window always goes first.
int ShowGeneratedFile(HtmlOpener& opener, const std::string& path);

}  // namespace korva
