#include "session/tab_layout.h"

namespace korva {

TabChangeEffect PGLeftChange(std::string_view pageName) {
  TabChangeEffect effect;
  effect.optionPanelHeight = 10;
  if (pageName == "PGLeftTab02Project") {
    effect.leftWidth = 950;
  } else if (pageName == "PGLeftTab03LocalSetting" || pageName == "PGLeftTab05WebHEAD") {
    effect.leftWidth = 1000;
  } else if (pageName == "PGLeftTab08HTMLBody") {
    effect.leftWidth = 800;
    effect.colourPane = effect.marginPane = "EditorBodyHTML";
  } else if (pageName == "PGLeftTab03SpeakerClass") {
    effect.leftWidth = 800;
    effect.showRightPage = "PGRightTab01HTML";
  } else if (pageName == "PGLeftTab05Roster") {
    effect.leftWidth = 950;
    effect.showRightPage = "PGRightTab06MinutesText";
    effect.marginPane = "EditorMinutesText";
  } else if (pageName == "PGLeftTab11MWarningAndError") {
    effect.leftWidth = 1100;
    effect.showRightPage = "PGRightTab06MinutesText";
    effect.marginPane = "EditorMinutesText";
  } else if (pageName == "PGLeftTab13HTMLHEAD") {
    effect.leftWidth = 1100;
    effect.showRightPage = "PGRightTab03SpeakerSettings";
  }
  return effect;
}

TabChangeEffect PGRightChange(std::string_view pageName) {
  TabChangeEffect effect;
  if (pageName == "PGRightTab01HTML") {
    effect.colourPane = effect.marginPane = "EditorHTML";
  } else if (pageName == "PGRightTab03SpeakerSettings") {
    effect.leftWidth = 300;
  } else if (pageName == "PGRightTab04CSSJS") {
    effect.leftWidth = 800;
    effect.marginPane = "EditorCSS";
  } else if (pageName == "PGRightTab08LocalInclude" || pageName == "PGRightTab09WebInclude" ||
             pageName == "PGRightTab12SidelinkInclude") {
    effect.leftWidth = 600;
  } else if (pageName == "PGRightTab06MinutesText") {
    effect.leftWidth = 600;
    effect.marginPane = "EditorMinutesText";
  }
  return effect;
}

}  // namespace korva
