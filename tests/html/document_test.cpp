#include "html/document_html.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "html/placeholders.h"
#include "html_test_support.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/sjis.h"

namespace korva {
namespace {
using testing::FillTable;
using testing::RecordingUi;
using testing::TempFolder;
using testing::ToUtf8;
using Lines = std::vector<std::string>;

const std::string kTitle = "<title>【 本会議 】</title>";

Lines StandardHead(const std::string& link) {
  return {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
      "\"http://www.w3.org/TR/html4/loose.dtd\">",
      "<html>",
      "<head>",
      kTitle,
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
      "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">",
      "<link rel=\"stylesheet\" href=\"" + link +
          "\" media=\"screen,print,tv\" type=\"text/css\" title=\"default\">",
      "</head>",
      "<body>"};
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

TEST(Assembly, HeadKinds) {
  Document doc;
  doc.TitleElement = Sj(kTitle);
  const Lines include = {"<html><head>@title@</head><body>"};
  struct Case {
    int kind;
    Lines includeLines, before, want;
  };
  const std::vector<Case> cases = {
      {9, include, {"x"}, Concat({{"x"}, StandardHead("@css@")})},
      {8, include, {}, StandardHead("tryout.css")},
      {0, {}, {"x"}, Concat({{"x"}, StandardHead("@css@")})},
      {0, include, {"x"}, include},  // the include replaces what was there
      {1, include, {"x"}, Concat({{"x"}, include})},
      {2, {}, {}, StandardHead("@css@")},
      {5, include, {"x"}, {"x"}},
  };
  for (const auto& c : cases) {
    Lines list = c.before;
    EXPECT_EQ(AddHead(doc, list, c.includeLines, c.kind), 0);
    EXPECT_EQ(ToUtf8(list), c.want) << c.kind;
  }
}

TEST(Assembly, FootAndStyle) {
  struct Case {
    int kind;
    Lines want;
  };
  for (const auto& c : std::vector<Case>{{0, {"</div>", "</body>", "</html>"}},
                                         {8, {"</body>", "</html>"}},
                                         {9, {"</body>", "</html>"}},
                                         {1, {}},
                                         {2, {}}}) {
    Lines list;
    AddFoot(list, c.kind);
    EXPECT_EQ(list, c.want) << c.kind;
  }
  Lines styled;
  AddStyle(styled, {"p { color: red; }"});
  EXPECT_EQ(styled, (Lines{"<style type=\"text/css\">", "p { color: red; }", "</style>", "</body>",
                           "</html>"}));
  Lines plain;
  AddStyle(plain, {});
  EXPECT_EQ(plain, (Lines{"</body>", "</html>"}));
}

class SingleDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.BtnEditRootFolder = temp.Folder("root");
    settings.BtnEditHTMLSaveFolder = temp.Folder("html");
    settings.BtnEdit3FileFolder = temp.Folder("three");
    settings.ComboBoxHTMLFile = "r0612t1-1";
    settings.CheckBoxSaveAtBuild = true;
    doc.MinutesFileName = Sj("本会議@r0612t1-1.txt");
    doc.DocumentTitle = Sj("本会議");
    doc.TitleElement = Sj(kTitle);
    doc.MinutesTextList = {Sj("○議長（山田太郎君）　開会します。")};
    FillTable(doc, {{"2", "　開会します。￣＼", "○議長（山田太郎君）", "3", "1", ""}});
  }
  std::string Saved(const std::string& name = "r0612t1-1.html") {
    return temp.Read(std::filesystem::path("html") / name);
  }

  TempFolder temp;
  Settings settings;
  Document doc;
  RecordingUi ui;
};

const std::string kSpeakerLine =
    "<p id=\"line-0001\" class=\"%hol%firstparagraph\">○<span "
    "class=\"speaker\">議長（山田太郎君）【1】</span>　<span "
    "class=\"chairperson\">開会します。　</span></p>";

TEST_F(SingleDocumentTest, GenerationBuildsAndSavesWithoutLayoutMarker) {
  ASSERT_EQ(MenuTextMakeBodyOnlyClick(settings, doc, ui), 0);
  const Lines document = Concat({StandardHead("@css@"), {kSpeakerLine, "</body>", "</html>"}});
  EXPECT_EQ(ToUtf8(sjis::SplitLines(doc.GeneratedHTMLText)), document);
  EXPECT_TRUE(sjis::EndsWith(doc.GeneratedHTMLText, "</html>\r\n"));
  EXPECT_TRUE(sjis::Contains(doc.GeneratedHTMLText, "%hol%"));
  EXPECT_FALSE(sjis::Contains(BodyPaneText(doc), "%hol%"));

  const std::string saved = Saved();
  EXPECT_FALSE(sjis::Contains(saved, "%hol%"));
  EXPECT_FALSE(sjis::Contains(saved, "@css@"));
  EXPECT_TRUE(sjis::Contains(saved, "href=\"../css/minutes.css\""));
  EXPECT_TRUE(sjis::Contains(saved, "class=\"firstparagraph\""));
  EXPECT_EQ(saved.substr(0, 9), "<!DOCTYPE");
  EXPECT_TRUE(sjis::EndsWith(saved, "</html>\r\n"));
  EXPECT_EQ(doc.SavedDocumentPath, settings.BtnEditHTMLSaveFolder + "r0612t1-1.html");
  EXPECT_EQ(Cp932ToUtf8(ui.panels[1]), " 保存HTMLﾌｧｲﾙ【 r0612t1-1.html 】");
  EXPECT_EQ(Cp932ToUtf8(ui.caption), "KORVA[ 本会議@r0612t1-1.txt ] - [ r0612t1-1.html ]");
  EXPECT_EQ(ToUtf8(doc.SpeakerSentenceSet.Items()).size(), 1u);
}

TEST_F(SingleDocumentTest, BlankSettingsGetTheirDefaultsAtGeneration) {
  settings.ComboBoxID_Header = "  ";
  settings.ComboBoxDOC_ID = "";
  settings.CheckBoxSaveAtBuild = false;
  ASSERT_EQ(MakeHTMLBody(settings, doc, ui), 0);
  EXPECT_EQ(settings.ComboBoxID_Header, "pid-");
  EXPECT_EQ(settings.ComboBoxDOC_ID, "sentence");
  EXPECT_TRUE(sjis::Contains(doc.GeneratedHTMLText, "<p id=\"pid-0001\""));
  EXPECT_FALSE(temp.Exists("html/r0612t1-1.html"));
}

TEST_F(SingleDocumentTest, GenerationStopsWithoutMinutesOrFolders) {
  Document empty;
  EXPECT_EQ(MakeHTMLBody(settings, empty, ui), -1);
  EXPECT_EQ(ui.beeps, 1);

  settings.BtnEditHTMLSaveFolder = settings.BtnEditRootFolder + "missing/";
  EXPECT_EQ(MakeHTMLBody(settings, doc, ui), -1);
  EXPECT_EQ(ui.beeps, 2);
  EXPECT_TRUE(ui.labels.at("LabelWarningSettingFolder"));
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab02Project");
  EXPECT_TRUE(doc.GeneratedHTMLText.empty());

  settings.BtnEditRootFolder.clear();
  EXPECT_EQ(MenuTextMakeBodyOnlyClick(settings, doc, ui), -1);
  EXPECT_EQ(ui.beeps, 3);
}

TEST_F(SingleDocumentTest, FileNames) {
  struct Case {
    std::string setting, file;
  };
  for (const auto& c : std::vector<Case>{{"abc.htm", "abc.html"},
                                         {"abc", "abc.html"},
                                         {"a.b.txt", "a.b.html"},
                                         {"", "dummy.html"}}) {
    settings.ComboBoxHTMLFile = c.setting;
    doc.GeneratedHTMLText = "<html>@title@</html>";
    ASSERT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), 0) << c.setting;
    EXPECT_EQ(Saved(c.file), Sj("<html>本会議</html>")) << c.setting;
  }
  // Through the generation command the folder check names an empty file "dummy.html".
  settings.ComboBoxHTMLFile = "";
  std::filesystem::remove(temp.path() / "html" / "dummy.html");
  ASSERT_EQ(MakeHTMLBody(settings, doc, ui), 0);
  EXPECT_TRUE(temp.Exists("html/dummy.html"));
}

TEST_F(SingleDocumentTest, SaveNeedsFolderKindAndText) {
  doc.GeneratedHTMLText = "<html></html>";
  EXPECT_EQ(SaveHTML(settings, doc, ui, 0), -1);
  settings.BtnEditHTMLSaveFolder.clear();
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  settings.BtnEditHTMLSaveFolder = temp.Folder("html");
  doc.GeneratedHTMLText.clear();
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  EXPECT_FALSE(temp.Exists("html/r0612t1-1.html"));
}

TEST_F(SingleDocumentTest, Utf8SaveRewritesTheDeclaration) {
  settings.RadioGroupSaveCharSet = 1;
  ASSERT_EQ(MakeHTMLBody(settings, doc, ui), 0);
  const std::string saved = Saved();
  EXPECT_EQ(saved.substr(0, 9), "<!DOCTYPE");  // no byte-order mark
  std::string expected = Cp932ToUtf8(
      sjis::ReplaceAll(ChangeAttmark(doc.GeneratedHTMLText, settings, doc), "%hol%", ""));
  const std::string label = "charset=Shift_JIS";
  expected.replace(expected.find(label), label.size(), "charset=UTF-8");
  EXPECT_EQ(saved, expected);
  EXPECT_NE(saved.find("開会します。"), std::string::npos);
}

TEST_F(SingleDocumentTest, Utf8SaveOfUndecodableBytesKeepsTheDocumentAndWarns) {
  settings.RadioGroupSaveCharSet = 1;
  doc.GeneratedHTMLText = std::string("<p>a\x81\x7f</p>");
  ASSERT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), 0);
  EXPECT_EQ(Saved(), "<p>a\xEF\xBF\xBD\x7f</p>");
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_NE(ui.warnings[0].find("offset 4"), std::string::npos);
}

TEST_F(SingleDocumentTest, FailedWriteIsReportedAndNeverSaved) {
  // A directory where the file should go: the rename cannot replace it.
  std::filesystem::create_directories(temp.path() / "html" / "r0612t1-1.html" / "keep");
  doc.GeneratedHTMLText = "<html></html>";
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  ASSERT_EQ(ui.warnings.size(), 1u);
  const std::string warning = Cp932ToUtf8(ui.warnings[0]);
  EXPECT_EQ(warning.rfind(
                "【 " + settings.BtnEditHTMLSaveFolder + "r0612t1-1.html 】が 開けません！\r\n", 0),
            0u);
  EXPECT_GT(warning.size(), warning.find("\r\n") + 2);  // the system's reason follows
  EXPECT_TRUE(ui.panels[1].empty());
  EXPECT_TRUE(ui.caption.empty());
  EXPECT_TRUE(temp.Exists("html/r0612t1-1.html/keep"));

  settings.BtnEditHTMLSaveFolder = temp.Folder("html") + "no/such/folder/";
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  EXPECT_EQ(ui.warnings.size(), 2u);
}

TEST_F(SingleDocumentTest, TrialSaveLinksTryOutCss) {
  struct Case {
    bool sheet, bind, open;
    Lines tail;
    std::size_t informations;
  };
  const Lines end = {"</body>", "</html>"};
  const Case cases[] = {
      {true, true, true,
       Concat({{"<p class=\"a\">　x</p>", "<style type=\"text/css\">", "p { color: blue; }",
                "</style>"},
               end}),
       0},
      {false, false, false, Concat({{"<p class=\"a\">　x</p>"}, end}), 1},
  };
  for (const Case& c : cases) {
    RecordingUi u;
    settings.CheckBoxBindCSS = c.bind;
    settings.CheckBoxOpenIEatSaved = c.open;
    doc.BodyHTMLList = {Sj("<p class=\"%hol%a\">￣x＼</p>")};
    std::filesystem::remove(temp.path() / "html/tryout.css");
    if (c.sheet) temp.Write("html/tryout.css", "p { color: blue; }\r\n");
    ASSERT_EQ(MenuFileSaveOverwriteClick(settings, doc, u), 0);
    EXPECT_EQ(ToUtf8(sjis::SplitLines(Saved())), Concat({StandardHead("tryout.css"), c.tail}));
    EXPECT_EQ(u.browserOpened, c.open ? Lines{doc.SavedDocumentPath} : Lines{});
    ASSERT_EQ(u.informations.size(), c.informations);
    if (c.informations) {
      EXPECT_EQ(Cp932ToUtf8(u.informations[0]).rfind("【 tryout.css 】が\r\n\r\nフォルダー【 ", 0),
                0u);
    }
  }
}

TEST_F(SingleDocumentTest, TrialSaveNeedsABody) {
  EXPECT_EQ(SaveOverwrite(settings, doc, ui), -1);
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab08HTMLBody");
  doc.BodyHTMLList = {"<p>x</p>"};
  doc.MinutesFileName.clear();
  EXPECT_EQ(SaveOverwrite(settings, doc, ui), -1);
  EXPECT_EQ(ui.beeps, 2);
  // An unwritable trial copy is not reported as done.
  doc.MinutesFileName = "m.txt";
  settings.BtnEditHTMLSaveFolder = temp.Folder("html") + "gone/";
  EXPECT_EQ(SaveOverwrite(settings, doc, ui), -1);
}

TEST_F(SingleDocumentTest, NormalFileLayout) {
  doc.BodyHTMLList = {"<p class=\"%hol%x\">body</p>"};
  doc.NavHTMLList = {"<a>nav</a>"};
  StringList page;
  ListAppend sink(page);
  MakeNormalFile(settings, doc, kHeadLocal, sink);
  const Lines out = ToUtf8(page);
  auto at = [&](const std::string& line) {
    return std::find(out.begin(), out.end(), line) - out.begin();
  };
  EXPECT_EQ(at("<p class=\"x\">body</p>"), at("<div id=\"minutescontents-normal\">") + 1);
  EXPECT_EQ(at("<a>nav</a>"), at("<div class=\"lf-main\">") + 1);
  EXPECT_LT(at("<div id=\"minutescontents-normal-right-nav\">"), at("</div><!-- right-nav -->"));
  EXPECT_EQ(Lines(out.end() - 5, out.end()),
            (Lines{"</div><!-- // lf-main -->", "</div><!-- // leftnormallink -->",
                   "</div><!-- wrapper -->", "</body>", "</html>"}));
  settings.CheckBoxBindCSS = true;
  doc.LocalCSSList = {"a {}"};
  StringList bound;
  ListAppend boundSink(bound);
  MakeNormalFile(settings, doc, kHeadLocal, boundSink);
  EXPECT_EQ(Lines(bound.end() - 5, bound.end()),
            (Lines{"<style type=\"text/css\">", "a {}", "</style>", "</body>", "</html>"}));
}

TEST_F(SingleDocumentTest, SaveAsWritesThePaneLines) {
  const std::string path = FromFsPath(temp.path() / "copy.txt");
  ui.chosenPaths = {path, std::nullopt};
  EXPECT_EQ(MenuFileSaveAsClick(ui, {"a", Sj("表示")}), 0);
  EXPECT_EQ(temp.Read("copy.txt"), "a\r\n" + Sj("表示") + "\r\n");
  EXPECT_EQ(ui.panels[1], Sj(" 保存：[ ") + path + " ]");
  EXPECT_EQ(MenuFileSaveAsClick(ui, {"b"}), -1);
  EXPECT_EQ(temp.Read("copy.txt"), "a\r\n" + Sj("表示") + "\r\n");
}

}  // namespace
}  // namespace korva
