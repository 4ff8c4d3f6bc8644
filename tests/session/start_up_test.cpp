#include "session/start_up.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {

using namespace literals;
using testing::RecordingUi;
using testing::TempFolder;

struct StartUp : ::testing::Test {
  TempFolder temp;
  Settings settings;
  Document doc;
  RecordingUi ui;

  StartUp() {
    doc.AppFolder = temp.Folder("bin");
    doc.AppBaseName = "korva";
  }
  void WriteSettings(const std::string& text) { temp.Write("bin/korva.inf", Sj(text)); }
  StartUpLayout Run() { return FormShow(settings, doc, ui, std::nullopt); }
};

TEST_F(StartUp, WithoutASettingsFileTheProgramEnds) {
  const StartUpLayout layout = Run();
  EXPECT_FALSE(layout.settingsFound);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(ui.warnings[0], "本ソフトの【 設定ファイル  】が見つかりません"_sj);
  EXPECT_FALSE(doc.UIReady);
}

TEST_F(StartUp, ReopensTheLastMinutesAndAsksForGeneration) {
  const std::string minutes = FromFsPath(temp.WriteMinutes(
      "会議「本会議」@h1.txt", {"会議録", "■開議", "○議長（山田太郎君）　開きます。", "■散会"}));
  // Each pair: the immediate-generation option and whether generation follows.
  for (const bool immediate : {true, false}) {
    WriteSettings("[File]\r\nGlobal=" + Cp932ToUtf8(minutes) +
                  "\r\n[CheckBox]\r\nImmediateGo=" + (immediate ? "1" : "0") +
                  "\r\n[FormPosition]\r\nTop=7\r\nLeft=8\r\nHeight=600\r\n");
    doc = Document{};
    doc.AppFolder = temp.Folder("bin");
    doc.AppBaseName = "korva";
    const StartUpLayout layout = Run();
    ASSERT_TRUE(layout.settingsFound);
    EXPECT_EQ(layout.generateSoon, immediate);
    EXPECT_TRUE(doc.MinutesLoaded);
    EXPECT_TRUE(doc.UIReady);
    EXPECT_EQ(doc.MinutesFileName, minutes);
    EXPECT_EQ(Cp932ToUtf8(doc.DocumentTitle), "本会議");
    EXPECT_EQ(layout.top, 7);
    EXPECT_EQ(layout.left, 8);
    EXPECT_EQ(layout.height, 600);
    EXPECT_EQ(layout.topPanelHeight, 50);
    EXPECT_EQ(layout.leftWidth, 950);
    EXPECT_NE(ui.caption.find(minutes), std::string::npos);
    EXPECT_EQ(ui.panels[2], "  プロジェクト・ファイルは、【 まだ開いていません 】"_sj);
    EXPECT_TRUE(ui.labels["LabelWarningSettingFolder"]);
  }
}

TEST_F(StartUp, AMissingMinutesFileLeavesTheSettingsPages) {
  const std::string project = temp.File("p.mpr", "[File]\r\n");
  WriteSettings("[File]\r\nGlobal=" + FromFsPath(temp.path() / "gone.txt") +
                "\r\nProject=" + project + "\r\n[Menu]\r\nInitialload=1\r\nMaximized=1\r\n");
  const StartUpLayout layout = Run();
  ASSERT_TRUE(layout.settingsFound);
  EXPECT_FALSE(layout.generateSoon);
  EXPECT_FALSE(doc.MinutesLoaded);
  EXPECT_EQ(ui.caption, "Velkorin( KORVA ) - [ 14.09.24 ]");
  const std::vector<std::string> firstPages(ui.pagesShown.begin(), ui.pagesShown.begin() + 2);
  EXPECT_EQ(firstPages,
            (std::vector<std::string>{"PGLeftTab02Project", "PGRightTab03SpeakerSettings"}));
  EXPECT_EQ(layout.topPanelHeight, 650);
  EXPECT_EQ(layout.optionPanelHeight, 135);
  EXPECT_TRUE(layout.maximized);
  EXPECT_EQ(ui.panels[2], "  プロジェクトは【 "_sj + project + "  】です"_sj);
}

}  // namespace
}  // namespace korva
