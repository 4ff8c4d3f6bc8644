#include "publishing/two_pane.h"

#include <gtest/gtest.h>

#include "publishing/line_substitution.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using namespace literals;

TEST(AppendTwoPaneBodyLine, PrefixesEveryIdAndReplacesTheLayoutMarker) {
  struct Case {
    std::string line;
    int mode;
    std::string prefix, expected;
  };
  const Case cases[] = {
      {"<p id=\"line-0003\" class=\"%hol%firstparagraph\">", kPaneVertical, "lt-",
       "<p id=\"lt-line-0003\" class=\"v2pane-firstparagraph\">"},
      {"<p ID=\"line-0003\" class=\"%HOL%firstparagraph\">", kPaneHorizontal, "rb-",
       "<p id=\"rb-line-0003\" class=\"h2pane-firstparagraph\">"},
      {"<a id=\"a\"></a><a id=\"b\"></a>", kPaneNone, "lt-",
       "<a id=\"lt-a\"></a><a id=\"lt-b\"></a>"},
      {"<pre class=\"%hol%content\">", kPaneNone, "rb-", "<pre class=\"content\">"},
      // "＼" is 0x81 0x5F and "ｉ" carries 0x69: trail bytes are not text.
      {"\x81\x69"
       "d=\"x\"",
       kPaneVertical, "lt-",
       "\x81\x69"
       "d=\"x\""},
  };
  for (const Case& c : cases) {
    // Appended to the lines written before it.
    const std::string before = "<p id=\"an earlier line\">\r\n";
    std::string out = before;
    AppendTwoPaneBodyLine(out, c.line, c.mode, c.prefix);
    EXPECT_EQ(out, before + c.expected) << c.line;
  }
}

TEST(AddTwoPaneNavLines, DuplicateRule) {
  const std::string speaker =
      "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;7.&nbsp;◎<a href=\"#rb-line-0005\"><span class=\"mayor\">市長</span></a>"_sj;
  const std::string chair =
      "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;1.&nbsp;○<a href=\"#lt-line-0003\"><span class=\"chairperson\">議長</span></a>"_sj;
  const std::string agenda =
      "&nbsp;&nbsp;▼<a href=\"#lt-line-0002\"><span class=\"subject\">開議</span></a>"_sj;
  const std::string added =
      "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;▽<a href=\"#lt-line-0009\"><span class=\"subject\">質疑</span></a>"_sj;
  const std::string head = "&nbsp;&nbsp;&nbsp;<a id=\"lf-top\"><span class=\"lf-top\">x</span></a>";
  struct Case {
    std::string line;
    StringList expected;
  };
  const Case cases[] = {
      {speaker,
       {"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;7.&nbsp;◎<a href=\"#lt-line-0005\"><span class=\"mayor\">市長</span></a>"_sj,
        "　　　　　　◎<a href=\"#rb-line-0005\"><span class=\"mayor\">市長</span></a>"_sj}},
      {chair,
       {chair,
        "　　　　　　○<a href=\"#rb-line-0003\"><span class=\"chairperson\">議長</span></a>"_sj}},
      {agenda,
       {agenda,
        "&nbsp;&nbsp;　　<a href=\"#rb-line-0002\"><span class=\"subject\">開議</span></a>"_sj}},
      {added,
       {added,
        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;　　<a href=\"#rb-line-0009\"><span class=\"subject\">質疑</span></a>"_sj}},
      {head, {head}},
      {"&nbsp;<a id=\"lf-bottom\" href=\"#lf-top\">",
       {"&nbsp;<a id=\"lf-bottom\" href=\"#lf-top\">"}},
      {"", {"", ""}},
      {"<pre class=\"leftnav\">", {"<pre class=\"leftnav\">", "<pre class=\"leftnav\">"}},
  };
  // Written through the file writer after an earlier line, as the files are:
  // each line is edited where it is written, behind what the piece holds.
  const auto written = [](const std::string& line, bool duplicate) {
    const bool plain = !MayNeedSubstitution(line);
    std::string file;
    SubstitutingLineWriter writer([](std::string_view text) { return std::string(text) + "!"; },
                                  [&](std::string_view piece) { file += piece; });
    // The earlier line holds every pattern the edits look for.
    const std::string earlier = "<a href=\"#rb-a\" id=\"lf-top\">1.&nbsp;▼▽lt-"_sj;
    writer.Add(earlier);
    AddTwoPaneNavLines(writer, line, duplicate, plain);
    writer.Finish();
    StringList lines = sjis::SplitLines(file);
    EXPECT_EQ(lines.front(), earlier);
    lines.erase(lines.begin());
    // A plain line makes plain lines: none was substituted (marked "!").
    for (const std::string& made : lines) EXPECT_EQ(plain, !MayNeedSubstitution(made)) << made;
    return lines;
  };
  for (const Case& c : cases) {
    EXPECT_EQ(written(c.line, true), c.expected) << c.line;
    EXPECT_EQ(written(c.line, false), StringList{c.line}) << c.line;
  }
  // Lines that need substitution go through it, each of them.
  EXPECT_EQ(written("&nbsp;1.&nbsp;<a href=\"#rb-x\">@title@</a>", true),
            (StringList{"&nbsp;1.&nbsp;<a href=\"#lt-x\">@title@</a>!",
                        "　　　　　　<a href=\"#rb-x\">@title@</a>!"_sj}));
}

}  // namespace
}  // namespace korva
