#include "tools/html_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/literal.h"

namespace korva {
namespace {

using namespace korva::literals;

TEST(HtmlColouring, SpansOfOneLine) {
  struct Case {
    const char* name;
    std::string line;
    HtmlRange start;
    std::vector<ColourSpan> spans;
    HtmlRange end;
  };
  const Case cases[] = {
      {"tag, value and text",
       "<p class=\"x\">a&amp;",
       HtmlRange::Text,
       {{0, 1, 0xFF00FF, false},
        {1, 1, 0xFF0000, false},
        {3, 5, 0xFF0000, false},
        {8, 1, 0xFF00FF, false},
        {9, 3, 0x008000, false},
        {12, 1, 0xFF00FF, false},
        {13, 1, 0x0000FF, false},
        {14, 5, 0x000000, false}},
       HtmlRange::Text},
      {"unknown tag is bold",
       "<zz>",
       HtmlRange::Text,
       {{0, 1, 0xFF00FF, false}, {1, 2, 0x000000, true}, {3, 1, 0xFF00FF, false}},
       HtmlRange::Text},
      {"a comment left open runs on",
       "x<!-- a",
       HtmlRange::Text,
       {{0, 1, 0x0000FF, false}, {1, 4, 0x800000, false}, {5, 2, 0x800000, false}},
       HtmlRange::Comment},
      {"an open comment closes",
       "b -->y",
       HtmlRange::Comment,
       {{0, 5, 0x800000, false}, {5, 1, 0x0000FF, false}},
       HtmlRange::Text},
      {"an attribute on the next line of its tag",
       "href=x>",
       HtmlRange::InsideTag,
       {{0, 4, 0xFF0000, false},
        {4, 1, 0xFF00FF, false},
        {5, 1, 0x000000, false},
        {6, 1, 0xFF00FF, false}},
       HtmlRange::Text},
      {"text beginning with // takes the comment colour",
       "// note",
       HtmlRange::Text,
       {{0, 7, 0x800000, false}},
       HtmlRange::Text},
      {"empty line keeps the range", "", HtmlRange::Value, {}, HtmlRange::Value},
  };
  for (const Case& c : cases) {
    HtmlRange range = c.start;
    const std::vector<ColourSpan> spans = ColourHtmlLine(c.line, range);
    ASSERT_EQ(spans.size(), c.spans.size()) << c.name;
    for (std::size_t i = 0; i < spans.size(); ++i) {
      EXPECT_EQ(spans[i].offset, c.spans[i].offset) << c.name << " " << i;
      EXPECT_EQ(spans[i].length, c.spans[i].length) << c.name << " " << i;
      EXPECT_EQ(spans[i].colour, c.spans[i].colour) << c.name << " " << i;
      EXPECT_EQ(spans[i].bold, c.spans[i].bold) << c.name << " " << i;
    }
    EXPECT_EQ(range, c.end) << c.name;
  }
}

}  // namespace
}  // namespace korva
