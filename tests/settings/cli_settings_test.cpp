// korva-cli's --settings and --project options and its settings-file lookup.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;
using korva::testing::TempFolder;
namespace fs = std::filesystem;

struct RunResult {
  int status;
  std::string output;  // stdout and stderr together
};

RunResult RunShell(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

std::string Quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}
std::string Quoted(const std::string& p) {
  return "'" + p + "'";
}

bool Prints(const RunResult& r, const std::string& line) {
  return r.output.find("\n" + line + "\n") != std::string::npos ||
         r.output.rfind(line + "\n", 0) == 0;
}

TEST(CliSettingsTest, SettingsAndProjectFilesAreRead) {
  TempFolder tmp;
  const std::string text =
      Sj("[Roster]\r\nYakuPos1=7\r\n[Speaker]\r\nwsc=gichou\r\n[LeftLink]\r\nSubjectTitle="
         "発言一覧\r\n");
  const std::string inf = Quoted(tmp.File("a.inf", text));
  const std::string mpr = Quoted(tmp.File("city.mpr", text));
  const std::string bad = Quoted(tmp.File("bad.inf", "[Roster]\r\ngarbage\r\nYakuPos1=6\r\n"));
  struct Case {
    const char* name;
    std::string args;
    int status;
    std::vector<std::string> lines;  // whole lines of the output
    std::string message;             // anywhere in the output
  };
  const std::vector<Case> cases = {
      {"settings",
       "--settings " + inf,
       0,
       {"SpinEditYakushokuPos=7", "ComboBoxClassWSC=gichou", "ComboBoxSubjectTitle=発言一覧"},
       ""},
      {"project", "--project " + mpr, 0, {"SpinEditYakushokuPos=7"}, ""},
      {"--set after the file",
       "--set SpinEditYakushokuPos=9 --settings " + inf,
       0,
       {"SpinEditYakushokuPos=9", "ComboBoxClassWSC=gichou"},
       ""},
      {"problems by line", "--settings " + bad, 0, {"SpinEditYakushokuPos=6"}, "bad.inf:2:"},
      {"missing settings",
       "--settings " + Quoted(tmp.path() / "none.inf"),
       1,
       {},
       "no such settings file"},
      {"missing project",
       "--project " + Quoted(tmp.path() / "none.mpr"),
       1,
       {},
       "no such settings file"},
      {"a folder", "--settings " + Quoted(tmp.path()), 1, {}, "no such settings file"},
      {"both", "--settings " + inf + " --project " + mpr, 2, {}, "give one"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult r = RunShell(std::string(KORVA_CLI_PATH) + " " + c.args + " settings");
    EXPECT_EQ(r.status, c.status) << r.output;
    for (const auto& line : c.lines) EXPECT_TRUE(Prints(r, line)) << line;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
  }
}

TEST(CliSettingsTest, SettingsFileIsFoundBesideTheProgramThenInTheUserFolder) {
  TempFolder tmp;
  const fs::path bin = tmp.path() / "bin";
  fs::create_directories(bin);
  fs::copy_file(KORVA_CLI_PATH, bin / "korva-cli");
  fs::permissions(bin / "korva-cli", fs::perms::owner_all);
  const fs::path config = tmp.path() / "config";
  fs::create_directories(config / "korva");
  const std::string run = "env HOME=" + Quoted(tmp.path()) + " XDG_CONFIG_HOME=" + Quoted(config) +
                          " " + Quoted(bin / "korva-cli") + " settings";

  RunResult r = RunShell(run);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=4")) << "designer defaults without a file";

  tmp.File("config/korva/korva-cli.inf", "[Roster]\r\nYakuPos1=12\r\n");
  r = RunShell(run);
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=12")) << r.output;

  tmp.File("bin/korva-cli-local.inf", "[Roster]\r\nYakuPos1=11\r\n");
  r = RunShell(run);
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=11")) << r.output;
}

TEST(CliSettingsTest, TheBuildPlacesTheDefaultSettingsBesideTheProgram) {
  const fs::path beside = fs::path(KORVA_CLI_PATH).parent_path() / "korva-cli.inf";
  ASSERT_TRUE(fs::exists(beside));
  const RunResult r = RunShell(std::string(KORVA_CLI_PATH) + " -v settings");
  EXPECT_NE(r.output.find("settings: " + beside.string()), std::string::npos) << r.output;
  EXPECT_TRUE(Prints(r, "CheckBoxImmediateGo=1"));
  EXPECT_TRUE(Prints(r, "ComboBoxMarkWSC=○"));
}

}  // namespace
}  // namespace korva
