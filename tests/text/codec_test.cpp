#include "text/codec.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(Codec, UsesCp932WhereItDiffersFromShiftJis) {
  // CP932 maps these to the full-width forms; plain Shift_JIS would not.
  struct Case {
    const char* utf8;
    std::string cp932;
  };
  const Case cases[] = {
      {"～", "\x81\x60"}, {"－", "\x81\x7C"}, {"―", "\x81\x5C"},  {"＼", "\x81\x5F"},
      {"　", "\x81\x40"}, {"〓", "\x81\xAC"}, {"表", "\x95\x5C"}, {"髙", "\xFB\xFC"},
      {"①", "\x87\x40"},  {"ｱ", "\xB1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
  }
}

// The wave dash and the minus sign encode as the full-width tilde and hyphen
// do (as glibc maps them; the Windows code-page API differs), and decode as those.
TEST(Codec, WaveDashAndMinusJoinTheirFullWidthForms) {
  EXPECT_EQ(Utf8ToCp932("〜−"), "\x81\x60\x81\x7C");
  EXPECT_EQ(Cp932ToUtf8("\x81\x60\x81\x7C"), "～－");
}

TEST(Codec, StrictDecodingNamesTheOffsetOfTheBadByte) {
  const std::string bad = std::string("ab") + "\x81\x20" + "c";
  try {
    Cp932ToUtf8(bad);
    FAIL() << "no error for an invalid byte pair";
  } catch (const CodecError& e) {
    EXPECT_EQ(e.offset(), 2u);
  }
  EXPECT_FALSE(IsValidCp932(bad));
  EXPECT_FALSE(IsValidCp932("\x81"));  // truncated lead byte
  EXPECT_TRUE(IsValidCp932("議長"_sj));
  EXPECT_EQ(Cp932ToUtf8Lossy(bad), "ab\xEF\xBF\xBD c");
}

TEST(Codec, UnmappableCharactersBecomeGetaWithTheirOffsets) {
  std::vector<std::size_t> replaced;
  // U+1F600 and U+00E9 ("é" has no CP932 form) become "〓".
  const std::string out = Utf8ToCp932(
      "a\xF0\x9F\x98\x80"
      "b\xC3\xA9",
      &replaced);
  EXPECT_EQ(out,
            "a\x81\xAC"
            "b\x81\xAC");
  EXPECT_EQ(replaced, (std::vector<std::size_t>{1, 6}));
  // Invalid UTF-8 is replaced too and never stops the conversion.
  replaced.clear();
  EXPECT_EQ(Utf8ToCp932("x\xFFy", &replaced), "x\x81\xACy");
  EXPECT_EQ(replaced, (std::vector<std::size_t>{1}));
}

TEST(Codec, RecognisesUtf8) {
  EXPECT_TRUE(IsValidUtf8("議長"));
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("議長"_sj));
  EXPECT_FALSE(IsValidUtf8("\xE8\xAD"));  // truncated
}

TEST(Codec, LiteralIsConvertedOnceAndCached) {
  const std::string& first = "議長"_sj;
  const std::string& second = "議長"_sj;
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first, "\x8B\x63\x92\xB7");
}

}  // namespace
}  // namespace korva
