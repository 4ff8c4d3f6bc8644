// End to end: korva-cli publish and convert --nav on minutes written here.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "publishing/link_check.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {
using testing::CliRun;
using testing::RunCli;
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
  const CliRun run = RunCli("publish " + ShellQuote(minutes) + " --out " + ShellQuote(local) +
                            " --web " + ShellQuote(web));
  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected;
  for (const fs::path& dir : {local, web}) {
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      expected += (dir / (std::string("r0612t1-1") + ending)).string() + "\n";
    }
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  // The sample sheet is copied beside the local set and linked relatively.
  const std::string css = ReadFileBytes(local / "css/minutes.css").bytes;
  EXPECT_NE(css.find("#minutescontents-top"), std::string::npos);
  for (const fs::path& dir : {local, web}) {
    std::map<std::string, std::string> files;
    for (const char* ending : {"-n.html", "-v.html", "-h.html"}) {
      const std::string name = std::string("r0612t1-1") + ending;
      files[name] = ReadFileBytes(dir / name).bytes;
    }
    EXPECT_TRUE(FindBrokenLinks(files).empty()) << dir;
  }
  EXPECT_NE(ReadFileBytes(local / "r0612t1-1-n.html").bytes.find("href=\"css/minutes.css\""),
            std::string::npos);
  EXPECT_NE(ReadFileBytes(web / "r0612t1-1-n.html").bytes.find("href=\"../css/minutes.css\""),
            std::string::npos);
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
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << "\n" << run.err;
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
  const CliRun run = RunCli("publish " + ShellQuote(first) + " " + ShellQuote(second) + " " +
                            ShellQuote(plain) + " --out " + ShellQuote(site));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("same-n.html"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("line 5"), std::string::npos) << run.err;
  // The first file's set stands although a block was left open; the file
  // without "@" is named after itself.
  EXPECT_NE(ReadFileBytes(site / "same-n.html").bytes.find(Sj("一般質問")), std::string::npos);
  EXPECT_TRUE(fs::exists(site / "plain-n.html"));
}

TEST_F(PublishCli, ConvertWritesTheNavigationFileBesideTheDocument) {
  const auto minutes = temp.WriteMinutes("本会議@r0612t1-1.txt", meeting);
  const auto out = temp.path() / "out";
  const CliRun run =
      RunCli("convert " + ShellQuote(minutes) + " --out " + ShellQuote(out) + " --nav");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, (out / "r0612t1-1.html").string() + "\n" +
                         (out / "r0612t1-1-nav.html").string() + "\n");
  const std::string nav = ReadFileBytes(out / "r0612t1-1-nav.html").bytes;
  const std::string document = ReadFileBytes(out / "r0612t1-1.html").bytes;
  // Every link of the list names an id of the document beside it.
  std::size_t links = 0;
  for (const std::string& href : ExtractAttributeValues(nav, "href")) {
    if (href.rfind("r0612t1-1.html#", 0) != 0) continue;
    ++links;
    EXPECT_NE(document.find("id=\"" + href.substr(15) + "\""), std::string::npos) << href;
  }
  EXPECT_EQ(links, 5u);  // two agenda items, chair, member, mayor; the vice-chair is left out
}

}  // namespace
}  // namespace korva
