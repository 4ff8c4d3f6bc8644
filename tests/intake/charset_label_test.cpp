#include "intake/charset_label.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

struct Case {
  const char* name;
  int mode;
  std::string input, expected;
};

TEST(CharsetLabel, Modes) {
  const Case cases[] = {
      {"to UTF-8 changes only the first charset label", 2,
       "<meta charset=Shift_JIS\"><meta charset=Shift_JIS\">",
       "<meta charset=UTF-8\"><meta charset=Shift_JIS\">"},
      {"to UTF-8 is case-sensitive", 2, "charset=SHIFT_JIS\"", "charset=SHIFT_JIS\""},
      {"to UTF-8: XML declaration", 2, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>"},
      {"to UTF-8: quoted label, first only", 2, "a=\"Shift_JIS\" b=\"Shift_JIS\"",
       "a=\"UTF-8\" b=\"Shift_JIS\""},
      {"to UTF-8: lower-case quoted label", 2, "x=\"shift_jis\"", "x=\"UTF-8\""},
      {"to UTF-8: apostrophes twice, a third stays", 2, "'Shift_JIS' 'Shift_JIS' 'Shift_JIS'",
       "\"UTF-8\" \"UTF-8\" 'Shift_JIS'"},
      {"to Shift_JIS: two passes change two of a label", 0,
       "charset=sjis\" charset=sjis\" charset=sjis\"",
       "charset=Shift_JIS\" charset=Shift_JIS\" charset=sjis\""},
      {"to Shift_JIS: a label listed twice is changed four times", 0,
       "charset=shift-jis\" charset=shift-jis\" charset=shift-jis\" charset=shift-jis\" "
       "charset=shift-jis\"",
       "charset=Shift_JIS\" charset=Shift_JIS\" charset=Shift_JIS\" charset=Shift_JIS\" "
       "charset=shift-jis\""},
      {"to Shift_JIS: apostrophe form", 0, "charset=x-jis'", "charset=Shift_JIS'"},
      {"to Shift_JIS: is case-sensitive", 0, "charset=Sjis\"", "charset=Sjis\""},
      {"to Shift_JIS: encoding and quoted charset", 0,
       "<?xml encoding=\"utf-8\"?><meta charset=\"UTF-8\">",
       "<?xml encoding=\"Shift_JIS\"?><meta charset=\"Shift_JIS\">"},
      {"to EUC-JP: all, any case", 1, " charset=Shift_JIS\" CHARSET=shift_jis\" charset=UTF-8\"",
       " charset=euc-jp\" charset=euc-jp\" charset=UTF-8\""},
      {"bare labels: all, any case", 3, "\"EUC-JP\" \"s_jis\" \"utf-8\" \"UTF-8\"",
       "\"Shift_JIS\" \"Shift_JIS\" \"Shift_JIS\" \"Shift_JIS\""},
      {"bare labels: sjis is replaced before x-sjis", 3, "\"x-sjis\"", "\"x-Shift_JIS\""},
      {"to ISO-2022-JP", 4, "\"Shift_JIS\" \"SHIFT_JIS\"", "\"iso-2022-jp\" \"iso-2022-jp\""},
      {"to UTF-8, bare", 5, "\"Shift_JIS\" \"shift_jis\"", "\"utf-8\" \"utf-8\""},
      // "ソ" is 0x83 0x5C: its trail byte must not disturb the search.
      {"document text before the label", 2, "\x83\x5C\x83\x5C<meta charset=Shift_JIS\">",
       "\x83\x5C\x83\x5C<meta charset=UTF-8\">"},
      {"mode 6 changes nothing", 6, "charset=Shift_JIS\"", "charset=Shift_JIS\""},
      {"a negative mode changes nothing", -1, "charset=Shift_JIS\"", "charset=Shift_JIS\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceCharsetLabel(c.input, c.mode), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace korva
