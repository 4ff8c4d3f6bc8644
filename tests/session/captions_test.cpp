#include "session/captions.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(DocumentTitle, ComesFromTheFileName) {
  struct Case {
    std::string path;
    std::string title;
  };
  const Case cases[] = {
      {"/m/第１回定例会@h2612t4-1.txt"_sj, "第１回定例会"_sj},
      {"/m/第１回@定例会@h2612t4-1.txt"_sj, "第１回"_sj},  // first "@" counts
      {"/m/第１回定例会.txt"_sj, "第１回定例会"_sj},       // no "@": whole base name
      {"/m/第１回　@h1.txt"_sj, "第１回　"_sj},            // "　" is 0x81 0x40, not "@"
      {"/m/令和「本会議」第１日@h1.txt"_sj, "本会議"_sj},
      {"/m/「本会議@h1.txt"_sj, "「本会議"_sj},  // no closing bracket
      {"/m/」本「会議」@h1.txt"_sj, "会議"_sj},  // "」" must follow "「"
      {"表示@x.txt"_sj, "表示"_sj},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeriveDocumentTitle(c.path), c.title) << Cp932ToUtf8Lossy(c.path);
  }
}

TEST(Captions, SetFormCaptionDerivesTitleElement) {
  Document doc;
  testing::RecordingUi ui;
  SetFormCaption(doc, ui, "/m/本会議@h1.txt"_sj, 0);
  EXPECT_EQ(doc.DocumentTitle, "本会議"_sj);
  EXPECT_EQ(doc.TitleElement, "<title>【 本会議 】</title>"_sj);
  EXPECT_EQ(ui.caption, "KORVA （ Ver.14.09.24 ）  【 /m/本会議@h1.txt 】- [ 14.09.24 ]"_sj);
  SetFormCaption(doc, ui, "/m/a.txt", 1);
  EXPECT_EQ(ui.caption, "KORVA （ Ver.14.09.24 ）   - [ 14.09.24 ]"_sj);
  SetFormCaption(doc, ui, "/m/a.txt", 2);
  EXPECT_EQ(ui.caption,
            "KORVA （ Ver.14.09.24 ）  【 /m/a.txt 】 〔 変更されました 〕 - [ 14.09.24 ]"_sj);
}

TEST(Captions, AppTitleModes) {
  Document doc;
  EXPECT_EQ(AppTitleCaptionText(doc, "x", -1), "Velkorin( KORVA ) - [ 14.09.24 ]");
  EXPECT_EQ(AppTitleCaptionText(doc, "x", 0), "Velkorin( KORVA )[ x ] - [ 14.09.24 ]");
  EXPECT_EQ(AppTitleCaptionText(doc, "x", 1), "Velkorin( KORVA )");
  EXPECT_EQ(AppTitleCaptionText(doc, "x", 2), "Velkorin( KORVA )[ x ]");
}

TEST(StatusBar, MessagesGoToTheirPanels) {
  Document doc;
  doc.MinutesFileName = "/m/a@b.txt";
  testing::RecordingUi ui;
  StatusbarSaveHTML(ui, "b.html");
  EXPECT_EQ(ui.panels[1], " 保存HTMLﾌｧｲﾙ【 b.html 】"_sj);
  StatusbarDefFolder(ui, "/d/");
  EXPECT_EQ(ui.panels[2], " 規定ﾌｫﾙﾀﾞｰ【 /d/ 】"_sj);
  MessageFileSaved(doc, ui, "/out/b.html");
  EXPECT_EQ(ui.panels[1], "  【  /out/b.html  】として保存されました"_sj);
  EXPECT_EQ(ui.caption, "KORVA[ /m/a@b.txt ] - [ b.html ]");
  MessageProjectSaved(ui, "/p/job.mpr", 0);
  EXPECT_EQ(ui.panels[2], "  プロジェクト【  job.mpr  】として保存されました"_sj);
  MessageProjectSaved(ui, "/p/job.mpr", 1);
  EXPECT_EQ(ui.panels[2], "  プロジェクト【  job.mpr  】"_sj);
}

TEST(StatusBar, ProjectLoadedModes) {
  Document doc;
  testing::RecordingUi ui;
  MessageProjectLoaded(doc, ui, "", 2);
  EXPECT_EQ(ui.panels[2], "  プロジェクト・ファイルは、【 まだ開いていません 】"_sj);
  doc.ProjectFileName = "/p/job.mpr";
  MessageProjectLoaded(doc, ui, "", 2);
  EXPECT_EQ(ui.panels[2], "  プロジェクト【 /p/job.mpr  】を開いています"_sj);
  MessageProjectLoaded(doc, ui, "/p/other.mpr", 0);
  EXPECT_EQ(ui.panels[2], "  プロジェクト【 other.mpr  】を開きました"_sj);
  MessageProjectLoaded(doc, ui, "", 3);
  EXPECT_EQ(ui.panels[2], "  プロジェクトは【 /p/job.mpr  】です"_sj);
}

TEST(StatusBar, ClearSaveMessageHidesWarningsAndEmptiesPanelOne) {
  Document doc;
  doc.ProjectFileName = "/p/job.mpr";
  testing::RecordingUi ui;
  ui.panels[1] = "old";
  StatusbarClearSaveMessage(doc, ui);
  EXPECT_EQ(ui.panels[1], "");
  EXPECT_EQ(ui.panels[2], "  プロジェクト【  job.mpr  】"_sj);
  EXPECT_FALSE(ui.labels.at("LabelWarningSettingFolder"));
  EXPECT_FALSE(ui.labels.at("LabelWarningSettingWebFolder"));
}

}  // namespace
}  // namespace korva
