#include "tools/html_rtf.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "text/literal.h"
#include "tools/html_names.h"

namespace korva {
namespace {

using namespace korva::literals;

const std::string kHead =
    "{\\rtf1\\ansi\\ansicpg932\\deff0\\deftab720{\\fonttbl{\\f0\\fmodern\\fcharset128 " +
    std::string(kJapaneseMonospaceFont) +
    ";}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green0\\blue0;"
    "\\red255\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
    "\\red0\\green128\\blue0;"
    "\\red255\\green0\\blue255;\\red0\\green0\\blue255;\\red0\\green0\\blue0;\\red0\\green0\\blue0;"
    "\\red0\\green0\\blue0;}\r\n\\deflang1033\\pard\\plain\\f0\\fs20\\uc2\\f0 ";
const std::string kTail = "\\par }";

std::string Body(const std::string& html) {
  const std::string rtf = HtmlToRtf(html);
  EXPECT_TRUE(rtf.starts_with(kHead)) << rtf;
  EXPECT_TRUE(rtf.ends_with(kTail)) << rtf;
  if (rtf.size() < kHead.size() + kTail.size()) return rtf;
  return rtf.substr(kHead.size(), rtf.size() - kHead.size() - kTail.size());
}

TEST(HtmlRtf, TokensAndTheirColours) {
  struct {
    const char* name;
    std::string html, body;
  } cases[] = {
      {"comment on one line, then text", "<!-- note -->x", "\\cf2 <!--\\cf2  note -->\\cf8 x"},
      {"known tag with an unquoted value", "<p class=x>",
       "\\cf7 <\\cf4 p\\cf5  \\cf3 class\\cf7 =\\cf10 x\\cf7 >"},
      {"unknown tag in bold", "<zz>", "\\cf7 <\\cf9 \\b zz\\b0 \\cf7 >"},
      {"entity in text", "a&amp;b", "\\cf8 a\\cf11 &amp;\\cf8 b"},
      {"unknown entity stays text", "a&foo;b", "\\cf8 a&foo;b"},
      {"entity at the start of text", "&lt;x", "\\cf11 &lt;\\cf8 x"},
      {"entities are case-sensitive", "&AMP;", "\\cf8 &AMP;"},
      {"quoted value", "<a href=\"x\">",
       "\\cf7 <\\cf4 a\\cf5  \\cf3 href\\cf7 =\\cf6 \"x\"\\cf7 >"},
      {"quoted string that is no value", "<a \"x\">", "\\cf7 <\\cf4 a\\cf5  \\cf6 \"x\"\\cf7 >"},
      {"escaping", "a{b}\\c", "\\cf8 a\\{b\\}\\\\c"},
      {"line breaks end paragraphs", "a\r\nb\rc\nd",
       "\\cf8 a\\par \\cf5 \r\n\\cf8 b\\par \\cf5 \r\\cf8 c\\par \\cf5 \n\\cf8 d"},
      {"blank run with a tab is one token", "<br \t >", "\\cf7 <\\cf4 br\\cf5  \t \\cf7 >"},
      {"text after // is comment coloured", "x>  // y", "\\cf8 x>  // y"},
      {"a text token beginning with // is comment coloured", "<p>// y",
       "\\cf7 <\\cf4 p\\cf7 >\\cf2 // y"},
      {"tag names ignore case", "<TaBlE></BlockQuote>",
       "\\cf7 <\\cf4 TaBlE\\cf7 >\\cf7 <\\cf4 /BlockQuote\\cf7 >"},
      {"doctype", "<!DOCTYPE html>", "\\cf7 <\\cf4 !DOCTYPE\\cf5  \\cf3 html\\cf7 >"},
      {"heading digits belong to the word", "<h1><h7>",
       "\\cf7 <\\cf4 h1\\cf7 >\\cf7 <\\cf9 \\b h7\\b0 \\cf7 >"},
      {"no closing form for empty elements", "</br>", "\\cf7 <\\cf9 \\b /br\\b0 \\cf7 >"},
      {"hash 244 or more is a plain word", "<ZZZZZZZZZZ>", "\\cf7 <\\cf3 ZZZZZZZZZZ\\cf7 >"},
      {"asp block", "<% x %>y", "\\cf1 <%\\cf1  x %>\\cf8 y"},
      {"unquoted value ends at a blank", "<a b=c d>",
       "\\cf7 <\\cf4 a\\cf5  \\cf3 b\\cf7 =\\cf10 c\\cf5  \\cf3 d\\cf7 >"},
      {"unclosed quote stops at the line end", "<a b=\"x\r\ny>",
       "\\cf7 <\\cf4 a\\cf5  \\cf3 b\\cf7 =\\cf6 \"x\\par \\cf5 \r\n\\cf3 y\\cf7 >"},
      {"comment over two lines", "<!--a\r\nb-->c",
       "\\cf2 <!--\\cf2 a\\par \\cf5 \r\n\\cf2 b-->\\cf8 c"},
      {"entity inside a tag returns to text", "<a &amp;b>",
       "\\cf7 <\\cf4 a\\cf5  \\cf11 &amp;\\cf8 b>"},
      {"empty text", "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Body(c.html), c.body);
  }
}

TEST(HtmlRtf, JapaneseGoesAsUnicodeWithItsShiftJisBytesBehind) {
  // A raw trail byte "{", "}" or "\\" ("本" is 96 7B, "表" 95 5C) would open
  // or close a group or start a control word.
  const struct {
    const char* name;
    std::string html, body;
  } cases[] = {
      {"trail bytes that are RTF syntax", "本表ソ\\"_sj,
       "\\cf8 \\u26412\\'96\\'7b\\u-30616\\'95\\'5c\\u12477\\'83\\'5c\\\\"},
      {"ideographic space and an ASCII neighbour", "a　b"_sj, "\\cf8 a\\u12288\\'81\\'40b"},
      {"code points above 32767 are negative", "議"_sj, "\\cf8 \\u-29840\\'8b\\'63"},
      {"half-width katakana has one byte behind", "ｱ"_sj, "\\cf8 {\\uc1\\u-143\\'b1}"},
      {"a byte that is no character",
       "a\x80"
       "b",
       "\\cf8 a\\'80b"},
      {"a lead byte at the very end", "a\x95", "\\cf8 a\\'95"},
      {"inside a tag", "<p title=表>"_sj,
       "\\cf7 <\\cf4 p\\cf5  \\cf3 title\\cf7 =\\cf10 \\u-30616\\'95\\'5c\\cf7 >"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Body(c.html), c.body);
  }
}

TEST(HtmlRtf, NulByteInsideDoesNotEndTheText) {
  const std::string html("a\0b", 3);
  EXPECT_EQ(Body(html), std::string("\\cf8 a\\cf5 \0\\cf8 b", 18));
}

TEST(HtmlRtf, WholeSmallDocument) {
  const std::string html = "<html>\r\n<body class=\"x\">A &amp; B<!-- c --></body>\r\n</html>\r\n";
  const std::string expected = kHead +
                               "\\cf7 <\\cf4 html\\cf7 >\\par \\cf5 \r\n"
                               "\\cf7 <\\cf4 body\\cf5  \\cf3 class\\cf7 =\\cf6 \"x\"\\cf7 >"
                               "\\cf8 A \\cf11 &amp;\\cf8  B\\cf2 <!--\\cf2  c -->"
                               "\\cf7 <\\cf4 /body\\cf7 >\\par \\cf5 \r\n"
                               "\\cf7 <\\cf4 /html\\cf7 >\\par \\cf5 \r\n" +
                               kTail;
  TqlxHTMLRTF writer;
  writer.SetText(html);
  EXPECT_EQ(writer.ConvertToString(), expected);
  // Converting again starts from the beginning; the stream gets the same
  // bytes, and so do pieces of any size, each but the last at least that big.
  std::ostringstream stream;
  writer.SaveToStream(stream);
  EXPECT_EQ(stream.str(), expected);
  for (const std::size_t size : {std::size_t{1}, std::size_t{40}, expected.size()}) {
    std::vector<std::string> pieces;
    writer.ConvertInPieces([&](std::string_view piece) { pieces.emplace_back(piece); }, size);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (i + 1 < pieces.size()) {
        EXPECT_GE(pieces[i].size(), size);
      }
      joined += pieces[i];
    }
    EXPECT_EQ(joined, expected) << "pieces of " << size;
  }
}

TEST(HtmlRtf, AlternativeColourTable) {
  TqlxHTMLRTF writer;
  writer.SetDefaultColors();
  EXPECT_EQ(writer.ColorTable(),
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green0\\blue0;"
            "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue0;"
            "\\red0\\green128\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue0;"
            "\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green0\\blue0;}\r\n");
}

TEST(HtmlRtf, FontTableKeywords) {
  TqlxHTMLRTF writer;
  const RtfFont fonts[] = {
      {"A", FontFamily::Swiss, 128}, {"B", FontFamily::DontCare, 2}, {"C", FontFamily::Other, 77}};
  writer.SetFonts(fonts);
  EXPECT_EQ(writer.FontTable(),
            "{\\f0\\fswiss\\fcharset128 A;}{\\f1\\fdontcare\\fcharset2 B;}{\\f2\\froman\\ C;}");
}

TEST(HtmlRtf, FormatTokenRules) {
  TqlxHTMLRTF writer;
  struct {
    int c;
    std::string text, expected;
  } cases[] = {
      {9, "//x", "\\cf9 \\b //x\\b0 "}, {10, "\"v\"", "\\cf6 \"v\""}, {10, "v\"", "\\cf10 v\""},
      {3, " \t//x", "\\cf2  \t//x"},    {3, "/x", "\\cf3 /x"},        {11, "&amp;", "\\cf11 &amp;"},
  };
  for (const auto& c : cases) {
    std::string out;
    writer.FormatToken(c.c, c.text, out);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(HtmlNames, TagTableIsComplete) {
  const auto names = KnownTagNames();
  EXPECT_EQ(names.size(), 198u);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size());
  int openings = 0;
  for (auto name : names) {
    SCOPED_TRACE(std::string(name));
    const int hash = TagWordHash(name);
    EXPECT_LT(hash, kTagHashLimit);
    EXPECT_TRUE(IsKnownTagWord(name, hash));
    EXPECT_EQ(TagWordLength(name), name.size());
    if (!name.starts_with('/')) ++openings;
  }
  EXPECT_EQ(openings, 109);
  EXPECT_EQ(TagWordHash("/BLOCKQUOTE"), 243);
  EXPECT_EQ(TagWordHash("!DOCTYPE"), 211);
  EXPECT_EQ(TagWordHash("h1"), 9);
  for (const char* absent : {"/IMG", "/BR", "/HR", "/META", "/INPUT", "SECTION", "H7"}) {
    EXPECT_FALSE(IsKnownTagWord(absent, TagWordHash(absent))) << absent;
  }
  for (const char* present : {"marquee", "/Noscript", "bgsound", "!doctype", "/h6", "wbr"}) {
    EXPECT_TRUE(IsKnownTagWord(present, TagWordHash(present))) << present;
  }
}

TEST(HtmlNames, TagWordStopsAfterDigits) {
  struct {
    const char* text;
    std::size_t length;
  } cases[] = {{"h1>", 2}, {"h12a", 3}, {"/p ", 2}, {"1x", 1}, {"-x", 0}, {"表", 0}, {"a-b", 1}};
  for (const auto& c : cases) EXPECT_EQ(TagWordLength(c.text), c.length) << c.text;
}

TEST(HtmlNames, EntityTableIsComplete) {
  const auto entities = EntityTexts();
  EXPECT_EQ(entities.size(), 151u);
  EXPECT_EQ(std::set<std::string_view>(entities.begin(), entities.end()).size(), entities.size());
  EXPECT_EQ(entities.front(), "&amp;");
  EXPECT_EQ(entities[5], "&nbsp;");
  EXPECT_EQ(entities.back(), "&#215;");
  struct {
    const char* text;
    std::size_t length;
  } cases[] = {{"&amp;x", 5}, {"&divide;", 7}, {"&ldots;", 7}, {"&#128;", 6},
               {"&#133;", 0}, {"&Yuml;", 0},   {"&yuml;", 6},  {"&THORN;", 7},
               {"&euro;", 6}, {"&#9;", 4},     {"&", 0},       {"amp;", 0}};
  for (const auto& c : cases) EXPECT_EQ(EntityLengthAt(c.text), c.length) << c.text;
}

}  // namespace
}  // namespace korva
