#include "tools/html_colouring.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "session/pane_search.h"
#include "text/literal.h"

namespace korva {
namespace {

using namespace korva::literals;

struct Token {
  std::size_t offset, length;
  RgbColor colour;
  bool bold;
  bool operator==(const Token&) const = default;
};

// The tokens of a whole text as the RTF writer sees them, blanks left out.
std::vector<Token> WholeTextTokens(std::string_view text) {
  std::vector<Token> tokens;
  TqlxHTMLRTF tokenizer;
  tokenizer.SetText(std::string(text));
  for (; !tokenizer.AtEnd(); tokenizer.Next()) {
    if (tokenizer.TokenId() == HtmlToken::Space) continue;
    const std::string_view token = tokenizer.GetToken();
    const int kind = tokenizer.GetTokenKind();
    const int index = kind == kBoldColorIndex ? kind : TokenColorIndex(kind, token);
    tokens.push_back({0, token.size(), HtmlColourOfIndex(index), index == kBoldColorIndex});
  }
  return tokens;
}

// The same text coloured line by line, each line starting where the one
// before it left the tokenizer, as a pane colours what it shows.
std::vector<Token> LineByLineTokens(std::string_view text) {
  std::vector<Token> tokens;
  const LineIndex lines(text);
  HtmlRange start = HtmlRange::Text;
  for (std::size_t line = 0; line < lines.LineCount(); ++line) {
    const std::string_view bytes =
        text.substr(lines.LineStart(line), lines.LineEnd(line) - lines.LineStart(line));
    HtmlRange range = start;
    for (const ColourSpan& span : ColourHtmlLine(bytes, range)) {
      tokens.push_back({0, span.length, span.colour, span.bold});
    }
    start = HtmlRangeAfterLine(bytes, start);
    EXPECT_EQ(range, start) << "both ways of going past a line end the same";
  }
  return tokens;
}

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

// Colouring line by line must give exactly the writer's tokens, whatever the
// text: random documents from HTML fragments, line breaks of every kind and
// Japanese text whose trail bytes look like ASCII.
TEST(HtmlColouring, LineByLineEqualsTheWholeText) {
  const std::vector<std::string> fragments = {
      "<",        ">",          "=",     "\"",    "<!--", "-->",  "<%",
      "%>",       "&amp;",      "&nbsp", " ",     "\t",   "\r\n", "\n",
      "\r",       "p",          "div",   "class", "//",   "zz",   "/span",
      "!DOCTYPE", "'",          "x",     "表",    "ソ",   "　",   "<p class=\"a\">",
      "</p>",     "<a href=x>", "&lt;"};
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int pieces = static_cast<int>(random() % 40);
    for (int i = 0; i < pieces; ++i) {
      const std::string& piece = fragments[random() % fragments.size()];
      text += Sj(piece);
    }
    ASSERT_EQ(LineByLineTokens(text), WholeTextTokens(text)) << text;
  }
}

}  // namespace
}  // namespace korva
