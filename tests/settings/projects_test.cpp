#include "settings/projects.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "settings/ini_file.h"
#include "settings/resets.h"
#include "support/recording_ui.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
namespace {
using namespace literals;
using korva::testing::ReadAll;
using korva::testing::RecordingUi;
using korva::testing::TempFolder;
namespace fs = std::filesystem;

struct Job {
  TempFolder tmp;
  Settings s;
  Document doc;
  RecordingUi ui;
  std::string Path(const std::string& name) const {
    return FromFsPath(tmp.path() / PathFromUtf8(name));
  }
};

TEST(ProjectsTest, SaveAsForcesTheProjectExtension) {
  const std::vector<std::pair<std::string, std::string>> cases = {{"city.txt", "city.mpr"},
                                                                  {"city", "city.mpr"},
                                                                  {"city.MPR", "city.mpr"},
                                                                  {"市議会.txt", "市議会.mpr"}};
  for (const auto& [chosen, written] : cases) {
    Job job;
    job.doc.ProjectClearedFlag = true;
    job.s.BtnEditHEADTitle = "title";
    job.ui.chosenPaths.push_back(job.Path(chosen));
    ASSERT_EQ(MenuFileProjectSaveASClick(job.s, job.doc, job.ui), 0) << chosen;
    const fs::path target = job.tmp.path() / PathFromUtf8(written);
    EXPECT_TRUE(fs::exists(target)) << chosen;
    // Windows file names ignore case: city.MPR is the file written there.
    const bool same = chosen == written || (testing::kWindows && chosen == "city.MPR");
    EXPECT_EQ(fs::exists(job.tmp.path() / PathFromUtf8(chosen)), same) << chosen;
    EXPECT_EQ(job.doc.ProjectFileName, FromFsPath(target));
    EXPECT_FALSE(job.doc.ProjectClearedFlag);
    EXPECT_EQ(job.ui.panels[2],
              "  プロジェクト【  "_sj + FromFsPath(target) + "  】として保存されました"_sj);
    EXPECT_EQ(IniFile::Parse(ReadAll(target)).Get("HTML", "Title"), "title");
  }
}

TEST(ProjectsTest, OverwriteAsksAfterANewProjectAndUsesTheCurrentFile) {
  struct Case {
    const char* name;
    bool cleared, answer, projectExists;
    bool dialogShown, written;
  };
  const std::vector<Case> cases = {{"cleared, no", true, false, true, false, false},
                                   {"cleared, yes", true, true, true, false, true},
                                   {"current project", false, false, true, false, true},
                                   {"current project is gone", false, false, false, true, true}};
  for (const auto& c : cases) {
    Job job;
    const std::string current = job.Path("current.mpr");
    if (c.projectExists) job.tmp.File("current.mpr", "[Extra]\r\nk=v\r\n");
    job.doc.ProjectFileName = current;
    job.doc.ProjectClearedFlag = c.cleared;
    job.ui.answers.push_back(c.answer);
    job.ui.chosenPaths.push_back(job.Path("chosen.txt"));
    const int result = MenuFileProjectSaveOverwriteClick(job.s, job.doc, job.ui);
    EXPECT_EQ(result, c.written ? 0 : -1) << c.name;
    EXPECT_EQ(job.ui.questions.size(), c.cleared ? 1u : 0u) << c.name;
    EXPECT_EQ(job.ui.chosenPaths.empty(), c.dialogShown) << c.name;
    const std::string target = c.dialogShown ? job.Path("chosen.mpr") : current;
    if (c.written) {
      EXPECT_EQ(job.doc.ProjectFileName, target) << c.name;
      EXPECT_TRUE(IniFile::Parse(ReadAll(ToFsPath(target))).HasSection("CheckBox")) << c.name;
    }
    if (c.written && !c.dialogShown) {
      EXPECT_EQ(IniFile::Parse(ReadAll(ToFsPath(target))).Get("Extra", "k"), "v") << c.name;
    }
    if (!c.written) {
      EXPECT_EQ(ReadAll(ToFsPath(current)), "[Extra]\r\nk=v\r\n") << c.name;
    }
  }
}

TEST(ProjectsTest, FailedSaveKeepsTheProjectAndSaysNothingWasSaved) {
  Job job;
  job.doc.ProjectFileName = job.tmp.File("current.mpr", "[HTML]\r\nTitle=old\r\n");
  const FileWriter readOnly = [](const fs::path& target, std::string_view) {
    return std::optional<FileError>(FileError{Utf8FromPath(target), std::strerror(EROFS)});
  };
  job.ui.chosenPaths.push_back(job.Path("other.mpr"));
  EXPECT_EQ(MenuFileProjectSaveASClick(job.s, job.doc, job.ui, readOnly), -1);
  EXPECT_EQ(job.doc.ProjectFileName, job.Path("current.mpr"));
  EXPECT_EQ(job.ui.warnings.size(), 1u);
  for (const auto& [panel, text] : job.ui.panels) {
    EXPECT_EQ(text.find("保存されました"_sj), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(job.tmp.path() / "other.mpr"));
}

TEST(ProjectsTest, OpeningAProjectResetsThenReadsIt) {
  for (const bool minutesExist : {true, false}) {
    Job job;
    const std::string minutes = job.Path("議事録@h2612.txt");
    if (minutesExist) job.tmp.File("議事録@h2612.txt", "text");
    const std::string root = job.tmp.Folder("root");
    job.tmp.File("city.mpr", "[Local]\r\nRoot=" + root + "\r\n[File]\r\nGlobal=" + minutes +
                                 "\r\n[Speaker]\r\nWSC=gichou\r\n[Roster]\r\nYakuPos1=9\r\n");
    // Values the project does not name come back to their initial state.
    job.s.BtnEditWebDomain = "https://old.example.jp/";
    job.s.ComboBoxClassWSQ = "leftover";
    job.doc.ProjectClearedFlag = true;
    job.ui.chosenPaths.push_back(job.Path("city.txt"));
    ASSERT_EQ(MenuFileProjectOpenClick(job.s, job.doc, job.ui), 0);
    EXPECT_EQ(job.s.BtnEditRootFolder, root);
    EXPECT_EQ(job.s.ComboBoxClassWSC, "gichou");
    EXPECT_EQ(job.s.SpinEditYakushokuPos, 9);
    EXPECT_EQ(job.s.BtnEditWebDomain, "");
    EXPECT_EQ(job.s.ComboBoxClassWSQ, Settings().ComboBoxClassWSQ);
    EXPECT_EQ(job.doc.ProjectFileName, job.Path("city.mpr"));
    EXPECT_FALSE(job.doc.ProjectClearedFlag);
    // The minutes file named in the project is read again when it is still there.
    EXPECT_EQ(job.doc.MinutesTextList, minutesExist ? StringList{"text"} : StringList{});
    const bool tabsShown = std::count(job.ui.pagesShown.begin(), job.ui.pagesShown.end(),
                                      "PGRightTab03SpeakerSettings") > 0;
    EXPECT_EQ(tabsShown, !minutesExist);
    EXPECT_EQ(job.ui.panels[2],
              "  プロジェクト【 "_sj + job.Path("city.mpr") + "  】を開いています"_sj);
  }
}

TEST(ProjectsTest, OpeningAMissingProjectChangesNothing) {
  Job job;
  job.s.BtnEditWebDomain = "https://keep.example.jp/";
  job.doc.ProjectFileName = "/p/current.mpr";
  job.ui.chosenPaths.push_back(job.Path("gone.mpr"));
  EXPECT_EQ(MenuFileProjectOpenClick(job.s, job.doc, job.ui), -1);
  EXPECT_EQ(job.s.BtnEditWebDomain, "https://keep.example.jp/");
  EXPECT_EQ(job.doc.ProjectFileName, "/p/current.mpr");
  EXPECT_EQ(job.ui.warnings.size(), 1u);
}

TEST(ProjectsTest, NewProjectForgetsTheOldOne) {
  Job job;
  job.s.BtnEditRootFolder = "/r/";
  job.s.SavedProjectFileName = "/p/a.mpr";
  job.s.RadioGroupCategory = 3;
  job.doc.ProjectFileName = "/p/a.mpr";
  job.doc.MinutesFileName = "/m/a.txt";
  MenuFileProjectClearClick(job.s, job.doc, job.ui);
  EXPECT_TRUE(job.doc.ProjectClearedFlag);
  EXPECT_EQ(job.doc.ProjectFileName, "");
  EXPECT_EQ(job.s.SavedProjectFileName, "");
  EXPECT_EQ(job.doc.MinutesFileName, "");
  EXPECT_EQ(job.s.BtnEditRootFolder, "");
  EXPECT_TRUE(job.ui.labels["LabelWarningSettingFolder"]);
  MenuVieConfirmProjectClick(job.doc, job.ui);
  EXPECT_EQ(job.ui.panels[2], "  プロジェクト・ファイルは、【 まだ開いていません 】"_sj);
}

TEST(ProjectsTest, ReInitializeCommandResetsAndSavesAtOnce) {
  Job job;
  job.doc.IniFileName = job.tmp.File("korva.inf", "[Extra]\r\nk=v\r\n");
  job.doc.ProjectFileName = "/p/a.mpr";
  job.s.CheckBoxImmediateGo = false;
  job.s.CheckBoxCRLF2Br = true;
  job.s.RadioGroupCategory = 6;
  job.s.SpinEditYakushokuPos = 40;
  job.s.BtnEditWebDomain = "https://keep.example.jp/";
  job.s.BtnEditLocalTopFrameCaption = "caption";
  ASSERT_EQ(MenuSettingsReInitializeClick(job.s, job.doc, job.ui), 0);
  const IniFile saved = IniFile::Parse(ReadAll(ToFsPath(job.doc.IniFileName)));
  EXPECT_EQ(saved.Get("Menu", "Initialload"), "1");
  EXPECT_EQ(saved.Get("File", "Project"), "");
  EXPECT_EQ(saved.Get("CheckBox", "ImmediateGo"), "1");
  EXPECT_EQ(saved.Get("CheckBox", "CRLF2Br"), "1");  // not one of the reset options
  EXPECT_EQ(saved.Get("Minutes", "Category"), "0");
  EXPECT_EQ(saved.Get("Roster", "YakuPos1"), "4");
  EXPECT_EQ(saved.Get("Local", "TopCaption"), "");
  EXPECT_EQ(saved.Get("Web", "domain"), "");
  EXPECT_EQ(saved.Get("Extra", "k"), "v");
}

}  // namespace
}  // namespace korva
