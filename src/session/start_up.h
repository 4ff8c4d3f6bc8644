// Showing the main window for the first time: the settings file is found and
// read, the minutes that were open last are opened again, and the layout the
// window takes is worked out. The window applies the layout it is given.
#pragma once

#include <filesystem>
#include <optional>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

struct StartUpLayout {
  bool settingsFound = false;  // false: the program ends after its message
  int top = 0, left = 0, height = 0;
  bool maximized = false;
  int leftWidth = 0;                     // PGLeft
  int topPanelHeight = 0;                // APanelMainTop: 50 folded, 650 with the description
  std::optional<int> optionPanelHeight;  // PanelSettingProject, when it changes
  // Generate the document shortly after showing (the immediate-generation option).
  bool generateSoon = false;
};

// `doc.AppFolder` and `doc.AppBaseName` name the program; the settings file
// is looked for beside it, then in `userFolder`.
StartUpLayout FormShow(Settings& settings, Document& doc, Ui& ui,
                       const std::optional<std::filesystem::path>& userFolder);

// How long the window waits before the immediate generation, in milliseconds.
inline constexpr int kImmediateGenerationDelayMs = 500;

}  // namespace korva
