#include "session/tab_layout.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

// A left page also folds the option panel; a right page leaves it alone.
TEST(TabLayout, PagesSetTheWidthTheirRightPageAndTheirPanes) {
  struct Case {
    const char* page;
    std::optional<int> width;
    const char* rightPage;
    const char* colour;
    const char* margins;
  };
  const Case cases[] = {
      {"PGLeftTab02Project", 950, "", "", ""},
      {"PGLeftTab03LocalSetting", 1000, "", "", ""},
      {"PGLeftTab05WebHEAD", 1000, "", "", ""},
      {"PGLeftTab08HTMLBody", 800, "", "EditorBodyHTML", "EditorBodyHTML"},
      {"PGLeftTab03SpeakerClass", 800, "PGRightTab01HTML", "", ""},
      {"PGLeftTab05Roster", 950, "PGRightTab06MinutesText", "", "EditorMinutesText"},
      {"PGLeftTab11MWarningAndError", 1100, "PGRightTab06MinutesText", "", "EditorMinutesText"},
      {"PGLeftTab13HTMLHEAD", 1100, "PGRightTab03SpeakerSettings", "", ""},
      {"PGLeftTab14Doc", std::nullopt, "", "", ""},
      {"PGRightTab01HTML", std::nullopt, "", "EditorHTML", "EditorHTML"},
      {"PGRightTab03SpeakerSettings", 300, "", "", ""},
      {"PGRightTab04CSSJS", 800, "", "", "EditorCSS"},
      {"PGRightTab08LocalInclude", 600, "", "", ""},
      {"PGRightTab09WebInclude", 600, "", "", ""},
      {"PGRightTab12SidelinkInclude", 600, "", "", ""},
      {"PGRightTab06MinutesText", 600, "", "", "EditorMinutesText"},
      {"PGRightTab02TextGrid", std::nullopt, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    const bool left = std::string_view(c.page).starts_with("PGLeft");
    const TabChangeEffect effect = left ? PGLeftChange(c.page) : PGRightChange(c.page);
    EXPECT_EQ(effect.leftWidth, c.width);
    EXPECT_EQ(effect.showRightPage, c.rightPage);
    EXPECT_EQ(effect.colourPane, c.colour);
    EXPECT_EQ(effect.marginPane, c.margins);
    EXPECT_EQ(effect.optionPanelHeight, left ? std::optional<int>(10) : std::nullopt);
  }
}

}  // namespace
}  // namespace korva
