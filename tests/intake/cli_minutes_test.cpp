// korva-cli table and check, run as a script would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using testing::ReadAll;
using testing::TempFolder;

struct RunResult {
  int status;
  std::string out, err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

RunResult RunCli(const TempFolder& temp, const std::string& args) {
  const auto errPath = temp.path() / "stderr.txt";
  const std::string command = Quote(KORVA_CLI_PATH) + " " + args + " 2>" + Quote(errPath.string());
  FILE* pipe = ::popen(command.c_str(), "r");
  RunResult result{-1, {}, {}};
  if (!pipe) return result;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    result.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.err = ReadAll(errPath);
  return result;
}

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
  const std::string file = (temp.path() / "t@n.txt").string();
  temp.File("t@n.txt", Sj(kSample));
  const RunResult r = RunCli(temp, "table " + Quote(file));
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
  const std::string file = Quote((temp.path() / "u@n.txt").string());
  for (const char* encoding : {"utf-8", "auto"}) {
    const RunResult r =
        RunCli(temp, std::string("--input-encoding ") + encoding + " table " + file);
    EXPECT_EQ(r.status, 0) << encoding;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << encoding;
    EXPECT_EQ(lines[1], "   2\t○議長（山田〓郎君）\t　開会します。\t2\t1\t3\t\t発言者") << encoding;
    EXPECT_NE(r.err.find("line(s) 2"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("u@n.txt"), std::string::npos) << r.err;
  }
  // Read as CP932, the UTF-8 bytes are kept and named as not Shift_JIS.
  const RunResult raw = RunCli(temp, "table " + file);
  EXPECT_NE(raw.err.find("not Shift_JIS"), std::string::npos) << raw.err;
}

TEST(CliMinutes, CheckReportsCountsSpeakersAndProblems) {
  TempFolder temp;
  temp.File("ok@n.txt", Sj(kSample));
  temp.File("bad@n.txt", Sj("■開議\r\n【【\r\n引用\r\n】】\r\n「「\r\n議案第１号\r\n"));
  const std::string ok = Quote((temp.path() / "ok@n.txt").string());
  const std::string bad = Quote((temp.path() / "bad@n.txt").string());

  RunResult r = RunCli(temp, "check " + ok);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("    議長（山田太郎君）\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("problems (0)"), std::string::npos) << r.out;

  r = RunCli(temp, "check " + ok + " " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("「「 」」  1 / 0  (unbalanced)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("【【 】】  1 / 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("line 5: \"「「\" is not closed by \"」」\""), std::string::npos) << r.out;

  // Designations alone on their lines never open the proceedings without a "■" line.
  temp.File("plain@n.txt", Sj("◯議長（高瀬博文）\r\n　報告します。\r\n"));
  r = RunCli(temp, "check " + Quote((temp.path() / "plain@n.txt").string()));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("no speaker line found"), std::string::npos) << r.out;
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
    const RunResult r = RunCli(temp, "table " + Quote((temp.path() / name).string()));
    EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    if (c.status != 0) {
      EXPECT_NE(r.err.find(name), std::string::npos) << c.name << ": " << r.err;
    }
  }
  EXPECT_EQ(RunCli(temp, "table").status, 2);
}

}  // namespace
}  // namespace korva
