// Project files: settings files of the same layout with the extension ".mpr",
// and the default-folder commands of the settings menu.
#pragma once

#include <string>

#include "intake/open_minutes.h"
#include "session/document.h"
#include "session/ui.h"
#include "settings/ini_settings.h"
#include "settings/settings.h"

namespace korva {

// Status texts of the project commands (CP932).
std::string ProjectLoadedText(const std::string& path);
std::string ProjectSavedText(const std::string& path);

// Opens a project from `path` (its extension is made ".mpr"): resets the
// settings, reads the project and reopens its minutes file when it still
// exists (then `makeHTMLGo` runs when the options ask for it). A project
// file that does not exist changes nothing.
int OpenProject(const std::string& path, Settings& s, Document& doc, Ui& ui,
                const FollowUpCommand& makeHTMLGo = {});
// Writes the project to `path` with its extension made ".mpr".
int SaveProjectAs(const std::string& path, Settings& s, Document& doc, Ui& ui,
                  const FileWriter& writer = WriteFileAtomically);

int MenuFileProjectOpenClick(Settings& s, Document& doc, Ui& ui,
                             const FollowUpCommand& makeHTMLGo = {});
int MenuFileProjectSaveOverwriteClick(Settings& s, Document& doc, Ui& ui,
                                      const FileWriter& writer = WriteFileAtomically);
int MenuFileProjectSaveASClick(Settings& s, Document& doc, Ui& ui,
                               const FileWriter& writer = WriteFileAtomically);
void MenuVieConfirmProjectClick(Document& doc, Ui& ui);
void MenuFileProjectClearClick(Settings& s, Document& doc, Ui& ui);

int MenuSettingsSetDefautFolderClick(Document& doc, Ui& ui);
void MenuSettingsRemoveDefaultFolderClick(Document& doc, Ui& ui);
void MenuSettingsViewDefaultFolderClick(Document& doc, Ui& ui);
void MenuSettingsRemoveGlobalFilenameClick(Settings& s, Document& doc, Ui& ui);

}  // namespace korva
