// The settings as the pages show them: every row of the settings table whose
// control exists in the window (found by its objectName, the row's name) is
// read from and written to that control by the control's kind, so a new
// setting needs a row and a control, nothing more.
#pragma once

#include "settings/settings.h"

class QWidget;

namespace korva::app {

// Controls -> settings. Rows without a control keep their value.
void ReadSettingsFromControls(const QWidget& window, Settings& settings);
// Settings -> controls.
void WriteSettingsToControls(const Settings& settings, QWidget& window);

}  // namespace korva::app
