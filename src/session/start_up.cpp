#include "session/start_up.h"

#include "intake/open_minutes.h"
#include "session/captions.h"
#include "settings/ini_settings.h"
#include "text/path_text.h"

namespace korva {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(ToFsPath(path), ec);
}

}  // namespace

StartUpLayout FormShow(Settings& settings, Document& doc, Ui& ui,
                       const std::optional<std::filesystem::path>& userFolder) {
  StartUpLayout layout;
  if (FindIniFileAtStartUp(doc, ui, userFolder) != 0) return layout;
  layout.settingsFound = true;
  LoadIniSettings(doc.IniFileName, settings, doc, ui);

  if (FileExists(doc.MinutesFileName)) {
    const std::string name = doc.MinutesFileName;
    OpenFile(settings, doc, ui, name);
    ui.ShowPage("PGLeftTab02Project");
    ui.ShowPage("PGRightTab06MinutesText");
    doc.MinutesLoaded = true;
    ui.SetWaitCursor(false);
  } else {
    ui.ShowPage("PGLeftTab02Project");
    ui.ShowPage("PGRightTab03SpeakerSettings");
    AppTitleCaption(doc, ui, "", -1);
  }
  StatusbarDefFolder(ui, doc.DefaultFolder);
  layout.top = settings.FormPositionTop;
  layout.left = settings.FormPositionLeft;
  layout.height = settings.FormPositionHeight;

  doc.OptionPanelOpen = true;
  doc.ProjectFileName = settings.SavedProjectFileName;
  MessageProjectLoaded(doc, ui, doc.ProjectFileName, 2);
  if (settings.MenuSettingsReInitialize) {
    layout.topPanelHeight = 650;
    layout.optionPanelHeight = 135;
  } else {
    layout.topPanelHeight = 50;
  }
  layout.leftWidth = 950;
  doc.UIReady = true;
  layout.maximized = settings.MenuViewMaximized;

  ui.ShowPage("PageControlGlobalTab01Main");
  ui.ShowPage("PGLeftTab02Project");
  ui.SetLabelVisible("LabelWarningSettingFolder", true);
  if (!doc.ProjectFileName.empty()) MessageProjectLoaded(doc, ui, doc.ProjectFileName, 3);
  layout.generateSoon = settings.CheckBoxImmediateGo && doc.MinutesLoaded;
  return layout;
}

}  // namespace korva
