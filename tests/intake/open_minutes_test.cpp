#include "intake/open_minutes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "intake/file_reset.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {
using ::testing::HasSubstr;
using testing::RecordingUi;
using testing::TempFolder;
using namespace literals;

std::string U8(const std::string& cp932) {
  return Cp932ToUtf8Lossy(cp932);
}

// Minutes bytes from UTF-8 lines, CR LF after each.
std::string Minutes(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return Sj(text);
}

const std::vector<std::string> kShort = {"会議録", "■開議", "○議長（山田太郎君）　開きます。",
                                         "　続けます。", "午後２時散会"};

class OpenMinutes : public ::testing::Test {
 protected:
  TempFolder temp;
  Settings settings;
  Document doc;
  RecordingUi ui;

  void SetHTMLSaveFolderWithTryout() {
    settings.BtnEditHTMLSaveFolder = temp.Folder("html");
    temp.File("html/tryout.css", "p { color: red; }\r\n");
  }
  // Opens the short minutes as t@n.txt; gives the file's name.
  std::string OpenShort() {
    SetHTMLSaveFolderWithTryout();
    const std::string name = temp.File("t@n.txt", Minutes(kShort));
    EXPECT_EQ(OpenFile(settings, doc, ui, name), 0);
    return name;
  }
};

TEST_F(OpenMinutes, LoadsTextTableNamesIncludesAndCss) {
  SetHTMLSaveFolderWithTryout();
  settings.BtnEditLocalHeadInclude = temp.File("inc/head.hin", "<meta a>\r\n<meta b>\r\n");
  settings.BtnEditWebSidelinkInclude = temp.File("inc/side.sin", "<a>\r\n");
  settings.BtnEditLocalTopFrameInclude = FromFsPath(temp.path() / "missing.tin");
  settings.BtnEditLocalCSSFile = "css/minutes.css";
  settings.LabelLocalCSSbsoluteRelativePath = temp.File("css/minutes.css", "body {}\r\np {}\r\n");
  const std::string name =
      temp.File("令和６年第１回定例会「本会議」@r0612t1-1.txt", Minutes(kShort));
  ASSERT_EQ(OpenFile(settings, doc, ui, name), 0);
  EXPECT_EQ(doc.MinutesTextList.size(), 5u);
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 5u);
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(3).LineKind, "2");
  EXPECT_EQ(doc.MinutesFileName, name);
  EXPECT_EQ(doc.HTMLBaseName, "r0612t1-1");
  EXPECT_EQ(settings.ComboBoxWebHTMLFile, "r0612t1-1");
  EXPECT_EQ(U8(doc.DocumentTitle), "本会議");
  EXPECT_EQ(U8(doc.ListBoxMunicipalRoster.at(0)), "議長（山田太郎君）");
  EXPECT_EQ(doc.EditorMinutesText, Minutes(kShort));
  EXPECT_EQ(doc.TryOutCSSList, std::vector<std::string>{"p { color: red; }"});
  EXPECT_TRUE(doc.MinutesLoaded);
  EXPECT_TRUE(ui.informations.empty());
  EXPECT_EQ(ui.pagesShown.back(), "PGRightTab06MinutesText");
  // The include and style-sheet files named in the settings come along.
  EXPECT_EQ(doc.LocalHeadIncludeList, (std::vector<std::string>{"<meta a>", "<meta b>"}));
  EXPECT_EQ(doc.WebSidelinkIncludeList, std::vector<std::string>{"<a>"});
  EXPECT_EQ(doc.IncludeFileLabels[0], "【 "_sj + settings.BtnEditLocalHeadInclude + " 】"_sj);
  EXPECT_EQ(doc.IncludeFileLabels[1], "");
  EXPECT_TRUE(doc.LocalTopFrameIncludeList.empty());
  EXPECT_EQ(doc.EditorCSSText, "body {}\r\np {}\r\n");
  EXPECT_EQ(doc.LabelRightTab04CSSFilename, settings.LabelLocalCSSbsoluteRelativePath);
  EXPECT_EQ(doc.LocalCSSList, (std::vector<std::string>{"body {}", "p {}"}));
}

TEST_F(OpenMinutes, TryOutCssCheck) {
  const std::string name = temp.File("t@n.txt", Minutes(kShort));
  // No HTML save folder: fails silently, but the text stays loaded.
  EXPECT_EQ(OpenFile(settings, doc, ui, name), -1);
  EXPECT_TRUE(ui.informations.empty());
  EXPECT_FALSE(doc.MinutesLoaded);
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 5u);

  // A folder without "tryout.css": the message names the folder.
  settings.BtnEditHTMLSaveFolder = temp.Folder("empty");
  EXPECT_EQ(OpenFile(settings, doc, ui, name), -1);
  ASSERT_EQ(ui.informations.size(), 1u);
  EXPECT_EQ(
      U8(ui.informations[0]),
      "【 tryout.css 】が\r\n\r\nフォルダー【 " + U8(settings.BtnEditHTMLSaveFolder) +
          " 】に存在しません。\r\n\r\n保存する［ ｈｔｍｌ ］ファイルと、同じ［ フォルダー ］に"
          "\r\n\r\n             【  tryout.css  】\r\n\r\n　入れてください。");

  // A sheet loaded earlier is not bound into a trial copy once its file is gone.
  doc.TryOutCSSList = {"p { color: red; }"};
  EXPECT_EQ(CheckTryOutCSS(settings, doc, ui), -1);
  EXPECT_TRUE(doc.TryOutCSSList.empty());
}

TEST_F(OpenMinutes, UnreadableFileChangesNothing) {
  const std::string good = OpenShort();
  const std::string missing = FromFsPath(temp.path() / "gone@x.txt");
  const std::string folder = temp.Folder("a-folder@y.txt");
  for (const std::string& name : {missing, folder}) {
    EXPECT_EQ(OpenFile(settings, doc, ui, name), -1);
    ASSERT_FALSE(ui.warnings.empty());
    EXPECT_THAT(ui.warnings.back(), HasSubstr(name)) << "the message names the file";
    EXPECT_EQ(doc.MinutesFileName, good);
    EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 5u);
  }
}

TEST_F(OpenMinutes, BadInputGetsAKindForEveryLine) {
  SetHTMLSaveFolderWithTryout();
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t rows;  // rows of the line table
    bool warned;
  };
  const Case cases[] = {
      {"empty", "", 1, true},
      {"blank lines only", "\r\n\r\n\r\n", 3, false},
      {"CR only", Sj("■開議\r○議長（山田太郎君）　開会。\r　続き。"), 3, false},
      {"binary", std::string("\0\x01\xFF\xFE\x80\r\n\0\0", 8), 2, false},
      {"1 MB line", std::string(1 << 20, 'a') + "\r\n", 1, false},
  };
  for (const auto& c : cases) {
    ui.warnings.clear();
    const std::string name = temp.File(std::string(c.name) + "@x.txt", c.bytes);
    OpenFile(settings, doc, ui, name);
    EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), c.rows) << c.name;
    EXPECT_EQ(!ui.warnings.empty(), c.warned) << c.name;
    if (c.rows > 1) {
      for (const auto& row : doc.MinutesTextStringGrid)
        EXPECT_FALSE(row.LineKind.empty()) << c.name;
    }
  }
}

TEST_F(OpenMinutes, OpenCommand) {
  SetHTMLSaveFolderWithTryout();
  const std::string name = temp.File("t@r0612.txt", Minutes(kShort));
  int generated = 0;
  const FollowUpCommand generate = [&](Settings&, Document&, Ui&) { ++generated; };

  // Cancelled: nothing opened.
  MenuFileOpenClick(settings, doc, ui, generate);
  EXPECT_TRUE(doc.MinutesFileName.empty());
  EXPECT_EQ(generated, 0);

  ui.chosenPaths.push_back(name);
  MenuFileOpenClick(settings, doc, ui, generate);
  EXPECT_EQ(doc.MinutesFileName, name);
  EXPECT_EQ(settings.ComboBoxHTMLFile, "r0612");
  EXPECT_EQ(settings.ComboBoxWebHTMLFile, "r0612");
  EXPECT_EQ(doc.LastOpenResult, 0);
  EXPECT_EQ(generated, 1);

  // A typed name stays when the option asks for it.
  settings.CheckBoxLocalSaveThisname = true;
  settings.ComboBoxHTMLFile = "typed";
  ui.chosenPaths.push_back(name);
  MenuFileOpenClick(settings, doc, ui, generate);
  EXPECT_EQ(settings.ComboBoxHTMLFile, "typed");
  EXPECT_EQ(doc.ComboBoxHTMLFileItems, std::vector<std::string>{"typed"});

  // No generation without the option.
  settings.CheckBoxImmediateGo = false;
  ui.chosenPaths.push_back(name);
  MenuFileOpenClick(settings, doc, ui, generate);
  EXPECT_EQ(generated, 2);
}

TEST_F(OpenMinutes, OpenCommandStopsOnUnbalancedMarks) {
  SetHTMLSaveFolderWithTryout();
  int generated = 0;
  ui.chosenPaths.push_back(temp.File("t@u.txt", Minutes({"「「", "議案第１号", "■開議"})));
  MenuFileOpenClick(settings, doc, ui, [&](Settings&, Document&, Ui&) { ++generated; });
  EXPECT_EQ(generated, 0);
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab11MWarningAndError");
  EXPECT_TRUE(ui.labels["LabelMarkNotMatch"]);
}

TEST_F(OpenMinutes, ReReadPicksUpChanges) {
  OpenShort();
  temp.File("t@n.txt", Minutes({"会議録", "■開議"}));
  int generated = 0;
  tbOpenOldClick(settings, doc, ui, [&](Settings&, Document&, Ui&) { ++generated; });
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 2u);
  EXPECT_EQ(generated, 1);

  // A file that is gone is not re-read.
  std::filesystem::remove(temp.path() / "t@n.txt");
  tbOpenOldClick(settings, doc, ui, [&](Settings&, Document&, Ui&) { ++generated; });
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 2u);
  EXPECT_EQ(generated, 1);
}

TEST_F(OpenMinutes, Paste) {
  int generated = 0;
  const FollowUpCommand generate = [&](Settings&, Document&, Ui&) { ++generated; };
  doc.MinutesTextList = {"kept"};

  ui.clipboard = Minutes({"会議録", "○議長（山田太郎君）　始めます。"});  // no meeting word
  settings.BtnEditHTMLSaveFolder = temp.Folder("html");
  tbMainDocumePasteClick(settings, doc, ui, generate);
  EXPECT_EQ(doc.MinutesTextList, std::vector<std::string>{"kept"});

  ui.clipboard = Minutes({"会議録", "■開議", "○議長（山田太郎君）　開会します。"});
  settings.BtnEditHTMLSaveFolder = FromFsPath(temp.path() / "no-such-folder") + "/";
  tbMainDocumePasteClick(settings, doc, ui, generate);
  EXPECT_EQ(doc.MinutesTextList, std::vector<std::string>{"kept"});

  settings.BtnEditHTMLSaveFolder = temp.Folder("html");
  doc.MinutesLoaded = true;
  tbMainDocumePasteClick(settings, doc, ui, generate);
  EXPECT_EQ(doc.MinutesTextList.size(), 3u);
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(3).LineKind, "2");
  EXPECT_EQ(doc.HTMLBaseName, "dummy");
  EXPECT_EQ(doc.MinutesFileName, "");
  EXPECT_EQ(settings.ComboBoxHTMLFile, "");
  EXPECT_EQ(doc.ComboBoxHTMLFileItems, std::vector<std::string>{"dummy"});
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab01Main");
  EXPECT_EQ(generated, 1);
}

TEST_F(OpenMinutes, ClipboardLimit) {
  const std::tuple<std::string, std::size_t, std::string> cases[] = {
      {"0123456789a", 10, ""},
      {"0123456789a", 11, "0123456789a"},
      {"0123456789", 10, "0123456789"}};
  for (const auto& [clipboard, limit, expected] : cases) {
    ui.clipboard = clipboard;
    EXPECT_EQ(GetFromClipboard(ui, limit), expected) << clipboard << " " << limit;
  }
}

TEST_F(OpenMinutes, ResetModes) {
  OpenShort();
  doc.EditorMainText = "edited";
  doc.LoadedLineCount = 7;
  doc.MarkCounts.EnumStartCount = 3;
  FileReset(doc, ui, 1);
  EXPECT_EQ(doc.EditorMainText, "edited");
  EXPECT_EQ(doc.LoadedLineCount, 7);
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 1u);
  EXPECT_TRUE(doc.SpeakerNavEntryList.empty());
  EXPECT_TRUE(doc.TryOutCSSList.size() == 1u) << "the try-out CSS list is kept";
  EXPECT_EQ(doc.MarkCounts.EnumStartCount, 0);
  FileReset(doc, ui, 0);
  EXPECT_EQ(doc.EditorMainText, "");
  EXPECT_EQ(doc.LoadedLineCount, 0);
}

// Edits are tracked only once a text of two or more lines is analysed; only
// a changed line count drops what was generated.
TEST_F(OpenMinutes, EditTracking) {
  struct Case {
    std::vector<std::string> lines;
    int editedLineCount;
    bool modified, reset;
  };
  const Case cases[] = {
      {{}, 9, false, false},
      {{"○議長（山田太郎君）　開きます。"}, 9, false, false},
      {kShort, 1, true, false},
      {kShort, 2, true, true},
  };
  SetHTMLSaveFolderWithTryout();
  for (const Case& c : cases) {
    Filenew(doc, ui);
    if (!c.lines.empty()) {
      ASSERT_EQ(OpenFile(settings, doc, ui, temp.File("t@n.txt", Minutes(c.lines))), 0);
    }
    doc.GeneratedHTMLText = "<html>";
    ui.caption.clear();
    const std::string minutes = doc.EditorMinutesText;
    EXPECT_EQ(REChange(doc, ui, c.editedLineCount), c.reset) << c.lines.size();
    EXPECT_EQ(doc.TextModified, c.modified) << c.lines.size();
    EXPECT_EQ(doc.GeneratedHTMLText.empty(), c.reset) << c.lines.size();
    EXPECT_EQ(ui.caption.find("変更されました"_sj) != std::string::npos, c.reset);
    EXPECT_EQ(doc.EditorMinutesText, minutes) << "the edited text stays";
    if (c.modified) {
      EXPECT_EQ(doc.CurrentLineCount, c.editedLineCount);
    }
  }
}

TEST_F(OpenMinutes, NewForgetsTheMinutes) {
  OpenShort();
  doc.GeneratedHTMLText = "<html>";
  doc.NavOnePaneHTMLText = "<ul>";
  Filenew(doc, ui);
  EXPECT_TRUE(doc.MinutesTextList.empty());
  EXPECT_TRUE(doc.MinutesFileName.empty());
  EXPECT_TRUE(doc.EditorMinutesText.empty());
  EXPECT_TRUE(doc.GeneratedHTMLText.empty());
  EXPECT_TRUE(doc.NavOnePaneHTMLText.empty());
  EXPECT_EQ(doc.MinutesTextStringGrid.RowCount(), 1u);
  EXPECT_EQ(ui.caption, "Velkorin( KORVA )");
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab02Project");
}

TEST(PaneLineCount, CountsLikeAnEditor) {
  const std::pair<std::string, int> cases[] = {{"", 1},      {"a", 1},       {"a\r\nb", 2},
                                               {"a\r\n", 2}, {"a\rb\nc", 3}, {"\n\n", 3}};
  for (const auto& [text, lines] : cases) EXPECT_EQ(PaneLineCount(text), lines) << text;
}

}  // namespace
}  // namespace korva
