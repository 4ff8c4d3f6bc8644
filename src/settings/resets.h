// The resets that bring the settings back to their initial state, and the
// command that resets and saves at once.
#pragma once

#include "session/document.h"
#include "session/ui.h"
#include "settings/ini_settings.h"
#include "settings/settings.h"

namespace korva {

// The options' start values (only the nine options the reset owns).
void CheckBoxInitialize(Settings& s, int mode);
// First meeting category, Shift_JIS output.
void RadioGroupInitialize(Settings& s);
// Titles back to their start values; no project and no minutes file.
void GlobalVarClear(Settings& s, Document& doc);
// Empties the folder, file, include, caption and link edits of the basic settings.
void CaptionAllClear(Settings& s);
// Empties the top-frame include, its caption and the three local return links.
void ClearTopFrameText(Settings& s);
// Only mode -1 does anything: the project tab, then both group clears.
void ProjectClear(Settings& s, Document& doc, Ui& ui, int mode);

// All settings back to their initial state, before a project is opened or cleared.
void ReInitialize(Settings& s, Document& doc, Ui& ui);
// The reset of "初期状態に戻す".
void ReleaseInitialize(Settings& s, Document& doc, Ui& ui);

// "初期状態に戻す": resets, forgets the project and writes the settings file at once.
int MenuSettingsReInitializeClick(Settings& s, Document& doc, Ui& ui,
                                  const FileWriter& writer = WriteFileAtomically);

}  // namespace korva
