// korva-cli table and check, run as a script would run them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using testing::CliRun;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::RunCli;
using testing::ShellQuote;
using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(text.substr(start, nl - start));
  }
  return lines;
}

const char* kSample =
    "会議録\r\n■開議\r\n○議長（山田太郎君）　開会します。\r\n　続けます。\r\n午後２時散会\r\n";

class CliMinutes : public ::testing::Test {
 protected:
  TempFolder temp;

  // Writes UTF-8 `text` as CP932 to `name` and runs `command` on that file.
  CliRun RunOn(const std::string& command, const char* name, const std::string& text) {
    temp.File(name, Sj(text));
    return RunCli(command + " " + ShellQuote(temp.path() / name));
  }
};

TEST_F(CliMinutes, TablePrintsOneRowPerLine) {
  const CliRun r = RunOn("table", "t@n.txt", kSample);
  EXPECT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], "   3\t○議長（山田太郎君）\t　開会します。\t2\t1\t3\t\t発言者");
  EXPECT_EQ(lines[4], "   5\t\t午後２時散会\t8\t\t\t9\t");
}

TEST_F(CliMinutes, Utf8InputIsConvertedAndReplacementsAreReported) {
  // "𠮷" has no Shift_JIS code.
  temp.File("u@n.txt", "■開議\n○議長（山田𠮷郎君）　開会します。\n");
  const std::string file = ShellQuote(temp.path() / "u@n.txt");
  for (const char* encoding : {"utf-8", "auto"}) {
    const CliRun r = RunCli(std::string("--input-encoding ") + encoding + " table " + file);
    EXPECT_EQ(r.status, 0) << encoding;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << encoding;
    EXPECT_EQ(lines[1], "   2\t○議長（山田〓郎君）\t　開会します。\t2\t1\t3\t\t発言者") << encoding;
    EXPECT_THAT(r.err, HasSubstr("line(s) 2"));
    EXPECT_THAT(r.err, HasSubstr("u@n.txt"));
  }
  // Read as CP932, the UTF-8 bytes are kept and named as not Shift_JIS.
  const CliRun raw = RunCli("table " + file);
  EXPECT_THAT(raw.err, HasSubstr("not Shift_JIS"));
}

TEST_F(CliMinutes, CheckReportsCountsSpeakersAndProblems) {
  temp.File("ok@n.txt", Sj(kSample));
  temp.File("bad@n.txt", Sj("■開議\r\n【【\r\n引用\r\n】】\r\n「「\r\n議案第１号\r\n"));
  const std::string ok = ShellQuote(temp.path() / "ok@n.txt");
  const std::string bad = ShellQuote(temp.path() / "bad@n.txt");

  CliRun r = RunCli("check " + ok);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("    議長（山田太郎君）\n"));
  EXPECT_THAT(r.out, HasSubstr("problems (0)"));

  r = RunCli("check " + ok + " " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.out, HasSubstr("「「 」」  1 / 0  (unbalanced)"));
  EXPECT_THAT(r.out, HasSubstr("【【 】】  1 / 1\n"));
  EXPECT_THAT(r.out, HasSubstr("line 5: \"「「\" is not closed by \"」」\""));

  // Designations alone on their lines never open the proceedings without a "■" line.
  r = RunOn("check", "plain@n.txt", "◯議長（高瀬博文）\r\n　報告します。\r\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_THAT(r.out, HasSubstr("no speaker line found"));
}

TEST_F(CliMinutes, TableEscapesTabsAndBackSlashesInFields) {
  // The last line's only "\" byte lies in its second word of eight bytes.
  const CliRun r =
      RunOn("table", "tab@n.txt", "■開議\r\n　開会\tします。表\\ソ\r\n　開会開会開会\\開会\r\n");
  EXPECT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  // Still eight fields; "表" and "ソ" end in the byte of "\" and stay as they are.
  const auto fields = [&](std::size_t line) {
    std::vector<std::string> found;
    for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
      tab = lines[line].find('\t', from);
      found.push_back(lines[line].substr(from, tab - from));
    }
    return found;
  };
  ASSERT_EQ(fields(1).size(), 8u) << lines[1];
  EXPECT_EQ(fields(1)[2], "　開会\\tします。表\\\\ソ");
  ASSERT_EQ(fields(2).size(), 8u) << lines[2];
  EXPECT_THAT(fields(2), Contains("開会開会開会\\\\開会"));
}

TEST_F(CliMinutes, CheckNamesTheExtraOpeningMarkAndKnowsAProceedingsMark) {
  CliRun r = RunOn("check", "twice@n.txt", "「「\r\n「「\r\n」」\r\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.out,
              HasSubstr("line 2: \"「「\" opens a block while the one opened on line 1 is still "
                        "open (no \"」」\" between them)"));
  EXPECT_THAT(r.out, Not(HasSubstr("line 1:")));

  r = RunOn("check", "marked@n.txt", "会議録\r\n■開議\r\n　本日は晴天なり。\r\n");
  EXPECT_THAT(r.out, HasSubstr("no speaker line found after the \"■\" line 2"));
  EXPECT_THAT(r.out, Not(HasSubstr("mark where the proceedings begin")));
}

TEST_F(CliMinutes, BadFiles) {
  struct Case {
    const char* name;
    std::string bytes;  // empty name: the file is not created
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"missing", "", 1, "cannot read"},
      {"empty", "", 1, ""},
      {"binary", std::string("\0\x01\xFF\r\n\x80\0", 7), 0, "NUL"},
      {"huge", std::string(1 << 20, 'x'), 0, ""},
      {"cr", Sj("■開議\r○議長（山田太郎君）　開会。\r"), 0, ""},
  };
  for (const auto& c : cases) {
    const std::string name = std::string(c.name) + "@x.txt";
    if (std::string(c.name) != "missing") temp.File(name, c.bytes);
    const CliRun r = RunCli("table " + ShellQuote(temp.path() / name));
    EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
    EXPECT_THAT(r.err, HasSubstr(c.message)) << c.name;
    if (c.status != 0) {
      EXPECT_THAT(r.err, HasSubstr(name)) << c.name;
    }
  }
  EXPECT_EQ(RunCli("table").status, 2);
}

}  // namespace
}  // namespace korva
