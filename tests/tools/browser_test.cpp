#include "tools/browser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <thread>

#include "platform/processes.h"
#include "session/files.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
namespace {

using namespace korva::literals;
using korva::testing::kWindows;

// Records what would be started; answers come from the test.
class FakeLauncher : public ProcessLauncher {
 public:
  std::vector<std::vector<std::string>> started;
  std::vector<std::vector<std::string>> captured;
  std::optional<std::string> captureAnswer;
  std::set<ProcessId> running;
  std::vector<ProcessId> closed;
  std::map<std::string, std::string> programs;  // name -> path
  ProcessId nextId = 100;

  std::optional<ProcessId> Start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    running.insert(nextId);
    return nextId++;
  }
  std::optional<std::string> Capture(const std::vector<std::string>& argv) override {
    captured.push_back(argv);
    return captureAnswer;
  }
  bool IsRunning(ProcessId id) override { return running.count(id) != 0; }
  void Close(ProcessId id) override {
    closed.push_back(id);
    running.erase(id);
  }
  std::optional<std::string> FindProgram(std::string_view name) override {
    auto it = programs.find(std::string(name));
    if (it == programs.end()) return std::nullopt;
    return it->second;
  }
};

TEST(FileNameToURL, PathsStayUnencoded) {
  struct {
    std::string path, url;
  } cases[] = {{"C:\\My Documents\\議事録.html"_sj, "file:///C:/My Documents/議事録.html"_sj},
               // The second byte of "表" is 0x5C and must not become "/".
               {"C:\\表\\a.html"_sj, "file:///C:/表/a.html"_sj},
               {"/home/u/my dir/会議 録.html"_sj, "file:///home/u/my dir/会議 録.html"_sj}};
  for (const auto& c : cases) EXPECT_EQ(FileNameToURL(c.path), c.url);
}

TEST(ExpandExec, ArgumentsAndFieldCodes) {
  const std::string file = "/home/u/my dir/議事録.html";
  struct {
    std::string exec;
    std::vector<std::string> argv;
  } cases[] = {
      {"firefox %u", {"firefox", file}},
      {"/usr/bin/google-chrome-stable %U", {"/usr/bin/google-chrome-stable", file}},
      {"\"/opt/My Browser/run\" --new-window %f", {"/opt/My Browser/run", "--new-window", file}},
      {"epiphany", {"epiphany", file}},
      {"browser %i %c --percent=100%% %F", {"browser", "--percent=100%", file}},
      {"run \"a\\\"b\" \"c\\\\d\" \"\"", {"run", "a\"b", "c\\d", "", file}},
      {"run  \t %u  %u", {"run", file}},
      {"run \"unterminated %u", {}},
      {"", {}}};
  for (const auto& c : cases) EXPECT_EQ(ExpandExec(c.exec, file), c.argv) << c.exec;
}

TEST(DesktopEntryExec, OnlyTheDesktopEntryGroup) {
  struct {
    std::string contents;
    std::optional<std::string> exec;
  } cases[] = {
      {"[Desktop Entry]\nName=Firefox\nExec=firefox %u\n", "firefox %u"},
      {"[Desktop Action new]\nExec=other\n[Desktop Entry]\r\nExec = real %U\r\n", "real %U"},
      {"[Desktop Entry]\nTryExec=x\nExec=/opt/a\\sb/run %f\n", "/opt/a b/run %f"},
      {"# comment\n[Desktop Entry]\nName=x\n", std::nullopt},
      {"[Desktop Entry]\nExec=\n", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(DesktopEntryExec(c.contents), c.exec) << c.contents;
}

TEST(FindDesktopFile, UserEntriesComeFirst) {
  korva::testing::TempFolder dir;
  dir.Write("home/applications/web.desktop", "[Desktop Entry]\nExec=mine\n");
  dir.Write("sys/applications/web.desktop", "[Desktop Entry]\nExec=system\n");
  dir.Write("sys/applications/kde4/konq.desktop", "[Desktop Entry]\nExec=konq\n");
  const XdgDirs dirs{Utf8FromPath(dir.path() / "home"),
                     {Utf8FromPath(dir.path() / "none"), Utf8FromPath(dir.path() / "sys")}};
  EXPECT_EQ(FindDesktopFile(dirs, "web.desktop"),
            Utf8FromPath(dir.path() / "home/applications/web.desktop"));
  EXPECT_EQ(FindDesktopFile(dirs, "kde4-konq.desktop"),
            Utf8FromPath(dir.path() / "sys/applications/kde4/konq.desktop"));
  EXPECT_EQ(FindDesktopFile(dirs, "missing.desktop"), std::nullopt);
  EXPECT_EQ(FindDesktopFile(dirs, "../home/applications/web.desktop"), std::nullopt);
}

struct OpenerFixture : ::testing::Test {
  korva::testing::TempFolder dir;
  FakeLauncher launcher;
  XdgHtmlOpener opener{launcher, XdgDirs{"", {Utf8FromPath(dir.path())}}};
  const std::string pathSj = "/home/u/my dir/議事録 第1回.html"_sj;
  const std::string pathUtf8 = "/home/u/my dir/議事録 第1回.html";
};

TEST_F(OpenerFixture, DefaultHandlerOrXdgOpenGetsThePathAsOneArgument) {
  const std::vector<std::string> fallback = {"xdg-open", pathUtf8};
  struct {
    const char* what;
    std::optional<std::string> answer;
    const char* entry;  // contents of the named desktop file, or nullptr
    std::vector<std::string> argv;
  } cases[] = {{"default handler",
                "firefox.desktop\n",
                "[Desktop Entry]\nExec=firefox %u\n",
                {"firefox", pathUtf8}},
               {"Chromium starts maximised",
                "chromium.desktop",
                "[Desktop Entry]\nExec=/usr/bin/chromium %U\n",
                {"/usr/bin/chromium", "--start-maximized", pathUtf8}},
               {"xdg-mime failed", std::nullopt, nullptr, fallback},
               {"no default handler", "\n", nullptr, fallback},
               {"entry file missing", "gone.desktop\n", nullptr, fallback},
               {"entry without Exec", "other.desktop\n", "[Desktop Entry]\nName=x\n", fallback},
               {"broken quoting", "other.desktop\n", "[Desktop Entry]\nExec=\"x %u\n", fallback}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.entry) {
      std::string name = *c.answer;
      while (name.ends_with('\n')) name.pop_back();
      dir.Write("applications/" + name, c.entry);
    }
    launcher.started.clear();
    launcher.captured.clear();
    launcher.captureAnswer = c.answer;
    opener.OpenWithHTMLHandler(pathSj);
    EXPECT_EQ(
        launcher.captured,
        (std::vector<std::vector<std::string>>{{"xdg-mime", "query", "default", "text/html"}}));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], c.argv);
  }
}

TEST_F(OpenerFixture, CloseIEClosesOnlyWhatItStarted) {
  opener.CloseIE();
  EXPECT_TRUE(launcher.closed.empty()) << "nothing started yet";

  opener.OpenWithHTMLHandler(pathSj);
  opener.OpenWithHTMLHandler(pathSj);  // a second preview without closing
  EXPECT_EQ(launcher.running.size(), 2u) << "the first window stays open";
  opener.CloseIE();
  EXPECT_EQ(launcher.closed, (std::vector<ProcessId>{101}));
  opener.CloseIE();
  EXPECT_EQ(launcher.closed.size(), 1u) << "closing twice closes nothing more";

  opener.OpenWithHTMLHandler(pathSj);
  launcher.running.clear();  // the user closed it
  opener.CloseIE();
  EXPECT_EQ(launcher.closed.size(), 1u);
}

TEST_F(OpenerFixture, ChromeMapsToTheInstalledBrowser) {
  EXPECT_FALSE(opener.OpenInChrome(pathSj)) << "neither Chromium nor Chrome installed";
  EXPECT_TRUE(launcher.started.empty());

  launcher.programs["google-chrome"] = "/usr/bin/google-chrome";
  EXPECT_TRUE(opener.OpenInChrome(pathSj));
  launcher.programs["chromium"] = "/snap/bin/chromium";
  EXPECT_TRUE(opener.OpenInChrome(pathSj));
  ASSERT_EQ(launcher.started.size(), 2u);
  EXPECT_EQ(launcher.started[0],
            (std::vector<std::string>{"/usr/bin/google-chrome", "file://" + pathUtf8}));
  EXPECT_EQ(launcher.started[1],
            (std::vector<std::string>{"/snap/bin/chromium", "file://" + pathUtf8}));
}

TEST(SystemProcessLauncher, ArgumentsArriveUnchanged) {
  SystemProcessLauncher launcher;
  // Blanks, Japanese and what a shell would expand reach the program as they
  // are: it opens the file by that name.
  korva::testing::TempFolder dir;
  const std::string name = Utf8FromPath(dir.path() / PathFromUtf8("a b 議事録 1 $HOME %PATH%.txt"));
  ASSERT_EQ(WriteFileAtomically(PathFromUtf8(name), "abc\r\n"), std::nullopt);
  const auto rtf = launcher.Capture({KORVA_CLI_PATH, "colorize", name});
  ASSERT_TRUE(rtf.has_value());
  EXPECT_NE(rtf->find("abc"), std::string::npos) << *rtf;
  // A program that ends with a failure status gives nothing.
  EXPECT_EQ(launcher.Capture({KORVA_CLI_PATH, "no-such-command"}), std::nullopt);
  EXPECT_EQ(launcher.Capture({"/no/such/program"}), std::nullopt);
  EXPECT_EQ(launcher.Start({}), std::nullopt);
}

TEST(SystemProcessLauncher, CaptureGivesUpOnAHangingProgram) {
  if (kWindows) GTEST_SKIP() << "wine ships no program that waits (sleep, timeout)";
  SystemProcessLauncher launcher(200);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(launcher.Capture({"sleep", "30"}), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(SystemProcessLauncher, StartedProgramCanBeClosed) {
  if (kWindows) GTEST_SKIP() << "wine ships no program that waits (sleep, timeout)";
  SystemProcessLauncher launcher;
  const auto pid = launcher.Start({"sleep", "30"});
  ASSERT_TRUE(pid.has_value());
  EXPECT_TRUE(launcher.IsRunning(*pid));
  launcher.Close(*pid);
  bool ended = false;
  for (int i = 0; i < 200 && !ended; ++i) {
    ended = !launcher.IsRunning(*pid);
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(ended);
}

TEST(SystemProcessLauncher, FindsProgramsOnPath) {
  SystemProcessLauncher launcher;
  const auto shell = launcher.FindProgram(kWindows ? "cmd" : "sh");
  ASSERT_TRUE(shell.has_value());
  EXPECT_EQ(PathFromUtf8(*shell).filename(), kWindows ? "cmd.exe" : "sh");
  EXPECT_EQ(launcher.FindProgram("no-such-program-korva"), std::nullopt);
  EXPECT_EQ(launcher.FindProgram(""), std::nullopt);
}

}  // namespace
}  // namespace korva
