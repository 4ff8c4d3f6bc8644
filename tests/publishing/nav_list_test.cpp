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
  const std::pair<int, std::string> cases[] = {{7, Nbsp(5) + "7.&nbsp;"},
                                               {42, Nbsp(4) + "42.&nbsp;"},
                                               {1234, Nbsp(2) + "1234.&nbsp;"},
                                               {12345, Nbsp(2) + "12345.&nbsp;"}};
  for (const auto& [number, column] : cases) {
    Settings settings;
    const std::string line = GetNavSubSpeakerMarkAndLink(settings, "A%3/0001", 0, number);
    EXPECT_EQ(line.substr(0, line.find("○"_sj)), column) << number;
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

TEST(NavEntryLine, OtherEntryForms) {
  struct Case {
    const char* what;
    void (*set)(Settings&);
    std::string entry;
    int mode;
    std::string expected;
  };
  const auto none = [](Settings&) {};
  const std::string agenda = "<span class=\"subject\">開議</span></a>"_sj;
  const Case cases[] = {
      {"agenda item", none, "開議/0002"_sj, 0, "&nbsp;&nbsp;▼<a href=\"#line-0002\">"_sj + agenda},
      {"agenda item, two panes", none, "開議/0002"_sj, 1,
       "&nbsp;&nbsp;▼<a href=\"#lt-line-0002\">"_sj + agenda},
      {"added agenda item", none, "▽質疑/0120"_sj, 1,
       Nbsp(6) + "▽<a href=\"#lt-line-0120\"><span class=\"subject\">質疑</span></a>"_sj},
      {"unknown category 0", none, "誰か%0/0004"_sj, 1,
       Nbsp(5) + "1.&nbsp;<a href=\"#rb-line-0004\"><span class=\"sentence\">　</span></a>"_sj},
      {"no category", none, "誰か%/0004"_sj, 1,
       Nbsp(5) + "1.&nbsp;<a href=\"#rb-line-0004\"><span class=\"sentence\">　</span></a>"_sj},
      {"unknown category 15", none, "誰か%15/0004"_sj, 1,
       Nbsp(5) + "1.&nbsp;<a href=\"#rb-line-0004\"><span class=\"sentence\">　</span></a>"_sj},
      {"mark trimmed, source marks removed", [](Settings& s) { s.ComboBoxMarkWSC = " 　◎　"_sj; },
       "◇○議長%3/0002"_sj, 0,
       Nbsp(5) + "1.&nbsp;◎<a href=\"#line-0002\"><span class=\"chairperson\">議長</span></a>"_sj},
      {"empty id header", [](Settings& s) { s.ComboBoxID_Header = ""; }, "開議/0002"_sj, 0,
       "&nbsp;&nbsp;▼<a href=\"#pid-0002\">"_sj + agenda},
      {"blank id header", [](Settings& s) { s.ComboBoxID_Header = " 　"_sj; }, "開議/0002"_sj, 0,
       "&nbsp;&nbsp;▼<a href=\"#pid-0002\">"_sj + agenda},
      {"no line number", none, "開議"_sj, 0, ""},
      {"speaker without line number", none, "議長%3"_sj, 0, ""},
      {"parts swapped", none, "議長/0003%3"_sj, 0, ""},
      {"empty", none, "", 0, ""},
  };
  for (const Case& c : cases) {
    Settings settings;
    c.set(settings);
    EXPECT_EQ(GetNavSubSpeakerMarkAndLink(settings, c.entry, c.mode, 1), c.expected) << c.what;
    // A blank header is replaced for good, not just for this line.
    if (c.expected.find("#pid-") != std::string::npos) {
      EXPECT_EQ(settings.ComboBoxID_Header, "pid-");
    }
  }
}

class NavListTest : public ::testing::Test {
 protected:
  Settings settings;
  Document doc;

  // The lines between the fixed head (7 lines) and the fixed end (4 lines).
  static StringList Entries(const StringList& list) {
    return StringList(list.begin() + 7, list.end() - 4);
  }
};

TEST_F(NavListTest, FrameLinesSurroundTheEntries) {
  for (bool own : {false, true}) {
    if (own) {
      settings.ComboBoxSubjectTitle = "目次"_sj;
      settings.ComboBoxLeftGoBottom = "末尾"_sj;
      settings.ComboBoxLeftGoTop = "上へ"_sj;
    }
    doc.SpeakerNavEntryList = {"開議/0002"_sj};
    MakeNavList(settings, doc);
    for (const StringList* list : {&doc.NavHTMLList, &doc.TwoPaneListHTMLList}) {
      ASSERT_EQ(list->size(), 12u);
      EXPECT_EQ((*list)[0], "<pre class=\"leftnav\">");
      EXPECT_EQ((*list)[3], "&nbsp;&nbsp;&nbsp;<a id=\"lf-top\"><span class=\"lf-top\">"_sj +
                                (own ? "目次"_sj : "議題・発言者"_sj) + "</span></a>");
      EXPECT_EQ((*list)[5],
                "&nbsp;&nbsp;&nbsp;<a href=\"#lf-bottom\"><span class=\"lf-bottom\">"_sj +
                    (own ? "末尾"_sj : "最終行へ"_sj) + "</span></a>");
      EXPECT_EQ(
          (*list)[9],
          "&nbsp;&nbsp;&nbsp;<a id=\"lf-bottom\" href=\"#lf-top\"><span class=\"lf-bottom\">"_sj +
              (own ? "上へ"_sj : "先頭へ戻る"_sj) + "</span></a>");
      EXPECT_EQ(list->back(), "</pre>");
    }
  }
}

TEST_F(NavListTest, OnlyTheFirstChairIsListedAndNumbersRunOn) {
  doc.SpeakerNavEntryList = {"開議/0001"_sj,
                             "○議長（甲君）%3/0002"_sj,
                             "○議長（甲君）%3/0004"_sj,
                             "○副議長（乙君）%3/0006"_sj,
                             "開議"_sj,
                             "◎市長（丙君）%1/0008"_sj,
                             "散会/0010"_sj};
  MakeNavList(settings, doc);
  // A malformed entry keeps its place as an empty line.
  const std::vector<std::string> expected[] = {{"#line-0001"},
                                               {Nbsp(5) + "1.&nbsp;", "#line-0002"},
                                               {},
                                               {Nbsp(5) + "2.&nbsp;", "#line-0008"},
                                               {"#line-0010"}};
  const StringList entries = Entries(doc.NavHTMLList);
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].empty(), expected[i].empty()) << i;
    for (const std::string& part : expected[i]) {
      EXPECT_NE(entries[i].find(part), std::string::npos) << i << " " << part;
    }
  }
  const StringList twoPane = Entries(doc.TwoPaneListHTMLList);
  ASSERT_EQ(twoPane.size(), std::size(expected));
  EXPECT_NE(twoPane[3].find("#rb-line-0008"), std::string::npos);
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
