#include "settings/path_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "settings/ini_file.h"
#include "settings/settings_table.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
namespace {
using namespace literals;
using korva::testing::ReadAll;
using korva::testing::RecordingUi;
using korva::testing::TempFolder;

TEST(PathRulesTest, RelativePathsUseForwardSlashesAndResolveBack) {
  enum Way { Both, ToRelative, ToAbsolute };
  struct Case {
    std::string folder, absolute, relative;
    Way way;
  };
  const std::vector<Case> cases = {
      {"/r/three/", "/r/three/css/sub/minutes.css", "css/sub/minutes.css", Both},
      {"/r/three", "/r/three/minutes.css", "minutes.css", Both},
      {"/r/three/", "/r/top.html", "../top.html", Both},
      {"/r/three", "/r/top.html", "../top.html", Both},
      {"/r/three/", "/index.html", "../../index.html", Both},
      {Sj("/会議録/表/"), Sj("/会議録/表/様式/表.css"), Sj("様式/表.css"), Both},
      {"/r/three/", "/r/three/./a/../b.css", "b.css", ToRelative},
      {"\\r\\three\\", "\\r\\three\\css\\x.css", "css/x.css", ToRelative},
      {"/r/three/", "/index.html", "../../../index.html", ToAbsolute},
      {"/r/three/", "/r/three/css/x.css", "css\\x.css", ToAbsolute},
      {"/r/three/", "/abs/x.css", "/abs/x.css", ToAbsolute}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder + " " + c.absolute + " " + c.relative);
    if (c.way != ToAbsolute) {
      EXPECT_EQ(RelativeToFolder(c.folder, c.absolute), c.relative);
    }
    if (c.way != ToRelative) {
      // A resolved path is the system's: compared as a path.
      EXPECT_EQ(ToFsPath(ResolveAgainstFolder(c.folder, c.relative)), ToFsPath(c.absolute));
    }
  }
}

TEST(PathRulesTest, InsideTheRootFolderMeansBelowItWholeComponentsOnly) {
  struct Case {
    std::string root, path;
    bool inside;
  };
  const std::vector<Case> cases = {{"/data/root/", "/data/root/three/", true},
                                   {"/data/root/", "/data/root/", true},
                                   {"/data/root", "/data/root/a/b/c", true},
                                   {"/data/root/", "/data/other/three/", false},
                                   {"/data/root/", "/data/root2/three/", false},
                                   {"/data/root/", "/x/data/root/three/", false},
                                   {"/data/root/", "/data/", false},
                                   {"/data/root/", "/data/root/../other/", false},
                                   {"", "/data/root/", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsInsideFolder(c.root, c.path), c.inside) << c.root << " " << c.path;
  }
}

TEST(PathRulesTest, StyleSheetExtensionIgnoresLetterCase) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"/r/minutes.css", true},  {"/r/MINUTES.CSS", true}, {"/r/a.Css", true},
      {"/r/minutes.txt", false}, {"/r/a.css.txt", false},  {"/r/a.css/b.txt", false},
      {"/r/css", false},         {"/r/a.cssx", false}};
  for (const auto& [path, expected] : cases) EXPECT_EQ(HasCssExtension(path), expected) << path;
}

struct Folders {
  TempFolder tmp;
  Settings s;
  Document doc;
  RecordingUi ui;
  std::string root, three;
  Folders() {
    root = tmp.Folder("data/root");
    three = tmp.Folder("data/root/three");
    s.BtnEditRootFolder = root;
    s.BtnEdit3FileFolder = three;
    doc.IniFileName = FromFsPath(tmp.path() / "korva.inf");
  }
  IniFile Saved() const { return IniFile::Parse(ReadAll(tmp.path() / "korva.inf")); }
};

TEST(PathRulesTest, LocalStyleSheetPick) {
  struct Case {
    const char* name;
    std::string chosen;  // below the test folder; empty = cancelled
    int result;
    std::string setting;  // "OLD": unchanged
  };
  const std::vector<Case> cases = {
      {"two levels below", "data/root/three/css/sub/minutes.css", 0, "css/sub/minutes.css"},
      {"capital extension", "data/root/three/MINUTES.CSS", 0, "MINUTES.CSS"},
      {"beside the three-file folder", "data/root/common.css", 0, "../common.css"},
      {"text file", "data/root/three/minutes.txt", 0, ""},
      {"css in the middle", "data/root/three/minutes.css.txt", 0, ""},
      {"outside the root", "data/other/minutes.css", -1, "OLD"},
      {"root-like sibling", "data/root2/minutes.css", -1, "OLD"},
      {"cancelled", "", -1, "OLD"}};
  for (const auto& c : cases) {
    Folders f;
    f.s.BtnEditLocalCSSFile = "old.css";
    std::string chosen;
    if (!c.chosen.empty()) {
      chosen = f.tmp.File(c.chosen, "p { color: red }\r\n");
      f.ui.chosenPaths.push_back(chosen);
    }
    EXPECT_EQ(BtnEditLocalCSSFileButtonClick(f.s, f.doc, f.ui), c.result) << c.name;
    const std::string expected = c.setting == "OLD" ? "old.css" : c.setting;
    EXPECT_EQ(f.s.BtnEditLocalCSSFile, expected) << c.name;
    if (c.result == 0 && !expected.empty()) {
      EXPECT_EQ(f.s.LabelLocalCSSbsoluteRelativePath, chosen) << c.name;
      EXPECT_EQ(f.doc.EditorCSSText, "p { color: red }\r\n") << c.name;
    }
    if (c.result == 0) {
      EXPECT_EQ(f.Saved().Get("Local", "css"), expected) << c.name;
    } else {
      EXPECT_FALSE(std::filesystem::exists(f.tmp.path() / "korva.inf")) << c.name;
    }
  }
}

TEST(PathRulesTest, PicksWithoutARootFolderAreRefusedAndShowTheSettings) {
  using Pick = int (*)(Settings&, Document&, Ui&);
  const std::vector<std::pair<const char*, Pick>> picks = {
      {"css", BtnEditLocalCSSFileButtonClick},
      {"html folder", sbSaveHTMLFolderClick},
      {"three-file folder", SpeedButton1Click},
      {"three-file folder by file", BtnEdit3FileFolderButtonClick},
      {"save folder by file", BtnEditHTMLSaveFolderButtonClick},
      {"home link", BtnEditLocalReturn2HomeButtonClick},
      {"local head", BtnEditLocalHeadIncludeButtonClick}};
  for (const auto& [name, pick] : picks) {
    Folders f;
    f.s.BtnEditRootFolder.clear();
    f.ui.chosenPaths.push_back(f.tmp.File("data/root/three/a.css"));
    EXPECT_EQ(pick(f.s, f.doc, f.ui), -1) << name;
    EXPECT_EQ(f.ui.chosenPaths.size(), 1u) << name << ": no dialog without a root folder";
    EXPECT_TRUE(f.ui.labels["LabelWarningSettingFolder"]) << name;
    EXPECT_EQ(f.s.BtnEdit3FileFolder, f.three) << name;
  }
}

TEST(PathRulesTest, FoldersMustLieInsideTheRootFolder) {
  struct Case {
    const char* name;
    std::string chosen;
    bool accepted;
  };
  const std::vector<Case> cases = {{"sub-folder", "data/root/set/three", true},
                                   {"the root itself", "data/root", true},
                                   {"another branch", "data/other/three", false}};
  for (const auto& c : cases) {
    Folders f;
    const std::string chosen = f.tmp.Folder(c.chosen);
    f.ui.chosenPaths.push_back(chosen.substr(0, chosen.size() - 1));  // pickers drop the separator
    EXPECT_EQ(SpeedButton1Click(f.s, f.doc, f.ui), c.accepted ? 0 : -1) << c.name;
    EXPECT_EQ(f.s.BtnEdit3FileFolder, c.accepted ? chosen : f.three) << c.name;
  }
}

TEST(PathRulesTest, RootFolderPickResetsTheSaveFolderAndBecomesTheDefault) {
  Folders f;
  f.s.BtnEditHTMLSaveFolder = f.root;
  f.s.ComboBoxHTMLFile = "h2612";
  const std::string newRoot = f.tmp.Folder("new");
  f.ui.chosenPaths.push_back(newRoot.substr(0, newRoot.size() - 1));
  ASSERT_EQ(sbSaveRootFolderClick(f.s, f.doc, f.ui), 0);
  EXPECT_EQ(f.s.BtnEditRootFolder, newRoot);
  EXPECT_EQ(f.s.BtnEditHTMLSaveFolder, "");
  EXPECT_EQ(f.s.ComboBoxHTMLFile, "");
  EXPECT_EQ(f.doc.DefaultFolder, newRoot);
  EXPECT_EQ(f.Saved().Get("Local", "Root"), newRoot);
}

TEST(PathRulesTest, SaveFolderPickTakesFolderAndHtmlName) {
  struct Case {
    std::string name, expected;
  };
  const std::vector<Case> cases = {
      {"dummy.html", "dummy"}, {"h2612t4-1.htm", "h2612t4-1.html"}, {"page", "page.html"}};
  for (const auto& c : cases) {
    Folders f;
    f.ui.chosenPaths.push_back(f.root + "out/" + c.name);
    ASSERT_EQ(BtnEditHTMLSaveFolderButtonClick(f.s, f.doc, f.ui), 0) << c.name;
    EXPECT_EQ(f.s.BtnEditHTMLSaveFolder, f.root + "out/") << c.name;
    EXPECT_EQ(f.s.ComboBoxHTMLFile, c.expected) << c.name;
  }
}

TEST(PathRulesTest, LocalReturnLinkIsStoredRelativeWithHtmlExtension) {
  Folders f;
  f.ui.chosenPaths.push_back(f.tmp.File("data/root/top.htm"));
  ASSERT_EQ(BtnEditLocalReturn2TopButtonClick(f.s, f.doc, f.ui), 0);
  EXPECT_EQ(f.s.BtnEditLocalReturn2Top, "../top.html");
  EXPECT_EQ(ToFsPath(f.s.LabelLocalReturn2TopPath), ToFsPath(f.root + "top.html"));
  f.ui.chosenPaths.push_back(f.tmp.File("elsewhere/top.html"));
  EXPECT_EQ(BtnEditLocalReturn2TopButtonClick(f.s, f.doc, f.ui), -1);
  EXPECT_EQ(f.s.BtnEditLocalReturn2Top, "../top.html");
}

TEST(PathRulesTest, IncludePickLoadsTheFileAndItsLabel) {
  Folders f;
  f.s.BtnEditRootFolder.clear();  // web includes need no root folder
  const std::string file = f.tmp.File("inc/side.sin", "<ul>\r\n<li>a</li>\r\n</ul>\r\n");
  f.ui.chosenPaths.push_back(file);
  ASSERT_EQ(BtnEditWebSidelinkIncludeButtonClick(f.s, f.doc, f.ui), 0);
  EXPECT_EQ(f.s.BtnEditWebSidelinkInclude, file);
  EXPECT_EQ(f.doc.WebSidelinkIncludeList, (StringList{"<ul>", "<li>a</li>", "</ul>"}));
  EXPECT_NE(f.doc.IncludeFileLabels[5].find("side.sin"), std::string::npos);

  // A file that cannot be read changes nothing: the include in use stays whole.
  f.ui.chosenPaths.push_back(FromFsPath(f.tmp.path() / "inc" / "gone.sin"));
  EXPECT_EQ(BtnEditWebSidelinkIncludeButtonClick(f.s, f.doc, f.ui), -1);
  EXPECT_EQ(f.s.BtnEditWebSidelinkInclude, file);
  EXPECT_EQ(f.doc.WebSidelinkIncludeList, (StringList{"<ul>", "<li>a</li>", "</ul>"}));
  EXPECT_NE(f.doc.IncludeFileLabels[5].find("side.sin"), std::string::npos);
  EXPECT_EQ(f.ui.warnings.size(), 1u);

  f.doc.LocalSidelinkIncludeList = {"<ul>"};
  ClearIncludeFile(f.s, f.doc, f.ui, IncludeFile::WebSidelink);
  EXPECT_EQ(f.s.BtnEditWebSidelinkInclude, "");
  EXPECT_TRUE(f.doc.WebSidelinkIncludeList.empty());
  EXPECT_EQ(f.doc.IncludeFileLabels[5], "");
  EXPECT_EQ(f.doc.LocalSidelinkIncludeList, StringList{"<ul>"});
}

TEST(PathRulesTest, ClearButtons) {
  struct Case {
    const char* name;
    bool known;
  };
  const Case cases[] = {
      {"BtnEditLocalCSSFile", true},     {"BtnEditLocalReturn2Home", true},
      {"BtnEditLocalReturn2list", true}, {"BtnEditWebDomain", true},
      {"BtnEditLocalHeadInclude", true}, {"BtnEditWebSidelinkInclude", true},
      {"ComboBoxClassWSC", false},       {"LabelLocalCSSbsoluteRelativePath", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Folders f;
    f.s.BtnEditLocalCSSFile = "css/a.css";
    f.s.LabelLocalCSSbsoluteRelativePath = f.three + "css/a.css";
    f.s.BtnEditLocalReturn2Home = f.s.BtnEditLocalReturn2list = "../x.html";
    f.s.LabelLocalReturn2HomePath = f.s.LabelLocalReturn2listPath = f.root + "x.html";
    f.s.BtnEditWebDomain = "https://example.jp/";
    f.s.BtnEditLocalHeadInclude = f.s.BtnEditWebSidelinkInclude = f.root + "a.hin";
    f.doc.LocalHeadIncludeList = f.doc.WebSidelinkIncludeList = {"<title>"};
    f.doc.IncludeFileLabels[0] = f.doc.IncludeFileLabels[5] = "x";
    f.s.ComboBoxClassWSC = "chair";
    const Settings before = f.s;
    EXPECT_EQ(ClearPathSetting(f.s, f.doc, f.ui, c.name), c.known);
    const SettingRow* row = FindSettingByName(c.name);
    if (c.known) {
      EXPECT_EQ(SettingValueText(f.s, *row), "");
    } else if (row) {
      EXPECT_EQ(SettingValueText(f.s, *row), SettingValueText(before, *row));
    }
    // A relative setting takes its absolute path with it; the others keep theirs.
    const std::string name = c.name;
    EXPECT_EQ(f.s.LabelLocalCSSbsoluteRelativePath.empty(), name == "BtnEditLocalCSSFile");
    EXPECT_EQ(f.s.LabelLocalReturn2HomePath.empty(), name == "BtnEditLocalReturn2Home");
    EXPECT_EQ(f.s.LabelLocalReturn2listPath.empty(), name == "BtnEditLocalReturn2list");
    EXPECT_EQ(f.doc.LocalHeadIncludeList.empty(), name == "BtnEditLocalHeadInclude");
    EXPECT_EQ(f.doc.IncludeFileLabels[5].empty(), name == "BtnEditWebSidelinkInclude");
    EXPECT_EQ(f.s.BtnEditRootFolder, f.root) << "nothing else changes";
  }
}

TEST(PathRulesTest, StyleSheetPaneSave) {
  Folders f;
  f.doc.EditorCSSText = "p { color: red; }\r\n";
  // Loaded from a file: written back there.
  f.doc.LabelRightTab04CSSFilename = f.tmp.File("data/root/three/a.css", "old");
  ASSERT_EQ(SaveCSSPane(f.doc, f.ui), 0);
  EXPECT_EQ(ReadAll(f.tmp.path() / "data/root/three/a.css"), f.doc.EditorCSSText);
  EXPECT_NE(f.ui.panels[1].find("a.css"), std::string::npos);
  // From no file: a name is asked for, and becomes the pane's file.
  f.doc.LabelRightTab04CSSFilename.clear();
  f.ui.chosenPaths.push_back(f.root + "new");
  ASSERT_EQ(SaveCSSPane(f.doc, f.ui), 0);
  EXPECT_EQ(f.doc.LabelRightTab04CSSFilename, f.root + "new.css");
  EXPECT_EQ(ReadAll(f.tmp.path() / "data/root/new.css"), f.doc.EditorCSSText);
  // Cancelled, empty, or failing: nothing is written and a failure says why.
  f.doc.LabelRightTab04CSSFilename.clear();
  EXPECT_EQ(SaveCSSPane(f.doc, f.ui), -1);
  f.doc.LabelRightTab04CSSFilename = f.root + "new.css";
  f.doc.EditorCSSText.clear();
  EXPECT_EQ(SaveCSSPane(f.doc, f.ui), -1);
  EXPECT_EQ(f.ui.beeps, 1);
  f.doc.EditorCSSText = "x";
  const auto failing = [](const std::filesystem::path& path, std::string_view) {
    return std::optional<FileError>(FileError{Utf8FromPath(path), "disk full"});
  };
  EXPECT_EQ(SaveCSSPane(f.doc, f.ui, failing), -1);
  ASSERT_EQ(f.ui.warnings.size(), 1u);
  EXPECT_NE(f.ui.warnings[0].find("disk full"), std::string::npos);
  EXPECT_EQ(ReadAll(f.tmp.path() / "data/root/new.css"), "p { color: red; }\r\n");
}

TEST(PathRulesTest, ClipboardLimits) {
  struct Case {
    const char* name;
    std::string clipboard;
    std::string css, domain;  // "OLD": unchanged
  };
  const std::string longCss = std::string(150, 'a') + ".css";
  const std::string tooLong = std::string(197, 'a') + ".css";
  const std::vector<Case> cases = {
      {"short style sheet", "@domain@/css/MINUTES.CSS", "@domain@/css/MINUTES.CSS", "OLD"},
      {"no style sheet", "https://example.jp/", "", "https://example.jp/"},
      {"over the paste limit", longCss, "", ""},
      {"201 characters", tooLong, "OLD", ""},
      {"exactly 100", std::string(96, 'b') + ".css", std::string(96, 'b') + ".css",
       std::string(96, 'b') + ".css"}};
  for (const auto& c : cases) {
    Folders f;
    f.s.BtnEditWebCSSFile = "old.css";
    f.s.BtnEditWebDomain = "old";
    f.ui.clipboard = c.clipboard;
    BtnEditWebCSSFileButtonClick(f.s, f.doc, f.ui);
    BtnEditWebDomainButtonClick(f.s, f.ui);
    EXPECT_EQ(f.s.BtnEditWebCSSFile, c.css == "OLD" ? "old.css" : c.css) << c.name;
    EXPECT_EQ(f.s.BtnEditWebDomain, c.domain == "OLD" ? c.clipboard : c.domain) << c.name;
  }
}

}  // namespace
}  // namespace korva
