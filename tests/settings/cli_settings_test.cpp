// korva-cli's --settings and --project options and its settings-file lookup.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;
using korva::testing::CliRun;
using korva::testing::ProgramFileName;
using korva::testing::RunCli;
using korva::testing::RunShell;
using korva::testing::ShellQuote;
using korva::testing::TempFolder;
using korva::testing::WithEnvironment;
namespace fs = std::filesystem;

// `line` is a whole line of the standard output.
bool Prints(const CliRun& r, const std::string& line) {
  return r.out.find("\n" + line + "\n") != std::string::npos || r.out.rfind(line + "\n", 0) == 0;
}

TEST(CliSettingsTest, SettingsAndProjectFilesAreRead) {
  TempFolder tmp;
  const std::string text =
      Sj("[Roster]\r\nYakuPos1=7\r\n[Speaker]\r\nwsc=gichou\r\n[LeftLink]\r\nSubjectTitle="
         "発言一覧\r\n");
  const std::string inf = ShellQuote(tmp.File("a.inf", text));
  const std::string mpr = ShellQuote(tmp.File("city.mpr", text));
  const std::string bad = ShellQuote(tmp.File("bad.inf", "[Roster]\r\ngarbage\r\nYakuPos1=6\r\n"));
  const std::string wide = ShellQuote(tmp.File("wide.inf", "[Roster]\r\nShimeiPos1=70\r\n"));
  const std::string utf8 = ShellQuote(tmp.File("utf8.inf", "[Local]\r\nTopCaption=議会\r\n"));
  struct Case {
    const char* name;
    std::string args;
    int status;
    std::string message;     // anywhere in the output
    std::string lines = {};  // whole lines of the output, one after each "\n"
  };
  const std::string missing = "no such settings file";
  const std::vector<Case> cases = {
      {"settings", "--settings " + inf, 0, "",
       "SpinEditYakushokuPos=7\nComboBoxClassWSC=gichou\nComboBoxSubjectTitle=発言一覧"},
      {"project", "--project " + mpr, 0, "", "SpinEditYakushokuPos=7"},
      {"--set after the file", "--set SpinEditYakushokuPos=9 --settings " + inf, 0, "",
       "SpinEditYakushokuPos=9\nComboBoxClassWSC=gichou"},
      {"problems by line", "--settings " + bad, 0, "bad.inf:2:", "SpinEditYakushokuPos=6"},
      {"a value out of range", "--settings " + wide, 0,
       "wide.inf:2: [Roster] ShimeiPos1=70 is not between 10 and 50; 32 is used",
       "SpinEditShimeiPos=32"},
      {"a UTF-8 file", "--settings " + utf8, 0, "utf8.inf: read as UTF-8",
       "BtnEditLocalTopFrameCaption=議会"},
      {"missing settings", "--settings " + ShellQuote(tmp.path() / "none.inf"), 1, missing},
      {"missing project", "--project " + ShellQuote(tmp.path() / "none.mpr"), 1, missing},
      {"a folder", "--settings " + ShellQuote(tmp.path()), 1, missing},
      {"both", "--settings " + inf + " --project " + mpr, 2, "give one"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun r = RunCli(c.args + " settings");
    EXPECT_EQ(r.status, c.status) << r.All();
    std::istringstream lines(c.lines);
    for (std::string line; std::getline(lines, line);) EXPECT_TRUE(Prints(r, line)) << line;
    EXPECT_NE(r.All().find(c.message), std::string::npos) << r.All();
  }
}

TEST(CliSettingsTest, SettingsFileIsFoundBesideTheProgramThenInTheUserFolder) {
  TempFolder tmp;
  const fs::path bin = tmp.path() / "bin";
  fs::create_directories(bin);
  const fs::path program = bin / ProgramFileName("korva-cli");
  fs::copy_file(KORVA_CLI_PATH, program);
  fs::permissions(program, fs::perms::owner_all);
  const fs::path config = tmp.path() / "config";
  fs::create_directories(config / "korva");
  // The user folder is config/korva through XDG_CONFIG_HOME or APPDATA.
  const std::string run = WithEnvironment("HOME", tmp.path()) +
                          WithEnvironment("XDG_CONFIG_HOME", config) +
                          WithEnvironment("APPDATA", config) + ShellQuote(program) + " settings";

  CliRun r = RunShell(run);
  EXPECT_EQ(r.status, 0) << r.All();
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=4")) << "designer defaults without a file";

  tmp.File("config/korva/korva-cli.inf", "[Roster]\r\nYakuPos1=12\r\n");
  r = RunShell(run);
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=12")) << r.All();

  tmp.File("bin/korva-cli-local.inf", "[Roster]\r\nYakuPos1=11\r\n");
  r = RunShell(run);
  EXPECT_TRUE(Prints(r, "SpinEditYakushokuPos=11")) << r.All();
}

TEST(CliSettingsTest, TheBuildPlacesTheDefaultSettingsBesideTheProgram) {
  const fs::path beside = fs::path(KORVA_CLI_PATH).parent_path() / "korva-cli.inf";
  ASSERT_TRUE(fs::exists(beside));
  const CliRun r = RunCli("-v settings");
  // The program names it by its own path (Z:\... under wine): compared by name and contents.
  const auto at = r.err.find("settings: ");
  ASSERT_NE(at, std::string::npos) << r.All();
  const std::string shown = r.err.substr(at + 10, r.err.find('\n', at) - at - 10);
  EXPECT_EQ(PathFromUtf8(shown).filename(), "korva-cli.inf");
  EXPECT_EQ(ReadFileBytes(PathFromUtf8(shown)).bytes, ReadFileBytes(beside).bytes) << shown;
  EXPECT_TRUE(Prints(r, "CheckBoxImmediateGo=1"));
  EXPECT_TRUE(Prints(r, "ComboBoxMarkWSC=○"));
}

}  // namespace
}  // namespace korva
