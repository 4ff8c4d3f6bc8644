#include "publishing/folder_checks.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;
using testing::RecordingUi;
using testing::TempFolder;

TEST(CheckRootFolder, UnsetRootShowsTheProjectPageAndWarning) {
  Settings settings;
  RecordingUi ui;
  EXPECT_FALSE(CheckRootFolder(settings, ui));
  EXPECT_EQ(ui.pagesShown, std::vector<std::string>{"PGLeftTab02Project"});
  EXPECT_TRUE(ui.labels[kFolderWarningLabel]);

  settings.BtnEditRootFolder = "/nowhere/at/all/";
  RecordingUi ui2;
  EXPECT_TRUE(CheckRootFolder(settings, ui2));  // set is enough; existence is not tested
  EXPECT_TRUE(ui2.calls.empty());
}

TEST(CheckSaveHTMLFolderAndFile, FirstMissingFolderIsEmptiedAndNamed) {
  TempFolder temp;
  const std::string good = temp.Folder("ok");
  const std::string gone = FromFsPath(temp.path() / "gone") + "/";
  struct Case {
    std::string root, save, three;
    std::string missingSetting;
  };
  const Case cases[] = {
      {"", good, good, "BtnEditRootFolder"},     {gone, good, good, "BtnEditRootFolder"},
      {good, "", good, "BtnEditHTMLSaveFolder"}, {good, gone, gone, "BtnEditHTMLSaveFolder"},
      {good, good, gone, "BtnEdit3FileFolder"},
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
    const std::string* failing =
        c.missingSetting == "BtnEditRootFolder"       ? &settings.BtnEditRootFolder
        : c.missingSetting == "BtnEditHTMLSaveFolder" ? &settings.BtnEditHTMLSaveFolder
                                                      : &settings.BtnEdit3FileFolder;
    EXPECT_EQ(*failing, "");
    EXPECT_EQ(settings.BtnEdit3FileFolder, c.missingSetting == "BtnEdit3FileFolder" ? "" : c.three);
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

TEST(CheckWebFolderExists, ShowsTheWebPageWhenMissing) {
  TempFolder temp;
  const std::string web = temp.Folder("web");
  for (const std::string& folder : {std::string(""), web + "gone/"}) {
    RecordingUi ui;
    EXPECT_FALSE(CheckWebFolderExists(folder, ui));
    EXPECT_EQ(ui.pagesShown, std::vector<std::string>{"PGLeftTab05WebHEAD"});
    EXPECT_TRUE(ui.labels[kWebFolderWarningLabel]);
  }
  RecordingUi ui;
  EXPECT_TRUE(CheckWebFolderExists(web, ui));
  EXPECT_TRUE(ui.calls.empty());
}

}  // namespace
}  // namespace korva
