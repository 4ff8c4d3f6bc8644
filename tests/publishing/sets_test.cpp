#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "publishing/link_check.h"
#include "publishing/local_set.h"
#include "publishing/nav_file.h"
#include "publishing/web_set.h"
#include "support/recording_ui.h"
#include "temp_folder.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using namespace literals;
using testing::RecordingUi;
using testing::TempFolder;

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = sjis::Find(text, word, at)) != sjis::npos; at += word.size()) ++n;
  return n;
}

// A converted body and its navigation entries, as the analysis and the body
// conversion leave them.
class SetsTest : public ::testing::Test {
 protected:
  TempFolder temp;
  Settings settings;
  Document doc;
  RecordingUi ui;

  void SetUp() override {
    settings.BtnEditRootFolder = temp.Folder("root");
    settings.BtnEditHTMLSaveFolder = temp.Folder("root/html");
    settings.BtnEdit3FileFolder = temp.Folder("root/three");
    settings.BtnEditWebHTMLFolder = temp.Folder("root/web");
    settings.ComboBoxHTMLFile = "h2612t4-1";
    settings.BtnEditLocalCSSFile = "css/minutes.css";
    settings.LabelLocalCSSbsoluteRelativePath = settings.BtnEdit3FileFolder + "css/minutes.css";
    settings.CheckBoxOpenIEatSaved = false;
    temp.Write("root/three/css/minutes.css", "p { color: black; }\n");

    doc.MinutesFileName = "本会議＠@h2612t4-1.txt"_sj;
    doc.DocumentTitle = "本会議"_sj;
    doc.MinutesTextList = {"x"};
    doc.SpeakerNavEntryList = {"開議/0002"_sj, "○議長（甲君）%3/0003"_sj, "◎市長（丙君）%1/0005"_sj,
                               "◆議員（乙君）%5/0007"_sj, "▽質疑/0009"_sj};
    doc.BodyHTMLList = {
        "",
        "<h4 id=\"line-0002\" class=\"%hol%subject\">▼開議</h4>"_sj,
        "<p id=\"line-0003\" class=\"%hol%firstparagraph\">○<span class=\"speaker\">議長（甲君）"
        "【1】</span>　<span class=\"chairperson\">開きます。￣終わり＼</span></p>"_sj,
        "<p id=\"line-0005\" class=\"%hol%firstparagraph\">◎<span class=\"speaker\">市長（丙君）"
        "【2】</span>　<span class=\"mayor\">答えます。</span><br>"_sj,
        "<a id=\"line-0006\"></a>　<span class=\"mayor\">続き。</span></p>"_sj,
        "<p id=\"line-0007\" class=\"%hol%firstparagraph\">◆<span class=\"speaker\">議員（乙君）"
        "【3】</span>　<span class=\"member\">問います。</span></p>"_sj,
        "",
        "<h4 id=\"line-0009\" class=\"%hol%subject\">▽質疑</h4>"_sj,
    };
  }

  std::string Three(const std::string& name) { return temp.Read("root/three/" + name); }
  std::string Web(const std::string& name) { return temp.Read("root/web/" + name); }

  std::map<std::string, std::string> LocalFiles(const std::string& base) {
    return {{base + "-n.html", Three(base + "-n.html")},
            {base + "-v.html", Three(base + "-v.html")},
            {base + "-h.html", Three(base + "-h.html")}};
  }
};

TEST_F(SetsTest, LocalSetLinksResolveInEveryFile) {
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0) << ui.calls.size();
  const auto files = LocalFiles("h2612t4-1");
  for (const auto& [name, text] : files) {
    ASSERT_FALSE(text.empty()) << name;
    for (const LinkProblem& p : FindBrokenLinks(files)) ADD_FAILURE() << p.file << " " << p.href;
    // The files link to each other by bare name.
    EXPECT_NE(text.find("href=\"h2612t4-1-n.html\""), std::string::npos) << name;
    EXPECT_NE(text.find("href=\"h2612t4-1-v.html\""), std::string::npos) << name;
    EXPECT_NE(text.find("href=\"h2612t4-1-h.html\""), std::string::npos) << name;
    // Nothing of the program's own mark-up reaches a saved file.
    for (const std::string leftover : {"%hol%", "@css@", "@n-html@", "@home@", "@t-caption@"}) {
      EXPECT_EQ(text.find(leftover), std::string::npos) << name << " " << leftover;
    }
    EXPECT_EQ(Count(text, "￣"_sj) + Count(text, "＼"_sj), 0u) << name;
    EXPECT_NE(text.find("href=\"css/minutes.css\""), std::string::npos) << name;
  }
  EXPECT_EQ(Count(files.at("h2612t4-1-v.html"), "class=\"v2pane-firstparagraph\""), 6u);
  EXPECT_EQ(Count(files.at("h2612t4-1-h.html"), "class=\"h2pane-subject\""), 4u);
  EXPECT_NE(files.at("h2612t4-1-n.html").find("class=\"firstparagraph\""), std::string::npos);
  EXPECT_EQ(doc.NormalFileName, "h2612t4-1-n.html");
  EXPECT_EQ(ui.pagesShown.back(), "PGLeftTab03LocalSetting");
}

TEST_F(SetsTest, TwoPaneLinksLandInTheirPane) {
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  struct Case {
    std::string file, firstOpen, firstClose, secondOpen, secondClose;
  };
  const Case cases[] = {
      {"h2612t4-1-v.html", "<div id=\"minutescontents-top\">",
       "</div><!-- //div id=\"minutescontents-top\"  -->", "<div id=\"minutescontents-bottom\">",
       "</div><!-- minutescontents-bottom -->"},
      {"h2612t4-1-h.html", "<div id=\"minutescontents-left\">",
       "</div><!-- //div id=\"minutescontents-left\"  -->", "<div id=\"minutescontents-right\">",
       "</div><!-- minutescontents-right -->"},
  };
  for (const Case& c : cases) {
    const std::string text = Three(c.file);
    const std::size_t a = text.find(c.firstOpen), b = text.find(c.firstClose);
    const std::size_t d = text.find(c.secondOpen), e = text.find(c.secondClose);
    ASSERT_TRUE(a < b && b < d && d < e) << c.file;
    for (const std::string& href : ExtractAttributeValues(text, "href")) {
      if (href.rfind("#lt-", 0) != 0 && href.rfind("#rb-", 0) != 0) continue;
      const std::size_t target = text.find("id=\"" + href.substr(1) + "\"");
      ASSERT_NE(target, std::string::npos) << href;
      if (href.rfind("#lt-", 0) == 0) {
        EXPECT_TRUE(a < target && target < b) << c.file << " " << href;
      } else {
        EXPECT_TRUE(d < target && target < e) << c.file << " " << href;
      }
    }
  }
}

TEST_F(SetsTest, CategoryDecidesThePaneOfASpeakerLink) {
  settings.CheckBoxLeftLinkDuplicate = false;
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  const std::string v = Three("h2612t4-1-v.html");
  // Agenda items and the chair (3), committee chair (4) and members (5) go to
  // the first pane; everyone else to the second.
  EXPECT_EQ(Count(v, "href=\"#lt-line-0002\""), 1u);
  EXPECT_EQ(Count(v, "href=\"#lt-line-0003\""), 1u);
  EXPECT_EQ(Count(v, "href=\"#rb-line-0005\""), 1u);
  EXPECT_EQ(Count(v, "href=\"#lt-line-0007\""), 1u);
  EXPECT_EQ(Count(v, "href=\"#rb-line-"), 1u);
  EXPECT_EQ(Count(Three("h2612t4-1-n.html"), "href=\"#line-0005\""), 1u);
}

TEST_F(SetsTest, DuplicateLeftLinksListEveryLineTwiceButHeadAndEnd) {
  for (bool duplicate : {false, true}) {
    settings.CheckBoxLeftLinkDuplicate = duplicate;
    ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
    const std::string v = Three("h2612t4-1-v.html");
    const std::size_t twice = duplicate ? 2 : 1;
    EXPECT_EQ(Count(v, "<a id=\"lf-top\">"), 1u);
    EXPECT_EQ(Count(v, "<a id=\"lf-bottom\""), 1u);
    EXPECT_EQ(Count(v, "<pre class=\"leftnav\">"), twice);
    EXPECT_EQ(Count(v, "<a href=\"#lf-bottom\">"), 1u);  // it names "lf-bottom" too
    EXPECT_EQ(Count(v, "line-0005\"><span class=\"mayor\">"), twice);
    EXPECT_EQ(Count(v, "href=\"#lt-line-0005\""), duplicate ? 1u : 0u);
    EXPECT_EQ(Count(v, "href=\"#rb-line-0005\""), 1u);
    // The copy carries no number and no agenda mark.
    EXPECT_EQ(Count(v, "2.&nbsp;"), 1u);
    EXPECT_EQ(Count(v, "&nbsp;&nbsp;　　<a href=\"#rb-line-0002\">"_sj), duplicate ? 1u : 0u);
  }
}

TEST_F(SetsTest, EmptyFileNameGivesTheDummySet) {
  settings.ComboBoxHTMLFile = "";
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const std::string name : {"dummy-n.html", "dummy-v.html", "dummy-h.html"}) {
    EXPECT_TRUE(temp.Exists("root/three/" + name)) << name;
  }
  EXPECT_TRUE(FindBrokenLinks(LocalFiles("dummy")).empty());
}

TEST_F(SetsTest, TopFrameIncludeReplacesTheDefaultInAllThreeFiles) {
  doc.LocalTopFrameIncludeList = {
      "<div id=\"own-frame\"><a href=\"@v-html@\">@T-CAPTION@</a></div>"};
  settings.BtnEditLocalTopFrameCaption = "定例会"_sj;
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const auto& [name, text] : LocalFiles("h2612t4-1")) {
    EXPECT_EQ(Count(text, "<div id=\"tf\">"), 0u) << name;
    EXPECT_EQ(Count(text, "<div id=\"own-frame\"><a href=\"h2612t4-1-v.html\">定例会</a></div>"_sj),
              1u)
        << name;
  }
}

TEST_F(SetsTest, DomainIsReplacedLastOnTheWebAndKeptLocally) {
  settings.BtnEditWebDomain = "https://gikai.example.jp/";
  settings.BtnEditWebReturn2Home = "@domain@index.html";
  settings.BtnEditWebCSSFile = "@domain@common/css/minutes.css";
  settings.BtnEditLocalReturn2Home = "@domain@index.html";
  settings.ComboBoxWebHTMLFile = "h2612t4-1.html";
  ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const std::string ending : {"-n.html", "-v.html", "-h.html"}) {
    const std::string web = Web("h2612t4-1" + ending);
    EXPECT_EQ(Count(web, "href=\"https://gikai.example.jp/index.html\""), 1u) << ending;
    EXPECT_EQ(Count(web, "href=\"https://gikai.example.jp/common/css/minutes.css\""), 1u);
    EXPECT_EQ(Count(web, "@domain@"), 0u);
    EXPECT_EQ(Count(Three("h2612t4-1" + ending), "href=\"@domain@index.html\""), 1u) << ending;
  }
  std::map<std::string, std::string> webFiles;
  for (const std::string ending : {"-n.html", "-v.html", "-h.html"}) {
    webFiles["h2612t4-1" + ending] = Web("h2612t4-1" + ending);
  }
  EXPECT_TRUE(FindBrokenLinks(webFiles).empty());
}

TEST_F(SetsTest, WebSetNeedsItsFolderAndABody) {
  struct Case {
    const char* what;
    std::string folder;
    bool body;
    std::string page;
  };
  const Case cases[] = {
      {"unset folder", "", true, "PGLeftTab05WebHEAD"},
      {"missing folder", settings.BtnEditWebHTMLFolder + "gone/", true, "PGLeftTab05WebHEAD"},
      {"no body", settings.BtnEditWebHTMLFolder, false, "PGLeftTab08HTMLBody"},
  };
  for (const Case& c : cases) {
    Settings s = settings;
    Document d = doc;
    RecordingUi u;
    s.BtnEditWebHTMLFolder = c.folder;
    if (!c.body) d.BodyHTMLList.clear();
    EXPECT_EQ(tbMakeWebHTMLClick(s, d, u), -1) << c.what;
    EXPECT_EQ(u.beeps, 1) << c.what;
    EXPECT_EQ(u.pagesShown.back(), c.page) << c.what;
    EXPECT_TRUE(std::filesystem::is_empty(temp.path() / "root/web")) << c.what;
  }
}

TEST_F(SetsTest, WebFilesAreReportedByName) {
  settings.ComboBoxWebHTMLFile = "h2612t4-1";
  ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
  EXPECT_EQ(ui.panels[1], "  【  h2612t4-1-h.html  】として保存されました"_sj);
  EXPECT_EQ(ui.caption, "KORVA[ "_sj + doc.MinutesFileName + " ] - [ h2612t4-1-h.html ]");
}

TEST_F(SetsTest, EmptyWebFileNameGivesTheDummySet) {
  settings.ComboBoxWebHTMLFile = "";
  ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
  EXPECT_EQ(settings.ComboBoxWebHTMLFile, "dummy");
  for (const std::string name : {"dummy-n.html", "dummy-v.html", "dummy-h.html"}) {
    EXPECT_TRUE(temp.Exists("root/web/" + name)) << name;
  }
}

TEST_F(SetsTest, BoundStyleSheetIsTheCheckedFile) {
  settings.CheckBoxBindCSS = true;
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const auto& [name, text] : LocalFiles("h2612t4-1")) {
    EXPECT_NE(text.find("<style type=\"text/css\">\r\np { color: black; }\r\n</style>\r\n</body>"),
              std::string::npos)
        << name;
  }
}

TEST_F(SetsTest, MissingPiecesStopWithNothingWritten) {
  struct Case {
    const char* what;
    void (*spoil)(Settings&, Document&);
    bool beep;
    std::size_t informations;
  };
  const Case cases[] = {
      {"no minutes", [](Settings&, Document& d) { d.MinutesTextList.clear(); }, true, 0},
      {"no root", [](Settings& s, Document&) { s.BtnEditRootFolder.clear(); }, true, 0},
      {"missing three-file folder", [](Settings& s, Document&) { s.BtnEdit3FileFolder += "gone/"; },
       true, 0},
      {"no style sheet setting", [](Settings& s, Document&) { s.BtnEditLocalCSSFile.clear(); },
       false, 0},
      {"missing style sheet",
       [](Settings& s, Document&) { s.LabelLocalCSSbsoluteRelativePath += ".old"; }, false, 1},
      {"no body", [](Settings&, Document& d) { d.BodyHTMLList.clear(); }, true, 0},
  };
  for (const Case& c : cases) {
    Settings s = settings;
    Document d = doc;
    RecordingUi u;
    c.spoil(s, d);
    EXPECT_EQ(tbBuildTwoPaneClick(s, d, u), -1) << c.what;
    EXPECT_EQ(u.beeps > 0, c.beep) << c.what;
    EXPECT_EQ(u.informations.size(), c.informations) << c.what;
    EXPECT_FALSE(temp.Exists("root/three/h2612t4-1-n.html")) << c.what;
  }
}

TEST_F(SetsTest, FailedWriteIsReportedNotSaved) {
  // A folder in the way of the vertical file makes its write fail, even as root.
  std::filesystem::create_directories(temp.path() / "root/three/h2612t4-1-v.html");
  EXPECT_EQ(tbBuildTwoPaneClick(settings, doc, ui), -1);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_NE(ui.warnings[0].find("h2612t4-1-v.html"), std::string::npos);
  EXPECT_EQ(ui.panels[1].find("h2612t4-1-v.html"), std::string::npos);
  // No temporary file is left behind beside the others.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(temp.path() / "root/three")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"css", "h2612t4-1-h.html", "h2612t4-1-n.html",
                                             "h2612t4-1-v.html"}));
}

TEST_F(SetsTest, NormalCommandNeedsABody) {
  doc.BodyHTMLList.clear();
  EXPECT_EQ(MenuTextMakeNormalClick(settings, doc, ui), -1);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(ui.pagesShown, std::vector<std::string>{"PGLeftTab08HTMLBody"});
  EXPECT_FALSE(temp.Exists("root/three/h2612t4-1-n.html"));
}

TEST_F(SetsTest, NormalCommandWithoutItsFolderShowsTheWarning) {
  settings.BtnEdit3FileFolder.clear();
  EXPECT_EQ(MenuTextMakeNormalClick(settings, doc, ui), -1);
  EXPECT_TRUE(ui.labels["LabelWarningSettingFolder"]);
  EXPECT_EQ(ui.beeps, 1);
  // Nothing lands in the working directory for want of a folder.
  EXPECT_FALSE(std::filesystem::exists("h2612t4-1-n.html"));
}

TEST_F(SetsTest, NormalCommandWritesOnlyTheNormalFile) {
  ASSERT_EQ(MenuTextMakeNormalClick(settings, doc, ui), 0);
  EXPECT_TRUE(temp.Exists("root/three/h2612t4-1-n.html"));
  EXPECT_FALSE(temp.Exists("root/three/h2612t4-1-v.html"));
  const std::string n = Three("h2612t4-1-n.html");
  EXPECT_NE(n.find("<div id=\"minutescontents-normal-right-nav\">"), std::string::npos);
  EXPECT_NE(n.find("<pre class=\"leftnav\">"), std::string::npos);
}

TEST_F(SetsTest, NavigationFileLinksIntoTheSingleDocument) {
  doc.MinutesTextStringGrid.Resize(9);
  doc.MinutesTextStringGrid.Row(1).LineKind = "1";
  settings.ComboBoxHTMLFile = "h2612t4-1.html";
  ASSERT_EQ(MenuTextMakeNAVOnePaneClick(settings, doc, ui), 0);
  const std::string nav = temp.Read("root/html/h2612t4-1-nav.html");
  EXPECT_EQ(doc.SavedHTMLPath, settings.BtnEditHTMLSaveFolder + "h2612t4-1-nav.html");
  EXPECT_NE(nav.find("<a href=\"h2612t4-1.html#line-0005\">"), std::string::npos);
  EXPECT_NE(nav.find("<a href=\"#lf-bottom\">"), std::string::npos);
  EXPECT_EQ(nav.find("@css@"), std::string::npos);
  EXPECT_TRUE(FindBrokenLinks({{"h2612t4-1-nav.html", nav}}).empty());
  EXPECT_TRUE(sjis::StartsWith(nav, "<!DOCTYPE HTML PUBLIC"));
  EXPECT_TRUE(sjis::EndsWith(nav, "</pre>\r\n</body>\r\n</html>\r\n"));
}

TEST_F(SetsTest, NavigationFileNeedsEntriesAndFolders) {
  doc.MinutesTextStringGrid.Resize(9);
  doc.MinutesTextStringGrid.Row(1).LineKind = "1";
  Settings noFolder = settings;
  noFolder.BtnEditHTMLSaveFolder.clear();
  EXPECT_EQ(MenuTextMakeNAVOnePaneClick(noFolder, doc, ui), -1);
  doc.SpeakerNavEntryList.clear();
  EXPECT_EQ(MenuTextMakeNAVOnePaneClick(settings, doc, ui), -1);
  EXPECT_TRUE(std::filesystem::is_empty(temp.path() / "root/html"));
}

}  // namespace
}  // namespace korva
