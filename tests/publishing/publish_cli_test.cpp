// End to end: korva-cli publish and convert --nav on minutes written here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "publishing/link_check.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using testing::CliRun;
using ::testing::HasSubstr;
using testing::kWindows;
using ::testing::Not;
using testing::RunCli;
using testing::RunShell;
using testing::ShellQuote;
using testing::TempFolder;
namespace fs = std::filesystem;

class PublishCli : public ::testing::Test {
 protected:
  TempFolder temp;

  static std::size_t FileCount(const fs::path& dir) {
    if (!fs::exists(dir)) return 0;
    std::size_t n = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) n += entry.is_regular_file();
    return n;
  }

  // korva-cli [options] publish FILES --out LOCAL [--web WEB].
  static CliRun Publish(std::initializer_list<fs::path> files, const fs::path& local,
                        const fs::path& web = {}, const std::string& options = "") {
    std::string args = options + "publish";
    for (const fs::path& file : files) args += " " + ShellQuote(file);
    args += " --out " + ShellQuote(local);
    if (!web.empty()) args += " --web " + ShellQuote(web);
    return RunCli(args);
  }

  const std::vector<std::string> meeting = {
      "令和６年第１回定例会会議録",
      "▼開議",
      "○議長（山田太郎君）　ただいまから会議を開きます。",
      "▼一般質問",
      "◆１番（佐藤花子君）　質問します。",
      "　二点目です。",
      "◎市長（鈴木一郎君）　お答えします。",
      "○副議長（田中次郎君）　休憩します。",
  };
};

TEST_F(PublishCli, WritesBothSetsWithTheSampleStyleSheetAndSoundLinks) {
  const auto minutes = temp.WriteMinutes("本会議@r0612t1-1.txt", meeting);
  const auto local = temp.path() / "site", web = temp.path() / "web";
  const CliRun run = Publish({minutes}, local, web);
  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected;
  for (const fs::path& dir : {local, web}) {
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      expected += Utf8FromPath(dir / (std::string("r0612t1-1") + ending)) + "\n";
    }
  }
  EXPECT_EQ(run.out, expected);
  // The sample sheet is copied beside the local set, said so and linked relatively.
  EXPECT_EQ(run.err, Utf8FromPath(minutes) + ": copied the sample style sheet to " +
                         Utf8FromPath((local / "css/minutes.css").make_preferred()) + "\n");
  const std::string css = ReadFileBytes(local / "css/minutes.css").bytes;
  EXPECT_THAT(css, HasSubstr("#minutescontents-top"));
  for (const fs::path& dir : {local, web}) {
    std::map<std::string, std::string> files;
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      const std::string name = std::string("r0612t1-1") + ending;
      files[name] = ReadFileBytes(dir / name).bytes;
    }
    EXPECT_TRUE(FindBrokenLinks(files).empty()) << dir;
  }
  EXPECT_THAT(ReadFileBytes(local / "r0612t1-1-n.html").bytes,
              HasSubstr("href=\"css/minutes.css\""));
  EXPECT_THAT(ReadFileBytes(web / "r0612t1-1-n.html").bytes,
              HasSubstr("href=\"../css/minutes.css\""));
}

TEST_F(PublishCli, ProblemsAreNamedAndNothingIsWritten) {
  const auto minutes = temp.WriteMinutes("本会議@r0612t1-1.txt", meeting);
  temp.Write("empty@e.txt", "");
  temp.Write("in-the-way", "a file");
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const std::string out = ShellQuote(temp.path() / "site");
  const Case cases[] = {
      {"--set BtnEdit3FileFolder=/nonexistent/korva/ publish " + ShellQuote(minutes) + " --out " +
           out,
       1, "BtnEdit3FileFolder"},
      {"--set BtnEditLocalCSSFile=css/none.css publish " + ShellQuote(minutes) + " --out " + out, 1,
       "css/none.css"},
      {"publish " + ShellQuote(temp.path() / "empty@e.txt") + " --out " + out, 1, "no lines"},
      {"publish " + ShellQuote(temp.path() / "missing@m.txt") + " --out " + out, 1,
       "missing@m.txt"},
      {"publish " + ShellQuote(minutes) + " --out " + ShellQuote(temp.path() / "in-the-way/site"),
       1, "in-the-way"},
      {"publish " + ShellQuote(minutes), 2, "--out"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.args << "\n" << run.err;
    EXPECT_EQ(FileCount(temp.path() / "site"), 0u) << c.args;
  }
}

TEST_F(PublishCli, ABatchNeverReplacesASetItWroteItself) {
  std::vector<std::string> unbalanced = meeting;
  unbalanced.insert(unbalanced.begin() + 4, "「「");
  const auto first = temp.WriteMinutes("一@same.txt", unbalanced);
  const auto second = temp.WriteMinutes("二@same.txt", {"▼別の会議", "○議長（甲君）　開きます。"});
  const auto plain = temp.WriteMinutes("plain.txt", meeting);
  const auto site = temp.path() / "site";
  const CliRun run = Publish({first, second, plain}, site);
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("same-n.html"));
  EXPECT_THAT(run.err, HasSubstr("line 5"));
  // The first file's set stands although a block was left open; the file
  // without "@" is named after itself.
  EXPECT_THAT(ReadFileBytes(site / "same-n.html").bytes, HasSubstr(Sj("一般質問")));
  EXPECT_TRUE(fs::exists(site / "plain-n.html"));
}

TEST_F(PublishCli, ABatchOfFilesWithoutAtGivesEachWebSetItsOwnName) {
  const auto a = temp.WriteMinutes("a.txt", meeting), b = temp.WriteMinutes("b.txt", meeting);
  const auto local = temp.path() / "site", web = temp.path() / "web";
  const CliRun run = Publish({a, b}, local, web);
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"a", "b"}) {
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      EXPECT_TRUE(fs::exists(web / (std::string(name) + ending))) << name << ending;
    }
  }
  EXPECT_FALSE(fs::exists(web / "dummy-n.html"));
  // A web folder that is the local one would replace the set just written.
  const CliRun same = Publish({a}, local, local);
  EXPECT_EQ(same.status, 1);
  EXPECT_THAT(same.err, HasSubstr("already wrote " + Utf8FromPath(local / "a-n.html")));
}

TEST_F(PublishCli, TheClerksStyleSheetIsKept) {
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const auto local = temp.path() / "site";
  temp.Write("site/css/minutes.css", "p { color: teal; }\r\n");
  const CliRun run = Publish({minutes}, local);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(local / "css/minutes.css").bytes, "p { color: teal; }\r\n");
  EXPECT_THAT(run.err, Not(HasSubstr("copied")));
}

TEST_F(PublishCli, AStyleSheetFolderThatCannotBeMadeIsReportedWithTheRealReason) {
  if (kWindows) GTEST_SKIP() << "Windows has no folder modes; its ACLs are not set up here";
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const auto local = temp.path() / "site";
  fs::create_directories(local);
  fs::permissions(local, fs::perms::owner_read | fs::perms::owner_exec);
  // Root ignores permissions; an immutable folder stops it where the file system allows.
  const bool immutable =
      std::system(("chattr +i " + ShellQuote(local) + " 2>/dev/null").c_str()) == 0;
  std::error_code why;
  fs::create_directory(local / "probe", why);
  CliRun run;
  if (why) run = Publish({minutes}, local);
  if (immutable) std::system(("chattr -i " + ShellQuote(local)).c_str());
  fs::permissions(local, fs::perms::owner_all);
  if (!why) GTEST_SKIP() << "cannot make a folder unwritable here";
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr(Utf8FromPath(local / "css") + ": " + why.message()));
  EXPECT_THAT(run.err, Not(HasSubstr("No such file or directory")));
}

// True when `folder` holds a hidden temporary of the writer (".NAME.XXXXXX").
[[maybe_unused]] bool HoldsTemporary(const fs::path& folder) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    const std::string name = Utf8FromPath(e.path().filename());
    if (name[0] == '.' && name.size() > 8 && name[name.size() - 7] == '.') return true;
  }
  return false;
}

// Ctrl-C or kill while a set is being written: no temporary stays behind, the
// set is the old one or the new one, never a mix, and the program ends by
// the signal.
TEST_F(PublishCli, AnInterruptedRunLeavesNoTemporariesAndNoHalfSet) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX signals; a console Ctrl-C cannot be sent to a child under wine";
#else
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) lines.insert(lines.end(), meeting.begin(), meeting.end());
  const auto minutes = temp.WriteMinutes("big.txt", lines);
  const auto site = temp.path() / "site";
  for (const int sig : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(sig);
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      temp.Write(std::string("site/big") + ending, "old");
    }
    const std::string cli = KORVA_CLI_PATH, out = Utf8FromPath(site), file = Utf8FromPath(minutes);
    const char* argv[] = {cli.c_str(), "-q",        "publish", file.c_str(),
                          "--out",     out.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, cli.c_str(), &actions, nullptr, const_cast<char**>(argv), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    // Stop it as soon as it writes.
    int status = 0;
    bool seen = false;
    while (!seen && waitpid(pid, &status, WNOHANG) == 0) seen = HoldsTemporary(site);
    if (seen) {
      kill(pid, sig);
      ASSERT_EQ(waitpid(pid, &status, 0), pid);
    }
    ASSERT_TRUE(seen) << "the run ended before it wrote anything";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
    EXPECT_FALSE(HoldsTemporary(site));
    std::set<bool> renewed;
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      renewed.insert(ReadFileBytes(site / (std::string("big") + ending)).bytes != "old");
    }
    EXPECT_EQ(renewed.size(), 1u) << "half old, half new";
  }
#endif
}

TEST_F(PublishCli, TemporariesAnEarlierRunLeftAreNamedAndTheOldOnesRemoved) {
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const auto local = temp.path() / "site";
  temp.Write("site/.r1-n.html.Ab12Cd", "left over");
  temp.Write("site/css/.minutes.css.Zz9Yy8", "another run's");
  fs::last_write_time(local / ".r1-n.html.Ab12Cd",
                      fs::file_time_type::clock::now() - std::chrono::hours(30));
  const CliRun run = Publish({minutes}, local);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(local / ".r1-n.html.Ab12Cd"));
  EXPECT_TRUE(fs::exists(local / "css/.minutes.css.Zz9Yy8"));
  EXPECT_THAT(run.err,
              HasSubstr(Utf8FromPath(local / ".r1-n.html.Ab12Cd") + " (30 hours old); removed"));
  EXPECT_THAT(run.err,
              HasSubstr(Utf8FromPath((local / "css/.minutes.css.Zz9Yy8").make_preferred())));
}

// Links that lead nowhere are named per file, in the order the files are
// written, as the file holds them: in Shift_JIS and in UTF-8 alike.
TEST_F(PublishCli, LinksThatLeadNowhereAreNamedPerFileOfEachSet) {
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const std::string head =
      temp.File("head.txt", Sj("<a href=\"#どこにもない\">x</a>\r\n<a href=\"r1-v.html\">v</a>"
                               "<a href=\"zz-h.html\">zz</a>\r\n<a href=\"#lf-top\">top</a>\r\n"));
  for (const char* charset : {"0", "1"}) {
    SCOPED_TRACE(charset);
    const auto local = temp.path() / charset / "site", web = temp.path() / charset / "web";
    const CliRun run = Publish({minutes}, local, web,
                               "--set BtnEditLocalHeadInclude=" + ShellQuote(head) +
                                   " --set BtnEditWebHeadInclude=" + ShellQuote(head) +
                                   " --set RadioGroupSaveCharSet=" + charset + " ");
    std::string expected;
    for (int set = 0; set < 2; ++set) {
      for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
        for (const char* href : {"#どこにもない", "zz-h.html"}) {
          expected += Utf8FromPath(minutes) + ": r1" + ending + ": the link \"" + href +
                      "\" leads nowhere\n";
        }
      }
    }
    std::string reported;
    for (const std::string& line : sjis::SplitLines(run.err)) {
      if (line.find("leads nowhere") != std::string::npos) reported += line + "\n";
    }
    EXPECT_EQ(reported, expected) << run.err;
    EXPECT_EQ(FileCount(local) + FileCount(web), 7u) << run.err;
  }
}

// The clerk's top-frame and side-link files reach every set, although the
// text is analysed after they are read.
TEST_F(PublishCli, TopFrameAndSideLinkIncludesReachBothSets) {
  const auto minutes = temp.WriteMinutes("本会議@r2.txt", meeting);
  std::string args;
  for (const char* name : {"BtnEditLocalTopFrameInclude", "BtnEditLocalSidelinkInclude",
                           "BtnEditWebTopframeInclude", "BtnEditWebSidelinkInclude"}) {
    const std::string file =
        temp.File(std::string(name) + ".txt", "<div id=\"" + std::string(name) + "\"></div>\r\n");
    args += "--set " + std::string(name) + "=" + ShellQuote(file) + " ";
  }
  const auto local = temp.path() / "site", web = temp.path() / "web";
  const CliRun run = Publish({minutes}, local, web, args);
  ASSERT_EQ(run.status, 0) << run.err;
  for (const auto& [dir, prefix] : {std::pair{local, "BtnEditLocal"}, {web, "BtnEditWeb"}}) {
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      const std::string page = testing::ReadAll(dir / (std::string("r2") + ending));
      const std::string topFrame = prefix + std::string(dir == local ? "TopFrame" : "Topframe");
      EXPECT_THAT(page, HasSubstr("<div id=\"" + topFrame + "Include\">")) << dir << ending;
      EXPECT_EQ(
          page.find("<div id=\"" + std::string(prefix) + "SidelinkInclude\">") != std::string::npos,
          std::string(ending) == "-n.html")
          << dir << ending;
    }
  }
}

// The files keep their names on disk; the links to them are percent-encoded.
TEST_F(PublishCli, NamesWithHashPercentOrSpacesAreLinkedEncoded) {
  const auto minutes = temp.WriteMinutes("h26#1 100%.txt", meeting);
  const auto local = temp.path() / "site", web = temp.path() / "web";
  const CliRun run = Publish({minutes}, local, web);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, Not(HasSubstr("leads nowhere")));
  for (const fs::path& dir : {local, web}) {
    const std::string normal = ReadFileBytes(dir / "h26#1 100%-n.html").bytes;
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      EXPECT_THAT(normal, HasSubstr(std::string("href=\"h26%231%20100%25") + ending + "\""))
          << dir << ending;
    }
    EXPECT_THAT(normal, Not(HasSubstr("href=\"h26#"))) << dir;
  }
  const CliRun nav = RunCli("convert --nav " + ShellQuote(minutes) + " --out " +
                            ShellQuote(temp.path() / "single"));
  ASSERT_EQ(nav.status, 0) << nav.err;
  EXPECT_THAT(ReadFileBytes(temp.path() / "single/h26#1 100%-nav.html").bytes,
              HasSubstr("href=\"h26%231%20100%25.html#"));
}

// A name Shift_JIS cannot hold becomes "〓": two such names could meet.
TEST_F(PublishCli, NamesShiftJisCannotHoldAreReported) {
  const auto minutes = temp.WriteMinutes("会議😀.txt", meeting);
  for (const std::string command : {"publish", "convert"}) {
    const auto out = temp.path() / command;
    const CliRun run = RunCli(command + " " + ShellQuote(minutes) + " --out " + ShellQuote(out));
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_THAT(run.err,
                HasSubstr("会議😀.txt: the file name holds characters that Shift_JIS cannot hold "
                          "(\"😀\")"));
    // The output is written all the same.
    EXPECT_TRUE(
        fs::exists(out / PathFromUtf8(command == "publish" ? "会議〓-n.html" : "会議〓.html")))
        << command;
  }
}

// Wherever the build folder lies: the sample style sheet is looked for
// beside the program, then where `cmake --install` puts it.
TEST_F(PublishCli, TheSampleStyleSheetIsFoundBesideTheProgramOrWhereItIsInstalled) {
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const struct {
    const char* sample;  // relative to the program's folder; empty: none
    const char* text;
  } cases[] = {
      {"css/minutes.css", "/* beside */"},
      {"../share/korva/css/minutes.css", "/* installed */"},
      {"", ""},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sample);
    const fs::path bin = temp.path() / ("program" + std::to_string(++n)) / "bin";
    fs::create_directories(bin);
    fs::copy_file(KORVA_CLI_PATH, bin / testing::ProgramFileName("korva-cli"));
    if (*c.sample) temp.Write(fs::relative(bin / c.sample, temp.path()), c.text);
    const auto out = bin.parent_path() / "site";
    const CliRun run = RunShell(ShellQuote(bin / testing::ProgramFileName("korva-cli")) +
                                " publish " + ShellQuote(minutes) + " --out " + ShellQuote(out));
    if (*c.sample) {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(ReadFileBytes(out / "css/minutes.css").bytes, c.text);
    } else {
      EXPECT_EQ(run.status, 1);
      EXPECT_THAT(run.err, HasSubstr("the sample style sheet minutes.css is neither in " +
                                     Utf8FromPath(bin / "css")));
    }
  }
  // The build puts both samples beside the program.
  for (const char* name : {"minutes.css", "tryout.css"}) {
    EXPECT_TRUE(fs::is_regular_file(fs::path(KORVA_CLI_PATH).parent_path() / "css" / name)) << name;
  }
}

TEST_F(PublishCli, ConvertWritesTheNavigationFileBesideTheDocument) {
  const auto minutes = temp.WriteMinutes("本会議@r0612t1-1.txt", meeting);
  const auto out = temp.path() / "out";
  const CliRun run =
      RunCli("convert " + ShellQuote(minutes) + " --out " + ShellQuote(out) + " --nav");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Utf8FromPath(out / "r0612t1-1.html") + "\n" +
                         Utf8FromPath(out / "r0612t1-1-nav.html") + "\n");
  const std::string nav = ReadFileBytes(out / "r0612t1-1-nav.html").bytes;
  const std::string document = ReadFileBytes(out / "r0612t1-1.html").bytes;
  // Every link of the list names an id of the document beside it.
  std::size_t links = 0;
  for (const std::string& href : ExtractAttributeValues(nav, "href")) {
    if (href.rfind("r0612t1-1.html#", 0) != 0) continue;
    ++links;
    EXPECT_THAT(document, HasSubstr("id=\"" + href.substr(15) + "\"")) << href;
  }
  EXPECT_EQ(links, 5u);  // two agenda items, chair, member, mayor; the vice-chair is left out
}

}  // namespace
}  // namespace korva
