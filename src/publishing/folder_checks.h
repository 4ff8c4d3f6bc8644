// The folder and style-sheet checks that guard every multi-file command.
#pragma once

#include <string>

#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// The name of the warning label shown when an output folder is missing.
inline constexpr const char* kFolderWarningLabel = "LabelWarningSettingFolder";
inline constexpr const char* kWebFolderWarningLabel = "LabelWarningSettingWebFolder";

// The warning texts those labels carry (CP932).
std::string FolderWarningText();
std::string WebFolderWarningText();

// True when the folder text is non-empty and names an existing directory.
bool FolderExists(const std::string& folder);

// False (and the project page and warning label shown) when the root folder is unset.
bool CheckRootFolder(const Settings& settings, Ui& ui);

// 0 when the root, HTML-save and three-file folders are all set and exist
// (tested in that order); then ComboBoxHTMLFile loses its extension, or
// becomes "dummy.html" when empty. -1 otherwise: a set but missing folder's
// setting is emptied and the warning label shown. `missing`, when given,
// receives the name of the first failing setting and its text (CP932).
int CheckSaveHTMLFolderAndFile(Settings& settings, Ui& ui, std::string* missing = nullptr);

// The message shown when the local style sheet is not in the three-file folder.
std::string WarningMsg3CSSFileNotFoundText(const std::string& cssFile, const std::string& folder);

// True when the three-file folder is set and LabelLocalCSSbsoluteRelativePath
// names an existing file; otherwise shows the message (when the folder is set).
bool Check3FileCSS(const Settings& settings, Ui& ui);

// True when the web folder is set and exists; otherwise shows the web head
// page and the web warning label.
bool CheckWebFolderExists(const std::string& folder, Ui& ui);

}  // namespace korva
