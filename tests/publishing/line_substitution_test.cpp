#include "publishing/line_substitution.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "html/document_html.h"
#include "html/placeholders.h"
#include "publishing/web_set.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using namespace literals;

// Line by line must give what the substitution gives on the whole text.
TEST(SubstitutingLineWriter, MatchesTheWholeTextSubstitution) {
  Settings settings;
  settings.BtnEditWebDomain = "https://x.jp/";
  settings.BtnEditWebReturn2Home = "@domain@index.html";
  Document doc;
  doc.DocumentTitle = "会議録"_sj;
  // Long enough to be handed over in several pieces.
  StringList manyLines;
  for (int i = 0; i < 40000; ++i)
    manyLines.push_back(i % 7 == 0 ? "@title@　＼"_sj : "本文　です"_sj);
  const StringList cases[] = {
      manyLines,
      {"<title>@title@</title>", "本文　です", "<a href=\"@home@\">"},
      {"　@filename@", "@domain@"},
      {"あ￣い", "表\\", "ソ\\＼", "　　　"},
      // "@" and 0x81 as trail bytes are no placeholders; a real "￣" is.
      {"\x81\x40\x81\x40", "\x82\x81\x50x", "\x82\x40\x81\x50x"},
      // A lead byte takes the "@" after it; a lone one at the end is a character.
      {"\x81@title@", "x\x81", "\x81\x81@title@"},
      {"", "", "@@", "@ti", "tle@"},
      {},
  };
  for (const StringList& lines : cases) {
    const LineSubstitution web = [&](std::string_view text) {
      return WebChangeAttmark(text, settings, doc);
    };
    std::string written;
    std::vector<std::size_t> pieces;
    const PieceWriter write = [&](std::string_view piece) {
      written += piece;
      pieces.push_back(piece.size());
    };
    SubstitutingLineWriter writer(web, write);
    writer.AddAll(lines);
    writer.Finish();
    EXPECT_EQ(written, web(sjis::JoinLines(lines, true))) << (lines.empty() ? "" : lines[0]);
    // Full pieces but the last, which is not empty.
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) EXPECT_GE(pieces[i], kSavePieceSize);
    if (!pieces.empty()) {
      EXPECT_GT(pieces.back(), 0u);
    }
  }
}

TEST(IsCharBoundary, PairsTheLeadBytesBeforeAPosition) {
  struct Case {
    std::string text;
    std::size_t at;
    bool boundary;
  };
  const Case cases[] = {
      {"@", 0, true},
      {"a@", 1, true},
      {"\x81\x40", 1, false},          // "　": "@" is its trail byte
      {"\x81\x40@", 2, true},          // "　@"
      {"\x81\x81\x40", 2, true},       // "＼"-like pair 0x81 0x81, then "@"
      {"\x81\x81\x81\x40", 3, false},  // two leads paired, the third takes "@"
      {"\x95\x5C\x81\x40", 3, false},  // "表　"
      {"\x95\x5C\x81\x40", 2, true},
      {"\xE0\x81\x81\x50", 2, true},  // "X" then "￣"
      {"\xE0\x81\x50", 1, false},     // 0x81 is the trail of "X": no "￣" here
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsCharBoundary(c.text, c.at), c.boundary) << c.at << " in " << c.text.size();
  }
}

// Whether a line holds "@", "￣" or "＼" as characters, told by pairing every
// lead byte with the byte after it from the start.
bool HoldsPlaceholderCharacter(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c == '@') return true;
    if (sjis::IsLeadByte(c) && i + 1 < line.size()) {
      const auto t = static_cast<unsigned char>(line[i + 1]);
      if (c == 0x81 && (t == 0x50 || t == 0x5F)) return true;
      ++i;
    }
  }
  return false;
}

// Lines of the bytes that make the traps (lead bytes that take an "@", "P" or
// "_" as trail, runs of lead bytes, 0x81 as a trail) at every length around
// the eight bytes the search takes at a time.
TEST(MayNeedSubstitution, TellsCharactersFromTrailBytes) {
  const std::string bytes = "@P_a\x81\x82\x9F\xE0\xFC\xA0\x40";
  std::mt19937 random(16);
  for (int round = 0; round < 200000; ++round) {
    std::string line(random() % 26, ' ');
    for (char& c : line) c = bytes[random() % bytes.size()];
    // Mostly "　" and kanji, as minutes are.
    if (round % 2 == 0) {
      for (std::size_t i = 0; i + 1 < line.size(); i += 2 + random() % 3) {
        line.replace(i, 2, round % 4 == 0 ? "\x81\x40" : "\x8B\x63");
      }
    }
    ASSERT_EQ(MayNeedSubstitution(line), HoldsPlaceholderCharacter(line))
        << ::testing::PrintToString(line);
  }
}

// The normal page written with the body's plain lines known gives the same
// bytes as one that looks at every line, layout markers and traps included.
TEST(PlainBodyLines, LeaveTheNormalPageAsItIs) {
  const std::string fragments[] = {"%hol%", "%",        "\x81",    "@",        "\x50",    "\x5F",
                                   "a",     "\x81\x40", "@title@", "\x81\x5F", "\x8B\x63"};
  std::mt19937 random(16);
  Settings settings;
  Document doc;
  doc.DocumentTitle = "会議録"_sj;
  for (int i = 0; i < 3000; ++i) {
    std::string line;
    for (int n = random() % 8; n > 0; --n) line += fragments[random() % std::size(fragments)];
    doc.BodyHTMLList.push_back(line);
  }
  const auto page = [&] {
    std::string written;
    const LineSubstitution substitute = [&](std::string_view text) {
      return ChangeAttmark(text, settings, doc);
    };
    SubstitutingLineWriter writer(substitute, [&](std::string_view piece) { written += piece; });
    MakeNormalFile(settings, doc, kHeadLocal, writer);
    writer.Finish();
    return written;
  };
  const std::string looked = page();
  const PlainBodyLines plain(doc);
  ASSERT_EQ(doc.BodyPlainLines.size(), doc.BodyHTMLList.size());
  EXPECT_EQ(page(), looked);
}

}  // namespace
}  // namespace korva
