#include "session/tab_layout.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

struct Expected {
  const char* page;
  std::optional<int> width;
  const char* rightPage;
  const char* colour;
  const char* margins;
};

void Check(const TabChangeEffect& effect, const Expected& e) {
  EXPECT_EQ(effect.leftWidth, e.width) << e.page;
  EXPECT_EQ(effect.showRightPage, e.rightPage) << e.page;
  EXPECT_EQ(effect.colourPane, e.colour) << e.page;
  EXPECT_EQ(effect.marginPane, e.margins) << e.page;
}

TEST(TabLayout, LeftPagesSetTheWidthAndTheirRightPage) {
  const Expected cases[] = {
      {"PGLeftTab02Project", 950, "", "", ""},
      {"PGLeftTab03LocalSetting", 1000, "", "", ""},
      {"PGLeftTab05WebHEAD", 1000, "", "", ""},
      {"PGLeftTab08HTMLBody", 800, "", "EditorBodyHTML", "EditorBodyHTML"},
      {"PGLeftTab03SpeakerClass", 800, "PGRightTab01HTML", "", ""},
      {"PGLeftTab05Roster", 950, "PGRightTab06MinutesText", "", "EditorMinutesText"},
      {"PGLeftTab11MWarningAndError", 1100, "PGRightTab06MinutesText", "", "EditorMinutesText"},
      {"PGLeftTab13HTMLHEAD", 1100, "PGRightTab03SpeakerSettings", "", ""},
      {"PGLeftTab14Doc", std::nullopt, "", "", ""},
  };
  for (const Expected& e : cases) {
    const TabChangeEffect effect = PGLeftChange(e.page);
    Check(effect, e);
    EXPECT_EQ(effect.optionPanelHeight, 10) << "every left change folds the option panel";
  }
}

TEST(TabLayout, RightPagesSetTheLeftWidth) {
  const Expected cases[] = {
      {"PGRightTab01HTML", std::nullopt, "", "EditorHTML", "EditorHTML"},
      {"PGRightTab03SpeakerSettings", 300, "", "", ""},
      {"PGRightTab04CSSJS", 800, "", "", "EditorCSS"},
      {"PGRightTab08LocalInclude", 600, "", "", ""},
      {"PGRightTab09WebInclude", 600, "", "", ""},
      {"PGRightTab12SidelinkInclude", 600, "", "", ""},
      {"PGRightTab06MinutesText", 600, "", "", "EditorMinutesText"},
      {"PGRightTab02TextGrid", std::nullopt, "", "", ""},
  };
  for (const Expected& e : cases) {
    const TabChangeEffect effect = PGRightChange(e.page);
    Check(effect, e);
    EXPECT_FALSE(effect.optionPanelHeight) << e.page;
  }
}

}  // namespace
}  // namespace korva
