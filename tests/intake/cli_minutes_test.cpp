// korva-cli table and check, run as a script would run them.
#include <gtest/gtest.h>

#include <string>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using testing::CliRun;
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

TEST(CliMinutes, TablePrintsOneRowPerLine) {
  TempFolder temp;
  const std::string file = Utf8FromPath(temp.path() / "t@n.txt");
  temp.File("t@n.txt", Sj(kSample));
  const CliRun r = RunCli("table " + ShellQuote(file));
  EXPECT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], "   3\t○議長（山田太郎君）\t　開会します。\t2\t1\t3\t\t発言者");
  EXPECT_EQ(lines[4], "   5\t\t午後２時散会\t8\t\t\t9\t");
}

TEST(CliMinutes, Utf8InputIsConvertedAndReplacementsAreReported) {
  TempFolder temp;
  // "𠮷" has no Shift_JIS code.
  temp.File("u@n.txt", "■開議\n○議長（山田𠮷郎君）　開会します。\n");
  const std::string file = ShellQuote(temp.path() / "u@n.txt");
  for (const char* encoding : {"utf-8", "auto"}) {
    const CliRun r = RunCli(std::string("--input-encoding ") + encoding + " table " + file);
    EXPECT_EQ(r.status, 0) << encoding;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << encoding;
    EXPECT_EQ(lines[1], "   2\t○議長（山田〓郎君）\t　開会します。\t2\t1\t3\t\t発言者") << encoding;
    EXPECT_NE(r.err.find("line(s) 2"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("u@n.txt"), std::string::npos) << r.err;
  }
  // Read as CP932, the UTF-8 bytes are kept and named as not Shift_JIS.
  const CliRun raw = RunCli("table " + file);
  EXPECT_NE(raw.err.find("not Shift_JIS"), std::string::npos) << raw.err;
}

TEST(CliMinutes, CheckReportsCountsSpeakersAndProblems) {
  TempFolder temp;
  temp.File("ok@n.txt", Sj(kSample));
  temp.File("bad@n.txt", Sj("■開議\r\n【【\r\n引用\r\n】】\r\n「「\r\n議案第１号\r\n"));
  const std::string ok = ShellQuote(temp.path() / "ok@n.txt");
  const std::string bad = ShellQuote(temp.path() / "bad@n.txt");

  CliRun r = RunCli("check " + ok);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("    議長（山田太郎君）\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("problems (0)"), std::string::npos) << r.out;

  r = RunCli("check " + ok + " " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("「「 」」  1 / 0  (unbalanced)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("【【 】】  1 / 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("line 5: \"「「\" is not closed by \"」」\""), std::string::npos) << r.out;

  // Designations alone on their lines never open the proceedings without a "■" line.
  temp.File("plain@n.txt", Sj("◯議長（高瀬博文）\r\n　報告します。\r\n"));
  r = RunCli("check " + ShellQuote(temp.path() / "plain@n.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("no speaker line found"), std::string::npos) << r.out;
}

TEST(CliMinutes, TableEscapesTabsAndBackSlashesInFields) {
  TempFolder temp;
  temp.File("tab@n.txt", Sj("■開議\r\n　開会\tします。表\\ソ\r\n"));
  const CliRun r = RunCli("table " + ShellQuote(temp.path() / "tab@n.txt"));
  EXPECT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u);
  // Still eight fields; "表" and "ソ" end in the byte of "\" and stay as they are.
  std::vector<std::string> fields;
  for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
    tab = lines[1].find('\t', from);
    fields.push_back(lines[1].substr(from, tab - from));
  }
  ASSERT_EQ(fields.size(), 8u) << lines[1];
  EXPECT_EQ(fields[2], "　開会\\tします。表\\\\ソ");
}

TEST(CliMinutes, CheckNamesTheExtraOpeningMarkAndKnowsAProceedingsMark) {
  TempFolder temp;
  temp.File("twice@n.txt", Sj("「「\r\n「「\r\n」」\r\n"));
  CliRun r = RunCli("check " + ShellQuote(temp.path() / "twice@n.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("line 2: \"「「\" opens a block while the one opened on line 1 is still "
                       "open (no \"」」\" between them)"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("line 1:"), std::string::npos) << r.out;

  temp.File("marked@n.txt", Sj("会議録\r\n■開議\r\n　本日は晴天なり。\r\n"));
  r = RunCli("check " + ShellQuote(temp.path() / "marked@n.txt"));
  EXPECT_NE(r.out.find("no speaker line found after the \"■\" line 2"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("mark where the proceedings begin"), std::string::npos) << r.out;
}

TEST(CliMinutes, BadFiles) {
  TempFolder temp;
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
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    if (c.status != 0) {
      EXPECT_NE(r.err.find(name), std::string::npos) << c.name << ": " << r.err;
    }
  }
  EXPECT_EQ(RunCli("table").status, 2);
}

}  // namespace
}  // namespace korva
