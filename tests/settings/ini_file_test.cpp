#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

struct LookupCase {
  const char* name;
  std::string text;
  std::string section, key;
  std::optional<std::string> expected;
};

TEST(IniFileTest, FindsSectionsAndKeysRegardlessOfCase) {
  const std::vector<LookupCase> cases = {
      {"lower key", "[Local]\r\nhtml=h2612t4-1\r\n", "Local", "Html", "h2612t4-1"},
      {"capital key", "[Local]\r\nCSS=css/minutes.css\r\n", "Local", "css", "css/minutes.css"},
      {"section case", "[LOCAL]\r\nRoot=/r/\r\n", "Local", "Root", "/r/"},
      {"LF only", "[A]\nk=v\n", "A", "k", "v"},
      {"CR only", "[A]\rk=v\r", "A", "k", "v"},
      {"blanks around", "  [ A ]  \r\n  k  =  v  \r\n", "A", "k", "v"},
      {"no final break", "[A]\r\nk=v", "A", "k", "v"},
      {"empty value", "[A]\r\nk=\r\n", "A", "k", ""},
      {"quotes kept", "[A]\r\nk=\"q\"\r\n", "A", "k", "\"q\""},
      {"= inside value", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
      {"other section", "[A]\r\nk=v\r\n[B]\r\n", "B", "k", std::nullopt},
      {"missing section", "[A]\r\nk=v\r\n", "C", "k", std::nullopt},
      {"entry before any section", "k=v\r\n[A]\r\n", "A", "k", std::nullopt},
      {"first of duplicated sections", "[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "k", "1"},
      {"duplicated section is not merged", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j", std::nullopt},
      {"first of duplicated keys", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
      {"comment is no key", "[A]\r\n;k=1\r\n", "A", ";k", std::nullopt},
      // "ア" ends in 0x41 ('A') and "ヂ" in 0x61 ('a'): folding a trail byte would match them.
      {"trail bytes never fold", Sj("[A]\r\nア=1\r\n"), "A", Sj("ヂ"), std::nullopt},
      {"half-width letter after a double-byte one folds", Sj("[A]\r\n表A=1\r\n"), "A", Sj("表a"),
       "1"},
      {"misspelt keys are names of their own", "[A]\r\nRetun2list=1\r\n", "A", "Return2list",
       std::nullopt},
      {"bad bytes are a value", "[A]\r\nk=\x82\x20\xFF\r\n", "A", "k", "\x82\x20\xFF"},
      {"Japanese key", Sj("[議事]\r\n議長=○\r\n"), Sj("議事"), Sj("議長"), Sj("○")},
      // "ゾ" is 0x83 0x5D: its trail byte is "]".
      {"bracket trail byte", Sj("[ゾ]\r\nk=v\r\n"), Sj("ゾ"), "k", "v"}};
  for (const auto& c : cases) {
    const IniFile ini = IniFile::Parse(c.text);
    EXPECT_EQ(ini.Get(c.section, c.key), c.expected) << c.name;
  }
}

struct SetCase {
  const char* name;
  std::string before;
  std::string section, key, value;
  std::string after;
};

TEST(IniFileTest, SetUpdatesInPlaceAndKeepsEveryOtherLine) {
  const std::vector<SetCase> cases = {
      {"in place, own spelling", "; note\r\n[Local]\r\nhtml=a\r\nx=1\r\n", "Local", "Html", "b",
       "; note\r\n[Local]\r\nhtml=b\r\nx=1\r\n"},
      {"new key after the last entry", "[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n", "A", "n", "3",
       "[A]\r\nk=1\r\nn=3\r\n\r\n[B]\r\nj=2\r\n"},
      {"new key in an empty section", "[A]\r\n[B]\r\n", "A", "n", "3", "[A]\r\nn=3\r\n[B]\r\n"},
      {"new section at the end", "[A]\r\nk=1\r\n", "B", "j", "2", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"},
      {"empty file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {"LF file becomes CR LF", "[A]\nk=1\ngarbage\n", "A", "k", "2", "[A]\r\nk=2\r\ngarbage\r\n"},
      {"only the first duplicate", "[A]\r\nk=1\r\n[A]\r\nk=1\r\n", "A", "k", "2",
       "[A]\r\nk=2\r\n[A]\r\nk=1\r\n"},
      {"bad lines kept byte for byte", "[A]\r\nno equals\r\nk=\x82\x20\xFF\r\nb\x01=\x7f\r\n=v\r\n",
       "A", "n", "1", "[A]\r\nno equals\r\nk=\x82\x20\xFF\r\nb\x01=\x7f\r\n=v\r\nn=1\r\n"},
      {"line break in a value", "[A]\r\n", "A", "k", "a\r\n[B]\nb", "[A]\r\nk=a  [B] b\r\n"}};
  for (const auto& c : cases) {
    IniFile ini = IniFile::Parse(c.before);
    ini.Set(c.section, c.key, c.value);
    EXPECT_EQ(ini.Serialize(), c.after) << c.name;
  }
}

TEST(IniFileTest, ProblemsNameTheirLines) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::size_t> lines;  // of the other problems, checked for CP932 files
    bool utf8;
  };
  const std::vector<Case> cases = {
      {"missing =, bad bytes, empty key",
       "[A]\r\nno equals sign\r\nk=\x82\x20\xFF\r\nbin\x01\x02=\x7f\r\n=v\r\n",
       {2, 3, 5},
       false},
      {"duplicated key and section", "[A]\r\nk=1\r\nK=2\r\n[a]\r\nk=3\r\n", {3, 4}, false},
      {"UTF-8 text", "[LeftLink]\r\nSubjectTitle=議題・発言者\r\n", {}, true},
      {"UTF-8 mark", "\xEF\xBB\xBF[Local]\r\nHtml=a\r\n", {}, true},
      {"CP932 text", Sj("[LeftLink]\r\nSubjectTitle=議題・発言者\r\n"), std::vector<std::size_t>(),
       false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::size_t> lines;
    bool utf8 = false;
    const IniFile ini = IniFile::Parse(c.text);
    for (const auto& p : ini.Problems()) {
      if (p.description.find("UTF-8") != std::string::npos) {
        utf8 = true;
      } else {
        lines.push_back(p.lineNo);
      }
    }
    if (!c.utf8) {
      EXPECT_EQ(lines, c.lines);
    }
    EXPECT_EQ(utf8, c.utf8);
  }
}

TEST(IniFileTest, VeryLongLineIsReadWhole) {
  const std::string value(2'000'000, 'x');
  const IniFile ini = IniFile::Parse("[A]\r\nk=" + value + "\r\nj=2\r\n");
  EXPECT_EQ(ini.Get("A", "k")->size(), value.size());
  EXPECT_EQ(ini.Get("A", "j"), "2");
}

}  // namespace
}  // namespace korva
