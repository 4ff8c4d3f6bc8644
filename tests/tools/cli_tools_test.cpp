// Runs the built korva-cli unwrap and colorize on small files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {

using namespace korva::literals;
using korva::testing::CliRun;
using korva::testing::RunCli;
using korva::testing::RunShell;
using korva::testing::ShellQuote;
using korva::testing::TempFolder;

class CliTools : public ::testing::Test {
 protected:
  // Writes a file into the scratch folder and gives its path quoted for the shell.
  std::string Write(const std::string& name, const std::string& bytes) {
    temp.Write(name, bytes);
    return ShellQuote(temp.path() / name);
  }

  TempFolder temp;
};

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST_F(CliTools, UnwrapOptions) {
  const std::string forced = Repeat("あ"_sj, 35);
  const std::string sentence = Repeat("い"_sj, 20) + "。"_sj;
  const std::string file = Write("pdf.txt", "p.3\r\n" + forced + "\r\n" + sentence + "\r\n");
  const std::string spaces = Write("spaces.txt", "a b\r\nab  cd\r\nx");
  const std::string utf8 = Write("utf8.txt", "議事録。\n");
  struct {
    std::string args, out;
  } cases[] = {{"unwrap " + file, forced + sentence + "\r\n"},
               {"unwrap --backslash " + file, forced + "＼"_sj + "\r\n" + sentence + "\r\n"},
               {"unwrap --utf8 --lower 0 " + file,
                "p.3\r\n" + Repeat("あ", 35) + Repeat("い", 20) + "。\r\n"},
               {"unwrap --limit 100 " + file, forced + "\r\n" + sentence + "\r\n"},
               {"unwrap --lower 0 --limit 4 --remove-hsp " + spaces, "ab\r\nabcdx\r\n"},
               {"unwrap --lower 0 --limit 4 --change-hsp --utf8 " + spaces, "a　b\r\nab　cdx\r\n"},
               {"--input-encoding utf-8 unwrap " + utf8, "議事録。"_sj + "\r\n"}};
  for (const auto& c : cases) {
    const auto result = RunCli(c.args);
    EXPECT_EQ(result.status, 0) << c.args << "\n" << result.err;
    EXPECT_EQ(result.out, c.out) << c.args;
  }
}

TEST_F(CliTools, ColorizeWritesTheRtfDocument) {
  const std::string file = Write("a.html", "<b>表{x}</b>\r\n"_sj);
  const auto result = RunCli("colorize " + file);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("{\\rtf1\\ansi\\ansicpg932\\deff0")) << result.out;
  const std::string hyo = "\\u-30616\\'95\\'5c";  // "表"
  const std::string body = "\\f0 \\cf7 <\\cf4 b\\cf7 >\\cf8 " + hyo +
                           "\\{x\\}\\cf7 <\\cf4 /b\\cf7 >\\par \\cf5 \r\n\\par }";
  EXPECT_TRUE(result.out.ends_with(body)) << result.out;

  const std::string utf8 = Write("u.html", "<p>表</p>");
  EXPECT_NE(RunCli("--input-encoding utf-8 colorize " + utf8).out.find("\\cf8 " + hyo + "\\cf7"),
            std::string::npos);
}

// What the document says comes back from an RTF reader: pandoc decodes the
// Unicode escapes (it would take raw bytes for code page 1252).
TEST_F(CliTools, AnRtfReaderGetsTheJapaneseOfTheSampleBack) {
  if (RunShell("command -v pandoc").status != 0) {
    GTEST_SKIP() << "pandoc is not installed (scripts/setup.sh installs it)";
  }
  const std::string sample =
      std::string(KORVA_SOURCE_DIR) + "/examples/" + "令和６年第１回定例会「本会議」@r0612t1-1.txt";
  const std::string html = Write("sample.html", ReadFileBytes(sample).bytes);
  const CliRun rtf = RunCli("colorize " + html);
  ASSERT_EQ(rtf.status, 0) << rtf.err;
  const std::string rtfFile = Write("sample.rtf", rtf.out);
  const CliRun text = RunShell("pandoc -f rtf -t plain --wrap=none " + rtfFile);
  ASSERT_EQ(text.status, 0) << text.err;
  // Blanks and line breaks are the reader's to lay out; every other
  // character must come back, in order.
  const auto printable = [](const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      if (utf8.compare(i, 3, "\xE3\x80\x80") == 0) {
        i += 2;  // "　"
      } else if (static_cast<unsigned char>(utf8[i]) > ' ') {
        out += utf8[i];
      }
    }
    return out;
  };
  EXPECT_EQ(printable(text.out), printable(Cp932ToUtf8(ReadFileBytes(sample).bytes)));
}

// The tool's own options and --set take the settings' ranges, each end included; the
// refusals just beyond --lower and --limit, with their messages: BadInputIsReported.
TEST_F(CliTools, ToolOptionsAndSetTakeTheSameRanges) {
  const std::string text = Write("t.txt", "abc");
  const struct {
    std::string args;
    int status;
  } cases[] = {{"unwrap --lower -1 " + text, 2},
               {"unwrap --lower 0 " + text, 0},
               {"unwrap --lower 20 " + text, 0},
               {"unwrap --limit 0 " + text, 0},
               {"unwrap --limit 2147483647 " + text, 0},
               {"unwrap --limit 2147483648 " + text, 2},
               {"--set SpinEditLowerLimit=25 unwrap " + text, 2},
               {"--set SpinEditLowerLimit=20 unwrap " + text, 0},
               {"--set SpinEditLineLimit=1000 unwrap " + text, 0},
               {"--set SpinEditLineLimit=-1 unwrap " + text, 2}};
  for (const auto& c : cases) EXPECT_EQ(RunCli(c.args).status, c.status) << c.args;
  EXPECT_NE(RunCli("--set SpinEditLineLimit=1000 settings").out.find("SpinEditLineLimit=1000\n"),
            std::string::npos);
}

TEST_F(CliTools, BadInputIsReported) {
  const std::string empty = Write("empty.txt", "");
  const std::string binary = Write("binary.html", std::string("<p>\0\x01\x02", 6));
  const std::string text = Write("t.txt", "abc");
  struct {
    std::string args;
    int status;
    const char* message;
  } cases[] = {{"unwrap " + ShellQuote(temp.path() / "missing.txt"), 1, "cannot read the file"},
               {"colorize " + ShellQuote(temp.path() / "missing.html"), 1, "cannot read the file"},
               {"unwrap " + empty, 1, "the file is empty"},
               {"unwrap " + binary, 1, "NUL bytes"},
               {"colorize " + binary, 1, "NUL bytes"},
               {"unwrap --lower 21 " + text, 2, "--lower must be between 0 and 20"},
               {"unwrap --limit -1 " + text, 2, "--limit must be 0 or more"},
               {"unwrap --limit x " + text, 2, "--limit needs a whole number"},
               {"unwrap " + text + " " + text, 2, "exactly one"},
               {"colorize", 2, "exactly one"},
               {"unwrap --frob " + text, 2, "unknown option --frob"}};
  for (const auto& c : cases) {
    const auto result = RunCli(c.args);
    EXPECT_EQ(result.status, c.status) << c.args;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << c.args << "\n" << result.err;
    EXPECT_TRUE(result.out.empty()) << c.args;
  }
  // An output that cannot be written, as on a full disk, is a failure.
  if (std::filesystem::exists("/dev/full")) {
    const std::string html = Write("w.html", "<p>abc</p>\r\n");
    for (const auto& [args, message] :
         {std::pair{"colorize " + html, "cannot write the RTF document"},
          std::pair{"unwrap --lower 0 " + text, "cannot write the result"}}) {
      const auto result =
          RunShell("(" + ShellQuote(PathFromUtf8(KORVA_CLI_PATH)) + " " + args + " >/dev/full)");
      EXPECT_EQ(result.status, 1) << args;
      EXPECT_NE(result.err.find(message), std::string::npos) << args << "\n" << result.err;
    }
  }
  const auto emptyHtml = RunCli("colorize " + empty);
  EXPECT_EQ(emptyHtml.status, 0);
  EXPECT_TRUE(emptyHtml.out.ends_with("\\f0 \\par }"));
}

}  // namespace
}  // namespace korva
