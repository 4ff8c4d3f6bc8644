#include "publishing/folder_checks.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;
using testing::RecordingUi;
using testing::TempFolder;

TEST(CheckRootFolder, ASetRootIsEnoughWithoutLookingAtTheDisk) {
  Settings settings;
  settings.BtnEditRootFolder = "/nowhere/at/all/";
  RecordingUi ui;
  EXPECT_TRUE(CheckRootFolder(settings, ui));
  EXPECT_TRUE(ui.calls.empty());
}

TEST(CheckSaveHTMLFolderAndFile, FirstMissingFolderIsEmptiedAndNamed) {
  TempFolder temp;
  const std::string good = temp.Folder("ok");
  const std::string gone = FromFsPath(temp.path() / "gone") + "/";
  struct Case {
    std::string root, save, three;
    std::string missingSetting;
    std::string Settings::*failing;
  };
  const Case cases[] = {
      {"", good, good, "BtnEditRootFolder", &Settings::BtnEditRootFolder},
      {gone, good, good, "BtnEditRootFolder", &Settings::BtnEditRootFolder},
      {good, "", good, "BtnEditHTMLSaveFolder", &Settings::BtnEditHTMLSaveFolder},
      {good, gone, gone, "BtnEditHTMLSaveFolder", &Settings::BtnEditHTMLSaveFolder},
      {good, good, gone, "BtnEdit3FileFolder", &Settings::BtnEdit3FileFolder},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.BtnEditRootFolder = c.root;
    settings.BtnEditHTMLSaveFolder = c.save;
    settings.BtnEdit3FileFolder = c.three;
    settings.ComboBoxHTMLFile = "h2612t4-1.htm";
    RecordingUi ui;
    std::string missing;
    EXPECT_EQ(CheckSaveHTMLFolderAndFile(settings, ui, &missing), -1);
    EXPECT_EQ(missing.substr(0, c.missingSetting.size()), c.missingSetting);
    EXPECT_TRUE(ui.labels[kFolderWarningLabel]);
    // Only the failing folder is emptied; the file name is left as it was.
    EXPECT_EQ(settings.*c.failing, "");
    EXPECT_EQ(settings.BtnEdit3FileFolder,
              c.failing == &Settings::BtnEdit3FileFolder ? "" : c.three);
    EXPECT_EQ(settings.ComboBoxHTMLFile, "h2612t4-1.htm");
  }
}

TEST(CheckSaveHTMLFolderAndFile, FileNameIsNormalisedOnSuccess) {
  TempFolder temp;
  const std::string good = temp.Folder("ok");
  const std::pair<std::string, std::string> cases[] = {{"h2612t4-1.html", "h2612t4-1"},
                                                       {"h2612t4-1", "h2612t4-1"},
                                                       {"", "dummy.html"},
                                                       {"a.b.htm", "a.b"}};
  for (const auto& [given, expected] : cases) {
    Settings settings;
    settings.BtnEditRootFolder = settings.BtnEditHTMLSaveFolder = settings.BtnEdit3FileFolder =
        good;
    settings.ComboBoxHTMLFile = given;
    RecordingUi ui;
    EXPECT_EQ(CheckSaveHTMLFolderAndFile(settings, ui), 0);
    EXPECT_EQ(settings.ComboBoxHTMLFile, expected);
    EXPECT_TRUE(ui.calls.empty());
  }
}

TEST(Check3FileCSS, MissingStyleSheetIsReportedWithFolderAndName) {
  TempFolder temp;
  const std::string three = temp.Folder("three");
  temp.Write("three/css/minutes.css", "p {}");
  struct Case {
    std::string folder, absolute;
    bool ok;
    bool message;
  };
  const Case cases[] = {
      {three, three + "css/minutes.css", true, false},
      {three, three + "css/other.css", false, true},
      {three, "", false, true},
      {"", three + "css/minutes.css", false, false},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.BtnEdit3FileFolder = c.folder;
    settings.BtnEditLocalCSSFile = "css/other.css";
    settings.LabelLocalCSSbsoluteRelativePath = c.absolute;
    RecordingUi ui;
    EXPECT_EQ(Check3FileCSS(settings, ui), c.ok) << c.absolute;
    ASSERT_EQ(ui.informations.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(ui.informations[0],
                "【 css/other.css 】が\r\n\r\nフォルダー【 "_sj + three +
                    " 】\r\n\r\nに存在しません。\r\n\r\n             【  "
                    "css/other.css 】\r\n\r\n　を入れて（コピー）ください。"_sj);
    }
  }
}

}  // namespace
}  // namespace korva
