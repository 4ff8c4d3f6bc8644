#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "publishing/folder_checks.h"
#include "publishing/link_check.h"
#include "publishing/local_set.h"
#include "publishing/nav_file.h"
#include "publishing/web_set.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using namespace literals;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::RecordingUi;
using testing::TempFolder;
using Command = int (*)(Settings&, Document&, Ui&);

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
    settings.ComboBoxHTMLFile = settings.ComboBoxWebHTMLFile = "h2612t4-1";
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
  std::map<std::string, std::string> Set(const std::string& folder, const std::string& base) {
    std::map<std::string, std::string> files;
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      files[base + ending] = temp.Read("root/" + folder + "/" + base + ending);
    }
    return files;
  }
  std::size_t FilesWritten() {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(temp.path() / "root")) {
      n += e.is_regular_file();
    }
    return n - 1;  // the style sheet
  }
};

TEST_F(SetsTest, EverySetIsCompleteAndItsLinksResolve) {
  struct Case {
    Command command;
    std::string folder, fileName, base, css;
  };
  const Case cases[] = {
      {tbBuildTwoPaneClick, "three", "h2612t4-1", "h2612t4-1", "css/minutes.css"},
      {tbBuildTwoPaneClick, "three", "", "dummy", "css/minutes.css"},
      {tbMakeWebHTMLClick, "web", "h2612t4-1.html", "h2612t4-1", "../css/minutes.css"},
      {tbMakeWebHTMLClick, "web", "", "dummy", "../css/minutes.css"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + " '" + c.fileName + "'");
    Settings s = settings;
    s.ComboBoxHTMLFile = s.ComboBoxWebHTMLFile = c.fileName;
    ASSERT_EQ(c.command(s, doc, ui), 0);
    if (c.command == tbMakeWebHTMLClick && c.fileName.empty()) {
      EXPECT_EQ(s.ComboBoxWebHTMLFile, "dummy");
    }
    const auto files = Set(c.folder, c.base);
    for (const LinkProblem& p : FindBrokenLinks(files)) ADD_FAILURE() << p.file << " " << p.href;
    for (const auto& [name, text] : files) {
      SCOPED_TRACE(name);
      ASSERT_FALSE(text.empty());
      // The files link to each other by bare name.
      for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
        EXPECT_THAT(text, HasSubstr("href=\"" + c.base + ending + "\"")) << ending;
      }
      // Nothing of the program's own mark-up reaches a saved file.
      for (const std::string leftover : {"%hol%", "@css@", "@n-html@", "@home@", "@t-caption@"}) {
        EXPECT_THAT(text, Not(HasSubstr(leftover))) << leftover;
      }
      EXPECT_EQ(Count(text, "￣"_sj) + Count(text, "＼"_sj), 0u);
      EXPECT_THAT(text, HasSubstr("href=\"" + c.css + "\""));
    }
    EXPECT_EQ(Count(files.at(c.base + "-v.html"), "class=\"v2pane-firstparagraph\""), 6u);
    EXPECT_EQ(Count(files.at(c.base + "-h.html"), "class=\"h2pane-subject\""), 4u);
    EXPECT_THAT(files.at(c.base + "-n.html"), HasSubstr("class=\"firstparagraph\""));
  }
  EXPECT_EQ(doc.NormalFileName, "dummy-n.html");
}

TEST_F(SetsTest, TwoPaneLinksLandInTheirPane) {
  settings.CheckBoxLeftLinkDuplicate = false;
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
    std::size_t links[2] = {0, 0};
    for (const std::string& href : ExtractAttributeValues(text, "href")) {
      const bool first = href.rfind("#lt-", 0) == 0;
      if (!first && href.rfind("#rb-", 0) != 0) continue;
      ++links[first ? 0 : 1];
      const std::size_t target = text.find("id=\"" + href.substr(1) + "\"");
      EXPECT_TRUE(first ? a < target && target < b : d < target && target < e)
          << c.file << " " << href;
    }
    // Agenda items, chair and member to the first pane, the mayor to the second.
    EXPECT_EQ(links[0], 4u) << c.file;
    EXPECT_EQ(links[1], 1u) << c.file;
  }
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
    EXPECT_EQ(Count(v, "line-0005\"><span class=\"mayor\">"), twice);
    EXPECT_EQ(Count(v, "href=\"#rb-line-0005\""), 1u);
    EXPECT_EQ(Count(v, "2.&nbsp;"), 1u);  // the copy carries no number
  }
}

TEST_F(SetsTest, TopFrameIncludeReplacesTheDefaultInAllThreeFiles) {
  doc.LocalTopFrameIncludeList = {
      "<div id=\"own-frame\"><a href=\"@v-html@\">@T-CAPTION@</a></div>"};
  settings.BtnEditLocalTopFrameCaption = "定例会"_sj;
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const auto& [name, text] : Set("three", "h2612t4-1")) {
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
  // A body line of the clerk's own mark-up may use the placeholder too.
  doc.BodyHTMLList.push_back("<a href=\"@domain@map.html\">地図</a>"_sj);
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
  for (const std::string ending : {"-n.html", "-v.html", "-h.html"}) {
    const std::size_t panes = ending == "-n.html" ? 1 : 2;
    const std::string web = temp.Read("root/web/h2612t4-1" + ending);
    // In the body, written once per pane, the domain is filled in by both sets.
    EXPECT_EQ(Count(web, "href=\"https://gikai.example.jp/map.html\""), panes) << ending;
    EXPECT_EQ(Count(Three("h2612t4-1" + ending), "href=\"https://gikai.example.jp/map.html\""),
              panes)
        << ending;
    EXPECT_EQ(Count(web, "href=\"https://gikai.example.jp/index.html\""), 1u) << ending;
    EXPECT_EQ(Count(web, "href=\"https://gikai.example.jp/common/css/minutes.css\""), 1u);
    EXPECT_EQ(Count(web, "@domain@"), 0u);
    EXPECT_EQ(Count(Three("h2612t4-1" + ending), "href=\"@domain@index.html\""), 1u) << ending;
  }
  EXPECT_EQ(ui.panels[1], "  【  h2612t4-1-h.html  】として保存されました"_sj);
  EXPECT_EQ(ui.caption, "KORVA[ "_sj + doc.MinutesFileName + " ] - [ h2612t4-1-h.html ]");
}

TEST_F(SetsTest, BoundStyleSheetIsTheCheckedFile) {
  settings.CheckBoxBindCSS = true;
  ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
  for (const auto& [name, text] : Set("three", "h2612t4-1")) {
    EXPECT_THAT(
        text, HasSubstr("<style type=\"text/css\">\r\np { color: black; }\r\n</style>\r\n</body>"))
        << name;
  }
}

TEST_F(SetsTest, MissingPiecesStopWithNothingWritten) {
  struct Case {
    const char* what;
    Command command;
    void (*spoil)(Settings&, Document&);
    bool beep;
    std::size_t informations;
    std::string page, label;
  };
  const Case cases[] = {
      {"local: no minutes", tbBuildTwoPaneClick,
       [](Settings&, Document& d) { d.MinutesTextList.clear(); }, true, 0, "", ""},
      {"local: no root", tbBuildTwoPaneClick,
       [](Settings& s, Document&) { s.BtnEditRootFolder.clear(); }, true, 0, "PGLeftTab02Project",
       kFolderWarningLabel},
      {"local: missing folder", tbBuildTwoPaneClick,
       [](Settings& s, Document&) { s.BtnEdit3FileFolder += "gone/"; }, true, 0, "",
       kFolderWarningLabel},
      {"local: no style sheet setting", tbBuildTwoPaneClick,
       [](Settings& s, Document&) { s.BtnEditLocalCSSFile.clear(); }, false, 0, "", ""},
      {"local: missing style sheet", tbBuildTwoPaneClick,
       [](Settings& s, Document&) { s.LabelLocalCSSbsoluteRelativePath += ".old"; }, false, 1, "",
       ""},
      {"local: no body", tbBuildTwoPaneClick,
       [](Settings&, Document& d) { d.BodyHTMLList.clear(); }, true, 0, "", ""},
      {"web: unset folder", tbMakeWebHTMLClick,
       [](Settings& s, Document&) { s.BtnEditWebHTMLFolder.clear(); }, true, 0,
       "PGLeftTab05WebHEAD", kWebFolderWarningLabel},
      {"web: missing folder", tbMakeWebHTMLClick,
       [](Settings& s, Document&) { s.BtnEditWebHTMLFolder += "gone/"; }, true, 0,
       "PGLeftTab05WebHEAD", kWebFolderWarningLabel},
      {"web: no body", tbMakeWebHTMLClick, [](Settings&, Document& d) { d.BodyHTMLList.clear(); },
       true, 0, "PGLeftTab08HTMLBody", ""},
      {"normal: no body", MenuTextMakeNormalClick,
       [](Settings&, Document& d) { d.BodyHTMLList.clear(); }, true, 0, "PGLeftTab08HTMLBody", ""},
      {"normal: no folder", MenuTextMakeNormalClick,
       [](Settings& s, Document&) { s.BtnEdit3FileFolder.clear(); }, true, 0, "",
       kFolderWarningLabel},
      {"nav: no folder", MenuTextMakeNAVOnePaneClick,
       [](Settings& s, Document&) { s.BtnEditHTMLSaveFolder.clear(); }, true, 0, "",
       kFolderWarningLabel},
      {"nav: no entries", MenuTextMakeNAVOnePaneClick,
       [](Settings&, Document& d) { d.SpeakerNavEntryList.clear(); }, true, 0, "", ""},
  };
  doc.MinutesTextStringGrid.Resize(9);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Settings s = settings;
    Document d = doc;
    RecordingUi u;
    c.spoil(s, d);
    EXPECT_EQ(c.command(s, d, u), -1);
    EXPECT_EQ(u.beeps > 0, c.beep);
    EXPECT_EQ(u.informations.size(), c.informations);
    if (!c.page.empty()) {
      EXPECT_EQ(u.pagesShown.back(), c.page);
    }
    if (!c.label.empty()) {
      EXPECT_TRUE(u.labels[c.label]);
    }
    EXPECT_EQ(FilesWritten(), 0u);
  }
  // Nothing lands in the working directory for want of a folder.
  EXPECT_FALSE(std::filesystem::exists("h2612t4-1-n.html"));
}

TEST_F(SetsTest, FailedWriteLeavesTheWholeOldSetAndIsReportedNotSaved) {
  // A folder in the way of the vertical file makes its write fail, even as root.
  std::filesystem::create_directories(temp.path() / "root/three/h2612t4-1-v.html");
  temp.Write("root/three/h2612t4-1-n.html", "old normal");
  temp.Write("root/three/h2612t4-1-h.html", "old horizontal");
  EXPECT_EQ(tbBuildTwoPaneClick(settings, doc, ui), -1);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_THAT(ui.warnings[0], HasSubstr("h2612t4-1-v.html"));
  // No file of the set stands reported as saved, and none was replaced.
  EXPECT_EQ(ui.panels[1], "");
  EXPECT_EQ(temp.Read("root/three/h2612t4-1-n.html"), "old normal");
  EXPECT_EQ(temp.Read("root/three/h2612t4-1-h.html"), "old horizontal");
  // No temporary file is left behind beside the others.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(temp.path() / "root/three")) {
    names.push_back(Utf8FromPath(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"css", "h2612t4-1-h.html", "h2612t4-1-n.html",
                                             "h2612t4-1-v.html"}));
}

TEST_F(SetsTest, RepeatedRunsWriteOnlyTheCurrentBody) {
  // The file lists are refilled in place: a shorter body must not leave the
  // longer body's lines behind, in either character set.
  for (const int charSet : {0, 1}) {
    SCOPED_TRACE(charSet);
    settings.RadioGroupSaveCharSet = charSet;
    SetUp();
    ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
    ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
    doc.BodyHTMLList.resize(3);
    ASSERT_EQ(tbBuildTwoPaneClick(settings, doc, ui), 0);
    ASSERT_EQ(tbMakeWebHTMLClick(settings, doc, ui), 0);
    for (const char* folder : {"three", "web"}) {
      for (const auto& [name, text] : Set(folder, "h2612t4-1")) {
        SCOPED_TRACE(name);
        // The navigation list still links to line 7; only the body lost it.
        EXPECT_THAT(text, Not(HasSubstr("line-0007\" class")));
        EXPECT_THAT(text, HasSubstr("line-0003\" class"));
        EXPECT_TRUE(sjis::EndsWith(text, "</html>\r\n"));
        EXPECT_EQ(Count(text, "</html>"), 1u);
        const std::string label = charSet == 1 ? "charset=UTF-8" : "charset=Shift_JIS";
        EXPECT_THAT(text, HasSubstr(label));
        // This source is UTF-8: its text is found in the UTF-8 files alone.
        EXPECT_EQ(text.find("開きます") != std::string::npos, charSet == 1);
      }
    }
  }
}

TEST_F(SetsTest, NormalCommandWritesOnlyTheNormalFile) {
  ASSERT_EQ(MenuTextMakeNormalClick(settings, doc, ui), 0);
  EXPECT_FALSE(temp.Exists("root/three/h2612t4-1-v.html"));
  const std::string n = Three("h2612t4-1-n.html");
  EXPECT_THAT(n, HasSubstr("<div id=\"minutescontents-normal-right-nav\">"));
  EXPECT_THAT(n, HasSubstr("<pre class=\"leftnav\">"));
}

TEST_F(SetsTest, NavigationFileLinksIntoTheSingleDocument) {
  doc.MinutesTextStringGrid.Resize(9);
  settings.ComboBoxHTMLFile = "h2612t4-1.html";
  ASSERT_EQ(MenuTextMakeNAVOnePaneClick(settings, doc, ui), 0);
  const std::string nav = temp.Read("root/html/h2612t4-1-nav.html");
  EXPECT_EQ(doc.SavedHTMLPath, settings.BtnEditHTMLSaveFolder + "h2612t4-1-nav.html");
  EXPECT_THAT(nav, HasSubstr("<a href=\"h2612t4-1.html#line-0005\">"));
  EXPECT_THAT(nav, Not(HasSubstr("@css@")));
  EXPECT_TRUE(FindBrokenLinks({{"h2612t4-1-nav.html", nav}}).empty());
  EXPECT_TRUE(sjis::StartsWith(nav, "<!DOCTYPE HTML PUBLIC"));
  EXPECT_TRUE(sjis::EndsWith(nav, "</pre>\r\n</body>\r\n</html>\r\n"));
}

}  // namespace
}  // namespace korva
