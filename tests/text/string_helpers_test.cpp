#include "text/string_helpers.h"

#include <gtest/gtest.h>

#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

struct TrimCase {
  std::string input;
  std::string left, right, both, allSpaces, deleted;
};

TEST(StringHelpers, TrimFamily) {
  const TrimCase cases[] = {
      {"　 \t議長　 "_sj, "議長　 "_sj, "　 \t議長"_sj, "議長"_sj, "\t議長"_sj, "\t議長"_sj},
      // A control character behind a full-width space survives TrimAllSpaces.
      {"\t　\tA　"_sj, "A　"_sj, "\t　\tA"_sj, "A", "\tA", "\t\tA"},
      {"", "", "", "", "", ""},
      {"　　"_sj, "", "", "", "", ""},
      // The trail byte 0x40 of "・" (0x81 0x45) etc. is no space; "＠" ends in 0x97.
      {"表 ソ"_sj, "表 ソ"_sj, "表 ソ"_sj, "表 ソ"_sj, "表 ソ"_sj, "表ソ"_sj},
      // A character whose trail byte is 0x40 at the end is kept: "ァ" is 0x83 0x40.
      {"ァ"_sj, "ァ"_sj, "ァ"_sj, "ァ"_sj, "ァ"_sj, "ァ"_sj},
      {"a　b"_sj, "a　b"_sj, "a　b"_sj, "a　b"_sj, "a　b"_sj, "ab"},
      // A space taken as the second byte of a lead byte is no space of its own.
      {"\x81 \x81\x40", "\x81 \x81\x40", "\x81 ", "\x81 ", "\x81 ", "\x81 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Cp932ToUtf8Lossy(c.input));
    EXPECT_EQ(ZenkakuTrimLeft(c.input), c.left);
    EXPECT_EQ(ZenkakuTrimRight(c.input), c.right);
    EXPECT_EQ(ZenkakuTrim(c.input), c.both);
    EXPECT_EQ(TrimAllSpaces(c.input), c.allSpaces);
    EXPECT_EQ(DeleteAllSpaces(c.input), c.deleted);
  }
}

TEST(StringHelpers, SeparatorLines) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"―――――"_sj, true},
      {"- - -", true},
      {"○　◇　□"_sj, true},
      {"━━〓━━"_sj, true},
      {"～＝☆〇─－"_sj, true},
      {"――――休憩――――"_sj, false},
      {"○議長"_sj, false},
      {"※"_sj, false},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(IsSeparatorLine(line), expected) << Cp932ToUtf8Lossy(line);
  }
}

TEST(StringHelpers, LeadingZenkakuSpacesStopsAtTwenty) {
  std::string twentyFive;
  for (int i = 0; i < 25; ++i) twentyFive += "　"_sj;
  EXPECT_EQ(LeadingZenkakuSpaces(twentyFive).size(), 40u);
  EXPECT_EQ(LeadingZenkakuSpaces("　　議長"_sj), "　　"_sj);
  EXPECT_EQ(LeadingZenkakuSpaces(" 　議長"_sj), "");
  EXPECT_EQ(LeadingZenkakuSpaces(""), "");
}

TEST(StringHelpers, RemoveSpeakerMarks) {
  EXPECT_EQ(RemoveSpeakerMarks("○議長（山田　太郎君）"_sj, 0), "議長（山田　太郎君）"_sj);
  EXPECT_EQ(RemoveSpeakerMarks("○議長（山田　太郎 君）"_sj, 1), "議長（山田太郎君）"_sj);
  EXPECT_EQ(RemoveSpeakerMarks("◎◯∇※＠￥市長"_sj, 0), "市長"_sj);
  // Marks only go away where they stand as whole characters.
  EXPECT_EQ(RemoveSpeakerMarks("表示"_sj, 1), "表示"_sj);
}

TEST(StringHelpers, NumberPadding) {
  EXPECT_EQ(PadNumber(3, 4), "   3");
  EXPECT_EQ(PadNumber(12345, 4), "12345");
  EXPECT_EQ(ZeroPadNumber(7, 4), "0007");
  EXPECT_EQ(ZeroPadNumber(12345, 4), "12345");
  EXPECT_EQ(NbspPadNumber(7, 4), "&nbsp;&nbsp;&nbsp;7");
  EXPECT_EQ(NbspPadNumber(1234, 4), "1234");
  EXPECT_EQ(NbspPadNumber(12345, 4), "12345");
}

TEST(StringHelpers, SearchFromIsOneBasedAndLeadByteAware) {
  const std::string s = "○議長○"_sj;  // ○ at bytes 1 and 7
  EXPECT_EQ(SearchFrom("○"_sj, s, 0), 1u);
  EXPECT_EQ(SearchFrom("○"_sj, s, 1), 7u);
  EXPECT_EQ(SearchFrom("○"_sj, s, 7), 0u);
  EXPECT_EQ(SearchFrom("@", "　@"_sj, 0), 3u);
  EXPECT_EQ(SearchFrom("\\", "表ソ"_sj, 0), 0u);
  EXPECT_EQ(Pos("議長"_sj, s), 3u);
  EXPECT_EQ(Pos("", s), 0u);
}

}  // namespace
}  // namespace korva
