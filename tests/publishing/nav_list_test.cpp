#include "publishing/nav_list.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

std::string Nbsp(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "&nbsp;";
  return s;
}

TEST(NavEntryLine, NumberColumnPadsToFourPositions) {
  struct Case {
    int number;
    std::string column;
  };
  const Case cases[] = {
      {7, Nbsp(5) + "7.&nbsp;"},
      {42, Nbsp(4) + "42.&nbsp;"},
      {1234, Nbsp(2) + "1234.&nbsp;"},
      {12345, Nbsp(2) + "12345.&nbsp;"},
  };
  for (const Case& c : cases) {
    Settings settings;
    const std::string line = GetNavSubSpeakerMarkAndLink(settings, "A%3/0001", 0, c.number);
    EXPECT_EQ(line.substr(0, line.find("○"_sj)), c.column) << c.number;
  }
}

TEST(NavEntryLine, PrefixAndClassPerCategoryInBothModes) {
  struct Case {
    std::string code;
    int meetingCategory;
    std::string twoPanePrefix, className, mark;
  };
  const Case cases[] = {
      {"1", 0, "rb-", "mayor", "◎"_sj},          {"2", 0, "rb-", "vice-", "∇"_sj},
      {"2", 1, "rb-", "minister", "∇"_sj},       {"3", 0, "lt-", "chairperson", "○"_sj},
      {"4", 0, "lt-", "committeechair", "□"_sj}, {"5", 0, "lt-", "member", "◆"_sj},
      {"6", 0, "rb-", "auditor", "★"_sj},        {"7", 0, "rb-", "officer", "◇"_sj},
      {"8", 0, "rb-", "aide", "☆"_sj},           {"9", 0, "rb-", "witness", "△"_sj},
      {"10", 0, "rb-", "auditor", "★"_sj},       {"11", 0, "rb-", "citizen", "※"_sj},
      {"12", 0, "rb-", "publicspeaker", "▲"_sj}, {"13", 0, "rb-", "subject", "▼"_sj},
      {"14", 0, "rb-", "subcomp", "▽"_sj},
  };
  for (const Case& c : cases) {
    for (int mode : {0, 1}) {
      Settings settings;
      settings.RadioGroupCategory = c.meetingCategory;
      const std::string entry = "名前"_sj + "%" + c.code + "/0012";
      const std::string prefix = mode == 1 ? c.twoPanePrefix : "";
      EXPECT_EQ(GetNavSubSpeakerMarkAndLink(settings, entry, mode, 3),
                Nbsp(5) + "3.&nbsp;" + c.mark + "<a href=\"#" + prefix + "line-0012\">" +
                    "<span class=\"" + c.className + "\">" + "名前"_sj + "</span></a>")
          << "code " << c.code << " mode " << mode;
    }
  }
}

TEST(NavEntryLine, UnknownCategoryShowsBlankNameWithoutMark) {
  for (const std::string code : {"0", "", "15"}) {
    Settings settings;
    const std::string line =
        GetNavSubSpeakerMarkAndLink(settings, "誰か%"_sj + code + "/0004", 1, 1);
    EXPECT_EQ(line, Nbsp(5) + "1.&nbsp;" + "<a href=\"#rb-line-0004\"><span class=\"sentence\">" +
                        "　"_sj + "</span></a>")
        << code;
  }
}

TEST(NavEntryLine, MarkIsTrimmedAndSourceMarksRemoved) {
  Settings settings;
  settings.ComboBoxMarkWSC = " 　◎　"_sj;
  const std::string line = GetNavSubSpeakerMarkAndLink(settings, "◇○議長%3/0002"_sj, 0, 1);
  EXPECT_EQ(line, Nbsp(5) + "1.&nbsp;" + "◎"_sj +
                      "<a href=\"#line-0002\"><span class=\"chairperson\">" + "議長"_sj +
                      "</span></a>");
}

TEST(NavEntryLine, AgendaLines) {
  struct Case {
    std::string entry;
    int mode;
    std::string expected;
  };
  const Case cases[] = {
      {"開議/0002"_sj, 0,
       "&nbsp;&nbsp;▼<a href=\"#line-0002\"><span class=\"subject\">開議</span></a>"_sj},
      {"開議/0002"_sj, 1,
       "&nbsp;&nbsp;▼<a href=\"#lt-line-0002\"><span class=\"subject\">開議</span></a>"_sj},
      {"▽質疑/0120"_sj, 1,
       "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;▽<a href=\"#lt-line-0120\">"
       "<span class=\"subject\">質疑</span></a>"_sj},
  };
  for (const Case& c : cases) {
    Settings settings;
    EXPECT_EQ(GetNavSubSpeakerMarkAndLink(settings, c.entry, c.mode, 9), c.expected);
  }
}

TEST(NavEntryLine, MalformedEntriesGiveEmptyLines) {
  for (const std::string entry : {"開議", "議長%3", "議長/0003%3", ""}) {
    Settings settings;
    EXPECT_EQ(GetNavSubSpeakerMarkAndLink(settings, Sj(entry), 0, 1), "") << entry;
  }
}

TEST(NavEntryLine, BlankIdHeaderBecomesPid) {
  for (const std::string header : {"", "  ", "　"}) {
    Settings settings;
    settings.ComboBoxID_Header = Sj(header);
    const std::string line = GetNavSubSpeakerMarkAndLink(settings, "開議/0002"_sj, 0, 1);
    EXPECT_EQ(settings.ComboBoxID_Header, "pid-");
    EXPECT_NE(line.find("href=\"#pid-0002\""), std::string::npos) << line;
  }
}

class NavListTest : public ::testing::Test {
 protected:
  Settings settings;
  Document doc;

  // The lines between the fixed head (7 lines) and the fixed end (4 lines).
  StringList Entries(const StringList& list) {
    return StringList(list.begin() + 7, list.end() - 4);
  }
};

TEST_F(NavListTest, FrameLinesSurroundTheEntries) {
  doc.SpeakerNavEntryList = {"開議/0002"_sj};
  MakeNavList(settings, doc);
  for (const StringList* list : {&doc.NavHTMLList, &doc.TwoPaneListHTMLList}) {
    ASSERT_EQ(list->size(), 12u);
    EXPECT_EQ((*list)[0], "<pre class=\"leftnav\">");
    EXPECT_EQ(
        (*list)[3],
        "&nbsp;&nbsp;&nbsp;<a id=\"lf-top\"><span class=\"lf-top\">議題・発言者</span></a>"_sj);
    EXPECT_EQ((*list)[5],
              "&nbsp;&nbsp;&nbsp;<a href=\"#lf-bottom\"><span class=\"lf-bottom\">"
              "最終行へ</span></a>"_sj);
    EXPECT_EQ((*list)[9],
              "&nbsp;&nbsp;&nbsp;<a id=\"lf-bottom\" href=\"#lf-top\">"
              "<span class=\"lf-bottom\">先頭へ戻る</span></a>"_sj);
    EXPECT_EQ(list->back(), "</pre>");
  }
}

TEST_F(NavListTest, OwnHeadTextsReplaceTheDefaults) {
  settings.ComboBoxSubjectTitle = "目次"_sj;
  settings.ComboBoxLeftGoBottom = "末尾"_sj;
  settings.ComboBoxLeftGoTop = "上へ"_sj;
  MakeNavList(settings, doc);
  EXPECT_NE(doc.NavHTMLList[3].find("目次"_sj), std::string::npos);
  EXPECT_NE(doc.NavHTMLList[5].find("末尾"_sj), std::string::npos);
  EXPECT_NE(doc.NavHTMLList[8].find("上へ"_sj), std::string::npos);
}

TEST_F(NavListTest, OnlyTheFirstChairEntryIsListedAndNumbersRunOn) {
  doc.SpeakerNavEntryList = {"開議/0001"_sj,
                             "○議長（甲君）%3/0002"_sj,
                             "○議長（甲君）%3/0004"_sj,
                             "○副議長（乙君）%3/0006"_sj,
                             "◎市長（丙君）%1/0008"_sj,
                             "散会/0010"_sj};
  MakeNavList(settings, doc);
  const StringList entries = Entries(doc.NavHTMLList);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_NE(entries[0].find("#line-0001"), std::string::npos);
  EXPECT_NE(entries[1].find(Nbsp(5) + "1.&nbsp;"), std::string::npos);
  EXPECT_NE(entries[1].find("#line-0002"), std::string::npos);
  EXPECT_NE(entries[2].find(Nbsp(5) + "2.&nbsp;"), std::string::npos);
  EXPECT_NE(entries[2].find("#line-0008"), std::string::npos);
  EXPECT_NE(entries[3].find("#line-0010"), std::string::npos);
  EXPECT_EQ(Entries(doc.TwoPaneListHTMLList).size(), 4u);
  EXPECT_NE(Entries(doc.TwoPaneListHTMLList)[2].find("#rb-line-0008"), std::string::npos);
}

TEST_F(NavListTest, MalformedEntryKeepsItsPlaceAsEmptyLine) {
  doc.SpeakerNavEntryList = {"開議"_sj, "甲%5/0003"_sj};
  MakeNavList(settings, doc);
  const StringList entries = Entries(doc.NavHTMLList);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], "");
  EXPECT_NE(entries[1].find("1.&nbsp;"), std::string::npos);
}

TEST_F(NavListTest, NoEntriesLeavesTheListsAlone) {
  doc.NavHTMLList = {"kept"};
  doc.TwoPaneListHTMLList = {"kept too"};
  EXPECT_EQ(MakeNavHTML(settings, doc), 0);
  EXPECT_EQ(doc.NavHTMLList, StringList{"kept"});
  EXPECT_EQ(doc.TwoPaneListHTMLList, StringList{"kept too"});
}

}  // namespace
}  // namespace korva
