// korva-cli's --settings and --project options and its settings-file lookup.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "temp_folder.h"
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

bool Prints(const RunResult& r, const std::string& line) {
  return r.output.find("\n" + line + "\n") != std::string::npos ||
         r.output.rfind(line + "\n", 0) == 0;
}

TEST(CliSettingsTest, SettingsAndProjectFilesAreRead) {
  TempFolder tmp;
  const std::string text =
      Sj("[Roster]\r\nYakuPos1=7\r\n[Speaker]\r\nwsc=gichou\r\n[LeftLink]\r\nSubjectTitle="
         "発言一覧\r\n");
  tmp.File("a.inf", text);
  tmp.File("city.mpr", text);
  const std::string cli = KORVA_CLI_PATH;
  struct Case {
    const char* name;
    std::string args;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"settings",
       "--settings " + Quoted(tmp.path() / "a.inf"),
       {"SpinEditYakushokuPos=7", "ComboBoxClassWSC=gichou", "ComboBoxSubjectTitle=発言一覧"}},
      {"project", "--project " + Quoted(tmp.path() / "city.mpr"), {"SpinEditYakushokuPos=7"}},
      {"--set after the file",
       "--set SpinEditYakushokuPos=9 --settings " + Quoted(tmp.path() / "a.inf"),
       {"SpinEditYakushokuPos=9", "ComboBoxClassWSC=gichou"}},
  };
  for (const auto& c : cases) {
    const RunResult r = RunShell(cli + " " + c.args + " settings");
    EXPECT_EQ(r.status, 0) << c.name << "\n" << r.output;
    for (const auto& line : c.lines) EXPECT_TRUE(Prints(r, line)) << c.name << ": " << line;
  }
}

TEST(CliSettingsTest, NamedFilesMustExist) {
  TempFolder tmp;
  tmp.File("a.inf", "[Roster]\r\n");
  const std::string cli = KORVA_CLI_PATH;
  struct Case {
    std::string args;
    int status;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"--settings " + Quoted(tmp.path() / "none.inf"), 1, "no such settings file"},
      {"--project " + Quoted(tmp.path() / "none.mpr"), 1, "no such settings file"},
      {"--settings " + Quoted(tmp.path()), 1, "no such settings file"},
      {"--settings " + Quoted(tmp.path() / "a.inf") + " --project " + Quoted(tmp.path() / "a.inf"),
       2, "give one"},
  };
  for (const auto& c : cases) {
    const RunResult r = RunShell(cli + " " + c.args + " settings");
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.args << "\n" << r.output;
  }
}

TEST(CliSettingsTest, ProblemsInTheFileAreReportedByLine) {
  TempFolder tmp;
  tmp.File("bad.inf", "[Roster]\r\ngarbage\r\nYakuPos1=6\r\n");
  const RunResult r = RunShell(std::string(KORVA_CLI_PATH) + " --settings " +
                               Quoted(tmp.path() / "bad.inf") + " settings");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("bad.inf:2:"), std::string::npos) << r.output;
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=6"));
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
