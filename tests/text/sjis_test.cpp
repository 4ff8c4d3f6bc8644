#include "text/sjis.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

// Trail bytes that look like ASCII must never match a search for that ASCII.
TEST(SjisFind, NeverMatchesInsideADoubleByteCharacter) {
  struct Case {
    std::string text;
    std::string needle;
    std::size_t expected;
  };
  const Case cases[] = {
      {"　"_sj, "@", sjis::npos},   // 0x81 0x40
      {"　@"_sj, "@", 2},           // the real one after it
      {"表"_sj, "\\", sjis::npos},  // 0x95 0x5C
      {"ソ"_sj, "\\", sjis::npos},  // 0x83 0x5C
      {"表\\"_sj, "\\", 2},
      {"ソ表\\x"_sj, "\\x", 4},
      {"ア["_sj, "[", 2},  // "[" after a double-byte character
      {"ア]"_sj, "]", 2},
      {"能["_sj, "[", 2},  // 0x94 0x5C then "["
      {"abc"_sj, "", 0},
      {"議長議長"_sj, "議長"_sj, 0},
      {"x議長"_sj, "議長"_sj, 1},
      // "長" is 0x92 0xB7; "議長" spelled from its middle must not match.
      {"議長議"_sj, std::string("\xB7\x8B", 2), sjis::npos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sjis::Find(c.text, c.needle), c.expected)
        << Cp932ToUtf8Lossy(c.text) << " / " << Cp932ToUtf8Lossy(c.needle);
  }
}

TEST(SjisFind, StartsAtTheGivenBoundaryAndFindsTheLastOccurrence) {
  const std::string s = "@　@表@"_sj;  // @ 81 40 @ 95 5C @
  EXPECT_EQ(sjis::Find(s, "@", 1), 3u);
  EXPECT_EQ(sjis::Find(s, "@", 4), 6u);
  EXPECT_EQ(sjis::RFind(s, "@"), 6u);
  EXPECT_EQ(sjis::RFind("　表"_sj, "@"), sjis::npos);
  EXPECT_EQ(sjis::RFind("aaa", "aa"), 1u);
}

TEST(SjisFind, IgnoresAsciiCaseButNotTrailBytes) {
  EXPECT_EQ(sjis::Find("<META charset>", "meta", 0, sjis::Case::IgnoreAscii), 1u);
  EXPECT_EQ(sjis::Find("<META>", "meta"), sjis::npos);
  // "ー" is 0x81 0x5B; "ａ" is 0x82 0x81: nothing folds inside them.
  EXPECT_EQ(sjis::Find("ー"_sj, "[", 0, sjis::Case::IgnoreAscii), sjis::npos);
  // 0x83 0x41 ("ア") must not match "a" after folding 'A'.
  EXPECT_EQ(sjis::Find("ア"_sj, "a", 0, sjis::Case::IgnoreAscii), sjis::npos);
  EXPECT_EQ(sjis::Find("アA"_sj, "a", 0, sjis::Case::IgnoreAscii), 2u);
}

TEST(SjisEndsWith, RequiresACharacterBoundary) {
  EXPECT_FALSE(sjis::EndsWith("表"_sj, "\\"));
  EXPECT_TRUE(sjis::EndsWith("表\\"_sj, "\\"));
  EXPECT_TRUE(sjis::EndsWith("議長"_sj, "長"_sj));
  EXPECT_FALSE(sjis::EndsWith("　"_sj, "@"));
}

TEST(SjisReplace, FirstAndAllStepWholeCharacters) {
  const std::string s = "表@　@ソ@"_sj;
  EXPECT_EQ(sjis::ReplaceFirst(s, "@", "#"), "表#　@ソ@"_sj);
  EXPECT_EQ(sjis::ReplaceAll(s, "@", "#"), "表#　#ソ#"_sj);
  EXPECT_EQ(sjis::ReplaceAll("表ソ"_sj, "\\", "/"), "表ソ"_sj);
  EXPECT_EQ(sjis::ReplaceAll("aAa", "a", "b", sjis::Case::IgnoreAscii), "bbb");
  EXPECT_EQ(sjis::ReplaceAll("aaa", "aa", "a"), "aa");  // no re-scan of the replacement
  EXPECT_EQ(sjis::ReplaceFirst("abc", "", "x"), "abc");
}

TEST(SjisSplitLines, AcceptsEveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(sjis::SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(sjis::SplitLines("a\r\n"), (V{"a"}));
  EXPECT_EQ(sjis::SplitLines("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_EQ(sjis::SplitLines("\r\r"), (V{"", ""}));
  EXPECT_EQ(sjis::SplitLines(""), V{});
  EXPECT_EQ(sjis::SplitLines("\n"), (V{""}));
  EXPECT_EQ(sjis::SplitLines("ab"), (V{"ab"}));
  EXPECT_EQ(sjis::SplitLines("a\n\rb"), (V{"a", "", "b"}));
  EXPECT_EQ(sjis::SplitLines("\n\r\n表\r"_sj), (V{"", "", "表"_sj}));
  EXPECT_EQ(sjis::JoinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(sjis::JoinLines({"a", "b"}, false), "a\r\nb");
}

TEST(SjisCharacters, LastAndFirstCharacterAreWhole) {
  EXPECT_EQ(sjis::LastChar("ab表"_sj), "表"_sj);
  EXPECT_EQ(sjis::LastChar("表a"_sj), "a");
  EXPECT_EQ(sjis::LastChar("表\\"_sj), "\\");
  EXPECT_EQ(sjis::LastChar(""), "");
  EXPECT_EQ(sjis::FirstChar("表a"_sj), "表"_sj);
  EXPECT_EQ(sjis::CharCount("表a　"_sj), 3u);
  // A lone lead byte at the end is one character of its own.
  EXPECT_EQ(sjis::LastChar(std::string("a\x81", 2)), std::string("\x81", 1));
}

}  // namespace
}  // namespace korva
