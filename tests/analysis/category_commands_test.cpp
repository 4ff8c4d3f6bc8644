#include "analysis/category_commands.h"

#include <gtest/gtest.h>

#include "analysis_support.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace korva {
namespace {

class CategoryCommands : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
  int regenerated = 0;
  FollowUpCommand regenerate = [this](Settings&, Document&, Ui&) { ++regenerated; };

  std::string OpenSample() {
    settings.BtnEditHTMLSaveFolder = temp.Folder("html");
    temp.File("html/tryout.css", "");
    const std::string name =
        temp.File("t@n.txt", Sj("■開議\r\n○市長（佐藤一郎君）　答弁します。\r\n　以上です。\r\n"));
    EXPECT_EQ(OpenFile(settings, doc, ui, name), 0);
    return name;
  }
};

TEST_F(CategoryCommands, WithoutAFileOnlyThePresetApplies) {
  settings.RadioGroupCategory = 1;
  MenuSettingsExampleClick(settings, doc, ui, regenerate);
  EXPECT_EQ(settings.ComboBoxClassWDC, "primeminister");
  EXPECT_EQ(settings.ComboBoxClassBFC, "governor");
  EXPECT_EQ(regenerated, 0);
  EXPECT_EQ(ui.pagesShown, std::vector<std::string>{"PGRightTab03SpeakerSettings"});
}

TEST_F(CategoryCommands, ReanalysesTheOpenFile) {
  OpenSample();
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(2).CategoryCode, "1");
  doc.UIReady = true;
  RadioGroupCategoryClick(settings, doc, ui, 7, regenerate);
  EXPECT_EQ(settings.RadioGroupCategory, 7);
  EXPECT_EQ(settings.ComboBoxClassWSC, "sentence");
  EXPECT_EQ(settings.ComboBoxClassBTD, "subject");
  for (const auto& row : doc.MinutesTextStringGrid) EXPECT_EQ(row.CategoryCode, "");
  EXPECT_EQ(regenerated, 1);
  EXPECT_EQ(ui.pagesShown.back(), "PGRightTab03SpeakerSettings");
}

TEST_F(CategoryCommands, DeletedFileKeepsTheAnalysis) {
  OpenSample();
  std::filesystem::remove(temp.path() / "t@n.txt");
  settings.RadioGroupCategory = 6;
  MenuSettingsExampleClick(settings, doc, ui, regenerate);
  EXPECT_EQ(testing::U8(settings.ComboBoxMarkBFC), "●");
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(2).CategoryCode, "1");
  EXPECT_EQ(regenerated, 0);
}

TEST_F(CategoryCommands, BeforeTheWindowIsReadyOnlyTheItemChanges) {
  settings.ComboBoxClassWSC = "edited";
  RadioGroupCategoryClick(settings, doc, ui, 4, regenerate);
  EXPECT_EQ(settings.RadioGroupCategory, 4);
  EXPECT_EQ(settings.ComboBoxClassWSC, "edited");
  RadioGroupCategoryClick(settings, doc, ui, 9, regenerate);  // no such item
  EXPECT_EQ(settings.RadioGroupCategory, 4);
}

}  // namespace
}  // namespace korva
