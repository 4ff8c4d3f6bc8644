#include "tools/browser_commands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/path_text.h"

namespace korva {
namespace {

class FakeOpener : public HtmlOpener {
 public:
  std::vector<std::string> calls;
  bool OpenWithHTMLHandler(const std::string& fullPath) override {
    calls.push_back("open " + fullPath);
    return true;
  }
  void CloseIE() override { calls.push_back("close"); }
  bool OpenInChrome(const std::string& fullPath) override {
    calls.push_back("chrome " + fullPath);
    return true;
  }
};

class BrowserCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    // Blanks and Japanese in the folder names reach the browser as they are.
    root_ = tmp_.Folder("議事録 公開");
    tmp_.Folder("議事録 公開/html");
    tmp_.Folder("議事録 公開/set");
    settings_.BtnEditRootFolder = root_;
    settings_.BtnEditHTMLSaveFolder = root_ + "html/";
    settings_.BtnEdit3FileFolder = root_ + "set/";
    settings_.ComboBoxHTMLFile = "h2612t4-1.txt";
    doc_.MinutesLoaded = true;
    doc_.ThreeFileNormalPath = root_ + "set/h2612t4-1-n.html";
  }
  void CreateNormalFile() { std::ofstream(ToFsPath(doc_.ThreeFileNormalPath)) << "<html>"; }

  testing::TempFolder tmp_;
  std::string root_;
  Settings settings_;
  Document doc_;
  testing::RecordingUi ui_;
  FakeOpener opener_;
};

TEST_F(BrowserCommands, TrialDocumentClosesTheOldBrowserFirst) {
  EXPECT_EQ(tbOpenIEClick(settings_, doc_, ui_, opener_), 0);
  EXPECT_EQ(opener_.calls,
            (std::vector<std::string>{"close", "open " + root_ + "html/h2612t4-1.html"}));
  settings_.CheckBoxOpenIEDontClose = true;
  opener_.calls.clear();
  EXPECT_EQ(tbOpenIEClick(settings_, doc_, ui_, opener_), 0);
  EXPECT_EQ(opener_.calls, (std::vector<std::string>{"open " + root_ + "html/h2612t4-1.html"}));
  EXPECT_EQ(ui_.beeps, 0);
}

TEST_F(BrowserCommands, NothingOpensWithoutMinutesOrFolders) {
  using Command = int (*)(Settings&, Document&, Ui&, HtmlOpener&);
  const Command commands[] = {tbOpenIEClick, tbMake2OpenIEClick, tbOpenChromeClick};
  CreateNormalFile();
  for (Command command : commands) {
    doc_.MinutesLoaded = false;
    ui_ = {};
    EXPECT_EQ(command(settings_, doc_, ui_, opener_), -1);
    EXPECT_EQ(ui_.beeps, 1);
    EXPECT_TRUE(ui_.pagesShown.empty());

    doc_.MinutesLoaded = true;
    Settings missing = settings_;
    missing.BtnEdit3FileFolder = root_ + "gone/";
    ui_ = {};
    EXPECT_EQ(command(missing, doc_, ui_, opener_), -1);
    EXPECT_EQ(ui_.beeps, 1);
    EXPECT_EQ(ui_.pagesShown,
              (std::vector<std::string>{"PageControlGlobalTab01Main", "PGLeftTab02Project"}));
    EXPECT_TRUE(ui_.labels["LabelWarningSettingFolder"]);
  }
  EXPECT_TRUE(opener_.calls.empty());
}

TEST_F(BrowserCommands, LocalSetNeedsItsNormalFile) {
  EXPECT_EQ(tbMake2OpenIEClick(settings_, doc_, ui_, opener_), -1);
  EXPECT_EQ(tbOpenChromeClick(settings_, doc_, ui_, opener_), -1);
  EXPECT_EQ(ui_.beeps, 2);
  EXPECT_TRUE(opener_.calls.empty());

  CreateNormalFile();
  EXPECT_EQ(tbMake2OpenIEClick(settings_, doc_, ui_, opener_), 0);
  EXPECT_EQ(tbOpenChromeClick(settings_, doc_, ui_, opener_), 0);
  EXPECT_EQ(opener_.calls, (std::vector<std::string>{"close", "open " + doc_.ThreeFileNormalPath,
                                                     "chrome " + doc_.ThreeFileNormalPath}));
}

TEST_F(BrowserCommands, ChosenFileInChrome) {
  ui_.chosenPaths = {std::nullopt, std::string(root_ + "a b.html")};
  EXPECT_EQ(tbOpenFileWithChromeClick(doc_, ui_, opener_), -1);
  EXPECT_EQ(tbOpenFileWithChromeClick(doc_, ui_, opener_), 0);
  EXPECT_EQ(opener_.calls, (std::vector<std::string>{"chrome " + root_ + "a b.html"}));
}

TEST_F(BrowserCommands, GeneratedFilesAlwaysReplaceTheOldWindow) {
  settings_.CheckBoxOpenIEDontClose = true;
  EXPECT_EQ(ShowGeneratedFile(opener_, "x.html"), 0);
  EXPECT_EQ(opener_.calls, (std::vector<std::string>{"close", "open x.html"}));
}

}  // namespace
}  // namespace korva
