#include "publishing/link_check.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(ExtractAttributeValues, FindsOnlyWholeAttributeNames) {
  struct Case {
    std::string html;
    std::vector<std::string> ids;
  };
  const Case cases[] = {
      {"<p id=\"a\"><a id=\"b\"></a></p>", {"a", "b"}},
      {"<p ID=\"up\">", {"up"}},
      {"<td grid=\"x\" valid=\"y\">", {}},
      {"<p\nid=\"nl\">", {"nl"}},
      // "ｉ" style trail bytes must not start a match: 0x81 0x69 is not "i".
      {"\x81id=\"no\" <p id=\"yes\">", {"yes"}},
      {"<p id=\"unterminated>", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractAttributeValues(c.html, "id"), c.ids) << c.html;
}

TEST(FindBrokenLinks, ReportsMissingTargetsPerFile) {
  const std::map<std::string, std::string> files = {
      {"a-n.html",
       "<a href=\"#x\">x</a><p id=\"x\"></p><a href=\"#gone\"></a><a href=\"a-v.html\"></a>"
       "<a href=\"a-h.html\"></a><a href=\"../../top.html\"></a><a href=\"#\"></a>"},
      {"a-v.html", "<a href=\"#x\"></a><a href=\"a-n.html\"></a>"},
      // Ids of other files do not count.
      {"b-v.html", "<a href=\"#rb-line-0003\"></a><p id=\"lt-line-0003\"></p>"},
      {"b-h.html", "<p id=\"rb-line-0003\"></p>"},
      // Each name is read as if alone: an href's value hides no id, nor the reverse.
      {"c-n.html", "<a href=\"#x id=\"y\"><a href=\"#y\"><p id=\"z href=\"#w\">"},
  };
  const std::vector<LinkProblem> problems = FindBrokenLinks(files);
  std::vector<std::string> seen;
  for (const LinkProblem& p : problems) seen.push_back(p.file + " " + p.href);
  EXPECT_EQ(seen, (std::vector<std::string>{"a-n.html #gone", "a-n.html a-h.html", "a-n.html #",
                                            "a-v.html #x", "b-v.html #rb-line-0003",
                                            "c-n.html #x id=", "c-n.html #w"}));
}

// A browser takes the file up to the first "#" and decodes "%XX": a raw "#"
// in a file name sends it to another file.
TEST(FindBrokenLinks, ReadsHrefsAsABrowserDoes) {
  const std::map<std::string, std::string> files = {
      {"h26#1-n.html",
       "<a href=\"h26#1-v.html\"></a><a href=\"h26%231-v.html\"></a><a href=\"a%20b-n.html\"></a>"
       "<a href=\"a%2520b-n.html\"></a><a href=\"#lt%2Dx\"></a><p id=\"lt-x\"></p>"
       "<a href=\"h26%231-v.html#lt-x\"></a>"},
      {"h26#1-v.html", ""},
      {"a b-n.html", ""},
  };
  std::vector<std::string> seen;
  for (const LinkProblem& p : FindBrokenLinks(files)) seen.push_back(p.file + " " + p.href);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"h26#1-n.html h26#1-v.html", "h26#1-n.html a%2520b-n.html"}));
}

// A file fed in blocks of any size gives the problems of the whole text:
// blocks cut names, values, "=\"" and double-byte characters apart.
TEST(LinkChecker, BlocksOfAnySizeGiveTheWholeTextsProblems) {
  const std::set<std::string> names = {"a-n.html", "a-v.html"};
  const std::string texts[] = {
      "<a href=\"#x\">\r\n<p id=\"x\">\r\n<a href=\"#y\">\r\n<a href=\"b-h.html\">\r\n",
      // A value across lines, and a name right after a line break.
      "<a href=\"#x\r\ny\">\n<p\nid=\"x\r\ny\"><a href=\"#z\">\n<a\nhref=\"#q\">",
      // ... and one whose name does not stand alone.
      "<a xhref=\"#q\r\nr\">\n<a href=\"#s\r\n\">\n",
      // "＝" style traps: "\x81id" is no name, and a trail byte "@" after a lead run.
      "\x81id=\"t\" <a href=\"#t\">\n\x88\x9f\x88\x9fid=\"u\" <a href=\"#u\">\n",
      // A value that never closes ends both scans there.
      "<a href=\"#k\"><p id=\"k\">\n<p id=\"open>\n<a href=\"#never\">\n",
      "<a href=\"#k\">\n<a href=\"open\n<p id=\"k\">",
      // Hrefs read as a browser reads them.
      "<a href=\"#lt%2Dx\">\n<p id=\"lt-x\"><a href=\"h26#1-v.html\"><a href=\"a%2Dv.html#z\">\n",
      // One line that holds everything, without a final line break.
      "<p id=\"m\"><a href=\"#m\"><a href=\"#n\"><a href=\"a-v.html\">",
  };
  for (const std::string& text : texts) {
    std::vector<std::string> whole;
    for (const LinkProblem& p : FindBrokenLinksInFile("f", text, names)) whole.push_back(p.href);
    for (std::size_t size = 1; size <= text.size(); ++size) {
      LinkChecker checker("f");
      for (std::size_t at = 0; at < text.size(); at += size) {
        checker.Feed(std::string_view(text).substr(at, size));
      }
      std::vector<std::string> pieces;
      for (const LinkProblem& p : checker.Finish(names)) pieces.push_back(p.href);
      EXPECT_EQ(pieces, whole) << text << " in blocks of " << size;
    }
  }
}

// Thousands of ids, as a two-pane file holds, stay findable while the table
// of ids grows; an id that is another's start, or longer by a byte, is not
// taken for it; an empty id is an id.
TEST(LinkChecker, FindsEveryIdOfALargeFile) {
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 5000; ++i) {
    const std::string id = "lt-pid-" + std::to_string(i);
    text += "<p id=\"" + id + "\">\r\n<a href=\"#" + id + "\"><a href=\"#" + id +
            "x\"><a href=\"#lt-pid\">\r\n";
    expected.insert(expected.end(), {"#" + id + "x", "#lt-pid"});
  }
  text += "<p id=\"\"><a href=\"#\"><a href=\"#lt-pid-5000\">\r\n";
  expected.push_back("#lt-pid-5000");
  LinkChecker checker("f");
  checker.Feed(text);
  std::vector<std::string> seen;
  for (const LinkProblem& p : checker.Finish({})) seen.push_back(p.href);
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace korva
