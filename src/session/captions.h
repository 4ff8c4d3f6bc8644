// Window caption and status-bar texts.
#pragma once

#include <string>

#include "session/document.h"
#include "session/ui.h"

namespace korva {

inline constexpr const char* kVersionDate = "14.09.24";

// Caption for AppTitleCaption modes -1, 0, 1, 2.
std::string AppTitleCaptionText(const Document& doc, const std::string& name, int mode);
void AppTitleCaption(Document& doc, Ui& ui, const std::string& name, int mode);

// Caption for SetFormCaption modes 0, 1, 2; `name` is a full path.
std::string FormCaptionText(const Document& doc, const std::string& name, int mode);
// Sets the caption and derives DocumentTitle and TitleElement from `name`.
void SetFormCaption(Document& doc, Ui& ui, const std::string& name, int mode);

// The title a minutes file name gives: the base name up to the first "@",
// narrowed to the text between "「" and "」" when both occur.
std::string DeriveDocumentTitle(const std::string& fileName);
std::string MakeTitleElement(const std::string& documentTitle);

void StatusbarSaveHTML(Ui& ui, const std::string& name);
void StatusbarDefFolder(Ui& ui, const std::string& folder);
void MessageFileSaved(const Document& doc, Ui& ui, const std::string& path);
void MessageProjectSaved(Ui& ui, const std::string& name, int mode);
void MessageProjectLoaded(const Document& doc, Ui& ui, const std::string& name, int mode);
void StatusbarClearSaveMessage(const Document& doc, Ui& ui);

}  // namespace korva
