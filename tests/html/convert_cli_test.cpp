// End to end: korva-cli convert on minutes files written here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using testing::CliRun;
using ::testing::HasSubstr;
using testing::kWindows;
using ::testing::Not;
using testing::RunCli;
using testing::ShellQuote;
using testing::TempFolder;

// The href of the document's style-sheet link.
std::string ExtractLink(const std::string& html) {
  const std::size_t link = html.find("<link ");
  const std::size_t href = html.find("href=\"", link);
  if (link == std::string::npos || href == std::string::npos) return "";
  return html.substr(href + 6, html.find('"', href + 6) - href - 6);
}

class ConvertCli : public ::testing::Test {
 protected:
  TempFolder temp;
  const std::vector<std::string> meeting = {
      "令和６年第１回定例会会議録",
      "○議長（山田太郎君）　ただいまから会議を開きます。",
      "　本日の日程はお手元に配付のとおりです。",
      "◆１番（佐藤花子君）　質問します。",
      "〔「異議なし」と呼ぶ者あり〕",
  };
};

TEST_F(ConvertCli, OptionsShapeTheDocument) {
  const auto minutes = temp.WriteMinutes("本会議@r0612t1-1.txt", meeting);
  const auto out = temp.path() / "out";
  temp.Write("out/tryout.css", "p { color: red; }\r\n");
  struct Case {
    std::string common, options;
    bool utf8;
    std::vector<std::string> parts;
  };
  const Case cases[] = {
      {"",
       "",
       false,
       {"<title>【 本会議 】</title>", "charset=Shift_JIS\"", "href=\"css/minutes.css\"",
        "<span class=\"member\">質問します。</span></p>"}},
      {"", "--utf8", true, {"charset=UTF-8\"", "質問します。"}},
      {"--set CheckBoxBindCSS=1",
       "--trial",
       false,
       {"href=\"tryout.css\"",
        "<style type=\"text/css\">\r\np { color: red; }\r\n</style>\r\n</body>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const CliRun run = RunCli(c.common + " convert " + c.options + " " + ShellQuote(minutes) +
                              " --out " + ShellQuote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    // The document is named after the part behind "@" and its path is printed.
    EXPECT_EQ(run.out, Utf8FromPath(std::filesystem::absolute(out / "r0612t1-1.html")) + "\n");
    const std::string saved = ReadFileBytes(out / "r0612t1-1.html").bytes;
    EXPECT_EQ(IsValidUtf8(saved), c.utf8);
    EXPECT_EQ(saved.rfind("<!DOCTYPE", 0), 0u);
    const std::string html = c.utf8 ? saved : Cp932ToUtf8(saved);
    for (const std::string& part : c.parts) EXPECT_THAT(html, HasSubstr(part)) << part;
    EXPECT_THAT(html, Not(HasSubstr("%hol%")));
    EXPECT_THAT(html, Not(HasSubstr("@css@")));
  }
}

// The document links a style sheet that is there: the site's beside the
// folder, or the sample put beside the document, never replacing the clerk's.
TEST_F(ConvertCli, TheDocumentLinksAStyleSheetThatExists) {
  const auto minutes = temp.WriteMinutes("本会議@r1.txt", meeting);
  const auto convert = [&](const std::string& dir) {
    const CliRun run =
        RunCli("convert " + ShellQuote(minutes) + " --out " + ShellQuote(temp.path() / dir));
    EXPECT_EQ(run.status, 0) << run.err;
    return run;
  };
  const auto link = [&](const std::string& dir) {
    const std::string html = ReadFileBytes(temp.path() / dir / "r1.html").bytes;
    return ExtractLink(html);
  };
  CliRun run = convert("a/out");
  EXPECT_EQ(link("a/out"), "css/minutes.css");
  EXPECT_THAT(ReadFileBytes(temp.path() / "a/out/css/minutes.css").bytes, HasSubstr("#toplink"));
  EXPECT_THAT(
      run.err,
      HasSubstr(
          "copied the sample style sheet to " +
          Utf8FromPath(
              std::filesystem::absolute(temp.path() / "a/out/css/minutes.css").make_preferred())));

  temp.Write("b/out/css/minutes.css", "p { color: teal; }");
  run = convert("b/out");
  EXPECT_EQ(ReadFileBytes(temp.path() / "b/out/css/minutes.css").bytes, "p { color: teal; }");
  EXPECT_THAT(run.err, Not(HasSubstr("copied")));

  temp.Write("c/css/minutes.css", "p { color: navy; }");
  convert("c/out");
  EXPECT_EQ(link("c/out"), "../css/minutes.css");
  EXPECT_FALSE(temp.Exists("c/out/css"));
}

TEST_F(ConvertCli, UnbalancedBlockStillGivesADocument) {
  std::vector<std::string> lines = meeting;
  lines.insert(lines.begin() + 3, "「「");
  lines.insert(lines.begin() + 4, "　第１号議案");
  const auto minutes = temp.WriteMinutes("m@open.txt", lines);
  const auto out = temp.path() / "out";
  const CliRun run = RunCli("convert " + ShellQuote(minutes) + " --out " + ShellQuote(out));
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("line 4: \"「「\" is left open"));
  const std::string html = Cp932ToUtf8(ReadFileBytes(out / "open.html").bytes);
  EXPECT_THAT(html, HasSubstr("<li id=\"line-0005\" class=\"bill\">第１号議案</li>"));
}

TEST_F(ConvertCli, BadInputsAreNamed) {
  const auto minutes = temp.WriteMinutes("m@x.txt", meeting);
  temp.Write("empty.txt", "");
  temp.Write("blocker", "a file");
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"convert " + ShellQuote(temp.path() / "none.txt") + " --out " +
           ShellQuote(temp.path() / "o"),
       1, "cannot read the minutes file"},
      {"convert " + ShellQuote(temp.path() / "empty.txt") + " --out " +
           ShellQuote(temp.path() / "o"),
       1, "the file has no lines"},
      {"convert " + ShellQuote(minutes) + " --out " + ShellQuote(temp.path() / "blocker" / "o"), 1,
       "cannot create the output folder"},
      {"convert " + ShellQuote(minutes), 2, "no output folder"},
      // A folder the settings name but that is gone is a problem of the input, not of usage.
      {"--set BtnEditRootFolder=/nonexistent/korva/ convert " + ShellQuote(minutes), 1,
       "the folder of BtnEditRootFolder does not exist: /nonexistent/korva/"},
      {"convert --out " + ShellQuote(temp.path() / "o"), 2, "needs at least one minutes file"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.args << "\n" << run.err;
    EXPECT_TRUE(run.out.empty()) << c.args;
  }
}

TEST_F(ConvertCli, UnwritableFolderKeepsTheEarlierFile) {
  if (kWindows) GTEST_SKIP() << "Windows has no folder modes; its ACLs are not set up here";
  const auto minutes = temp.WriteMinutes("m@keep.txt", meeting);
  const auto out = temp.path() / "out";
  ASSERT_EQ(RunCli("convert " + ShellQuote(minutes) + " --out " + ShellQuote(out)).status, 0);
  const std::string before = ReadFileBytes(out / "keep.html").bytes;

  std::filesystem::permissions(
      out, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Root ignores permissions; an immutable folder stops it where the file system allows.
  const bool immutable =
      std::system(("chattr +i " + ShellQuote(out) + " 2>/dev/null").c_str()) == 0;
  const bool writable = [&] {
    std::error_code ec;
    std::ofstream probe(out / "probe");
    const bool ok = probe.good();
    probe.close();
    std::filesystem::remove(out / "probe", ec);
    return ok;
  }();
  if (!writable) {
    const CliRun run =
        RunCli("convert --utf8 " + ShellQuote(minutes) + " --out " + ShellQuote(out));
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("keep.html 】が 開けません！"));
    EXPECT_THAT(run.err, Not(HasSubstr("として保存されました")));
    EXPECT_TRUE(run.out.empty());
  }
  if (immutable) std::system(("chattr -i " + ShellQuote(out)).c_str());
  std::filesystem::permissions(out, std::filesystem::perms::owner_all);
  if (writable) GTEST_SKIP() << "cannot make a folder unwritable here";
  EXPECT_EQ(ReadFileBytes(out / "keep.html").bytes, before);
}

TEST_F(ConvertCli, BatchGivesEachFileItsOwnDocument) {
  const auto a = temp.WriteMinutes("a.txt", meeting), b = temp.WriteMinutes("b.txt", meeting);
  const auto out = temp.path() / "out";
  CliRun run =
      RunCli("convert " + ShellQuote(a) + " " + ShellQuote(b) + " --out " + ShellQuote(out));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Utf8FromPath(std::filesystem::absolute(out / "a.html")) + "\n" +
                         Utf8FromPath(std::filesystem::absolute(out / "b.html")) + "\n");

  const auto x = temp.WriteMinutes("x@same.txt", meeting),
             y = temp.WriteMinutes("y@same.txt", meeting);
  run = RunCli("convert " + ShellQuote(x) + " " + ShellQuote(y) + " --out " + ShellQuote(out));
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("replaced the one an earlier file of this run wrote"));
}

}  // namespace
}  // namespace korva
