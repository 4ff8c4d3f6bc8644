// korva-cli prepare, and --prepare for convert and publish, run as a script would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <string>

#include "prepare_support.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/codec.h"

namespace korva {
namespace {
namespace fs = std::filesystem;
using testing::CliRun;
using ::testing::HasSubstr;
using testing::kWindows;
using ::testing::Not;
using testing::RunCli;
using testing::ShellQuote;
using testing::TempFolder;

// Exported minutes: a designation alone on its line, a page marker.
const std::vector<std::string> kExported = {"午前１０時開議", "<PAGE=\"2\">", "◯議長（高瀬博文）",
                                            "　報告します。"};
const std::vector<std::string> kPrepared = {"■午前１０時開議", "◯議長（高瀬博文）　報告します。",
                                            "■"};

class PrepareCli : public ::testing::Test {
 protected:
  TempFolder temp;
  const std::string original = testing::SjText(kExported, "\r\n", true);
};

TEST_F(PrepareCli, WritesThePreparedTextWithTheInputsLineEnds) {
  struct Case {
    std::string lineBreak;
    bool finalBreak;
  };
  for (const Case& c :
       {Case{"\r\n", true}, Case{"\n", true}, Case{"\r", false}, Case{"\n", false}}) {
    temp.Write("m.txt", testing::SjText(kExported, c.lineBreak, c.finalBreak));
    const CliRun r = RunCli("prepare " + ShellQuote(temp.path() / "m.txt") + " --out " +
                            ShellQuote(temp.path() / "out"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("out/m.txt"), testing::SjText(kPrepared, c.lineBreak, c.finalBreak));
    // The changes are printed, in UTF-8, with their lines.
    EXPECT_THAT(r.out, HasSubstr("m.txt:2: ページ区切りの印"));
    EXPECT_THAT(r.out, HasSubstr("  - <PAGE=\"2\">"));
    EXPECT_THAT(r.out, HasSubstr("  + ◯議長（高瀬博文）　報告します。"));
    EXPECT_THAT(r.out, HasSubstr("3 change(s), 1 page marker(s) removed; speaker marks: ◯ 1"));
  }
}

TEST_F(PrepareCli, InPlaceKeepsTheFirstBackupAndDryRunWritesNothing) {
  temp.Write("m.txt", original);
  const std::string file = ShellQuote(temp.path() / "m.txt");

  const CliRun dry = RunCli("prepare --dry-run " + file);
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_THAT(dry.out, HasSubstr("3 change(s)"));
  EXPECT_EQ(temp.Read("m.txt"), original);
  EXPECT_FALSE(temp.Exists("m.txt.orig"));

  const CliRun first = RunCli("prepare --in-place " + file);
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(temp.Read("m.txt"), testing::SjText(kPrepared, "\r\n", true));
  EXPECT_EQ(temp.Read("m.txt.orig"), original);

  // Nothing left to do: nothing written, the backup stays the first one.
  const CliRun again = RunCli("prepare --in-place " + file);
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_THAT(again.out, HasSubstr("0 change(s)"));
  temp.Write("m.txt", testing::SjText({"午前１０時開議", "◯議長（高瀬博文）", "　報告します。"},
                                      "\r\n", true));
  const CliRun third = RunCli("prepare --in-place " + file);
  EXPECT_EQ(third.status, 0) << third.err;
  EXPECT_THAT(third.err, HasSubstr("already exists and is kept"));
  EXPECT_EQ(temp.Read("m.txt.orig"), original);
  EXPECT_EQ(temp.Read("m.txt"), testing::SjText(kPrepared, "\r\n", true));
}

TEST_F(PrepareCli, BadUsageAndBadFilesAreSaidAndLoseNothing) {
  temp.Write("m.txt", original);
  temp.Write("empty.txt", "");
  temp.Write("binary.txt", std::string("\x00\x01\x02 abc", 7));
  const std::string m = ShellQuote(temp.path() / "m.txt");
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"prepare " + m, 2, "needs --out DIR, --in-place or --dry-run"},
      {"prepare " + m + " --in-place --out " + ShellQuote(temp.path() / "o"), 2, "not both"},
      {"prepare --dry-run", 2, "at least one minutes file"},
      {"prepare --dry-run " + ShellQuote(temp.path() / "missing.txt"), 1, "cannot read"},
      {"prepare --in-place " + ShellQuote(temp.path() / "empty.txt"), 1, "no lines"},
      {"prepare --in-place " + ShellQuote(temp.path() / "binary.txt"), 1, "NUL bytes"},
      {"prepare " + m + " --out " + ShellQuote(temp.path()), 1, "use --in-place"},
  };
  for (const Case& c : cases) {
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_THAT(r.err, HasSubstr(c.message)) << c.args << "\n" << r.err;
  }
  EXPECT_EQ(temp.Read("m.txt"), original);
  EXPECT_EQ(temp.Read("binary.txt"), std::string("\x00\x01\x02 abc", 7));
  EXPECT_FALSE(temp.Exists("binary.txt.orig"));
}

TEST_F(PrepareCli, NoBackupNoInPlaceWrite) {
  temp.Write("m.txt", original);
  std::filesystem::create_directories(temp.path() / "m.txt.orig");
  const CliRun r = RunCli("prepare --in-place " + ShellQuote(temp.path() / "m.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("in the way of the backup"));
  EXPECT_EQ(temp.Read("m.txt"), original);
}

TEST_F(PrepareCli, AnUnwritableFolderIsReportedAndTheFileKept) {
  if (kWindows) GTEST_SKIP() << "Windows has no folder modes; its ACLs are not set up here";
  temp.Write("ro/m.txt", original);
  const fs::path folder = temp.path() / "ro";
  fs::permissions(folder, fs::perms(0555));
  // Root ignores permissions; an immutable folder stops it where the file system allows.
  const bool immutable =
      std::system(("chattr +i " + ShellQuote(folder) + " 2>/dev/null").c_str()) == 0;
  std::error_code refused;
  fs::create_directory(folder / "probe", refused);
  CliRun r;
  if (refused) r = RunCli("prepare --in-place " + ShellQuote(folder / "m.txt"));
  if (immutable) std::system(("chattr -i " + ShellQuote(folder)).c_str());
  fs::permissions(folder, fs::perms(0755));
  if (!refused) GTEST_SKIP() << "cannot make a folder unwritable here";
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("left as it is"));
  EXPECT_EQ(temp.Read("ro/m.txt"), original);
}

// convert and publish take --prepare; the file itself stays as it was.
TEST_F(PrepareCli, ConvertAndPublishPrepareFirst) {
  temp.Write("t@m.txt", original);
  const std::string file = ShellQuote(temp.path() / "t@m.txt");
  const CliRun convert =
      RunCli("convert --prepare " + file + " --out " + ShellQuote(temp.path() / "c"));
  EXPECT_EQ(convert.status, 0) << convert.err;
  EXPECT_THAT(convert.err, HasSubstr("prepared: 3 change(s)"));
  const std::string html = Cp932ToUtf8Lossy(temp.Read("c/m.html"));
  EXPECT_THAT(html, HasSubstr("<span class=\"speaker\">議長（高瀬博文）【1】</span>"));
  EXPECT_THAT(html, Not(HasSubstr("PAGE")));

  const CliRun publish =
      RunCli("publish --prepare " + file + " --out " + ShellQuote(temp.path() / "p"));
  EXPECT_EQ(publish.status, 0) << publish.err;
  EXPECT_THAT(Cp932ToUtf8Lossy(temp.Read("p/m-n.html")), HasSubstr("議長（高瀬博文）"));
  EXPECT_EQ(temp.Read("t@m.txt"), original);

  // Without it the designation alone is no speaker line: the document says so.
  const CliRun plain = RunCli("convert " + file + " --out " + ShellQuote(temp.path() / "plain"));
  EXPECT_THAT(Cp932ToUtf8Lossy(temp.Read("plain/m.html")),
              Not(HasSubstr("<span class=\"speaker\">")));
}

TEST_F(PrepareCli, HelpNamesTheCommand) {
  const CliRun r = RunCli("--help");
  EXPECT_THAT(r.out,
              HasSubstr("korva-cli prepare MINUTES... [--out DIR | --in-place] [--dry-run]"));
  EXPECT_THAT(r.out, HasSubstr("[--prepare]"));
}

}  // namespace
}  // namespace korva
