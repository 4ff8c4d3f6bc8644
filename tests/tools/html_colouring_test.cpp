#include "tools/html_colouring.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace korva {
namespace {

// "offset+length RRGGBB[ bold]" for each span, joined by ", ".
std::string Describe(const std::vector<ColourSpan>& spans) {
  std::string out;
  for (const ColourSpan& span : spans) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(span.colour));
    if (!out.empty()) out += ", ";
    out += std::to_string(span.offset) + "+" + std::to_string(span.length) + " " + colour +
           (span.bold ? " bold" : "");
  }
  return out;
}

TEST(HtmlColouring, SpansOfOneLine) {
  struct Case {
    const char* name;
    std::string line;
    HtmlRange start;
    const char* spans;
    HtmlRange end;
  };
  const Case cases[] = {
      {"tag, value and text", "<p class=\"x\">a&amp;", HtmlRange::Text,
       "0+1 FF00FF, 1+1 FF0000, 3+5 FF0000, 8+1 FF00FF, 9+3 008000, 12+1 FF00FF, 13+1 0000FF, "
       "14+5 000000",
       HtmlRange::Text},
      {"unknown tag is bold", "<zz>", HtmlRange::Text, "0+1 FF00FF, 1+2 000000 bold, 3+1 FF00FF",
       HtmlRange::Text},
      {"a comment left open runs on", "x<!-- a", HtmlRange::Text,
       "0+1 0000FF, 1+4 800000, 5+2 800000", HtmlRange::Comment},
      {"an open comment closes", "b -->y", HtmlRange::Comment, "0+5 800000, 5+1 0000FF",
       HtmlRange::Text},
      {"an attribute on the next line of its tag", "href=x>", HtmlRange::InsideTag,
       "0+4 FF0000, 4+1 FF00FF, 5+1 000000, 6+1 FF00FF", HtmlRange::Text},
      {"text beginning with // takes the comment colour", "// note", HtmlRange::Text, "0+7 800000",
       HtmlRange::Text},
      {"empty line keeps the range", "", HtmlRange::Value, "", HtmlRange::Value}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HtmlRange range = c.start;
    EXPECT_EQ(Describe(ColourHtmlLine(c.line, range)), c.spans);
    EXPECT_EQ(range, c.end);
  }
}

}  // namespace
}  // namespace korva
