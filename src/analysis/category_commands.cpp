#include "analysis/category_commands.h"

#include <filesystem>
#include <system_error>

#include "analysis/class_presets.h"
#include "session/captions.h"
#include "text/path_text.h"

namespace korva {

void MenuSettingsExampleClick(Settings& settings, Document& doc, Ui& ui,
                              const FollowUpCommand& makeBodyOnly) {
  StatusbarClearSaveMessage(doc, ui);
  ui.ShowPage("PGRightTab03SpeakerSettings");
  ui.SetWaitCursor(true);
  MakeClassSettingByCategory(settings);
  std::error_code ec;
  if (!doc.MinutesFileName.empty() &&
      std::filesystem::is_regular_file(ToFsPath(doc.MinutesFileName), ec)) {
    const std::string name = doc.MinutesFileName;
    OpenFile(settings, doc, ui, name);
    if (makeBodyOnly) makeBodyOnly(settings, doc, ui);
    ui.ShowPage("PGLeftTab02Project");
    ui.ShowPage("PGRightTab03SpeakerSettings");
  }
  ui.SetWaitCursor(false);
}

void RadioGroupCategoryClick(Settings& settings, Document& doc, Ui& ui, int index,
                             const FollowUpCommand& makeBodyOnly) {
  if (index < 0 || index >= kCategoryCount) return;
  settings.RadioGroupCategory = index;
  if (!doc.UIReady) return;
  MenuSettingsExampleClick(settings, doc, ui, makeBodyOnly);
}

}  // namespace korva
