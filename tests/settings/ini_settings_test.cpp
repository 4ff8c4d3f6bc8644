#include "settings/ini_settings.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "settings/settings_table.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
namespace {
using namespace literals;
using korva::testing::ReadAll;
using korva::testing::RecordingUi;
using korva::testing::TempFolder;
namespace fs = std::filesystem;

std::string Value(const Settings& s, std::string_view name) {
  const SettingRow* row = FindSettingByName(name);
  EXPECT_NE(row, nullptr) << name;
  return row ? SettingValueText(s, *row) : std::string();
}

// Loads `text` (CP932) into default settings.
Settings LoadText(const TempFolder& tmp, const std::string& text, Document* docOut = nullptr) {
  const std::string path = tmp.File("load.inf", text);
  Settings s;
  Document doc;
  RecordingUi ui;
  LoadIniSettings(path, s, doc, ui);
  if (docOut) *docOut = doc;
  return s;
}

std::vector<std::string> Files(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(Utf8FromPath(e.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

TEST(IniSettingsTest, EverySavedSettingSurvivesARoundTrip) {
  TempFolder tmp;
  Settings original;
  Document doc;
  original.BtnEdit3FileFolder = tmp.Folder("three");
  for (const auto& row : SettingsTable()) {
    if (row.section.empty() || row.name == "BtnEdit3FileFolder") continue;
    const std::string name(row.name);
    std::string text;
    switch (KindOf(row)) {
      case SettingKind::Boolean:
        text = Value(original, name) == "1" ? "0" : "1";
        break;
      case SettingKind::Integer:
        // Within the range and never the default.
        text = std::to_string(row.range.low + 1);
        break;
      case SettingKind::String:
        if (row.rule == ReadRule::FolderMustExist) {
          text = tmp.Folder("folder-" + name);
        } else if (row.rule == ReadRule::FileMustExist) {
          text = tmp.File("files/" + name + ".hin");
        } else if (row.rule == ReadRule::RelativeTo3FileFolder) {
          tmp.File("three/sub/" + name + ".html");
          text = "sub/" + name + ".html";
        } else {
          text = "値・"_sj + name;
        }
        break;
    }
    ASSERT_FALSE(SetSettingFromText(original, row, text)) << name;
  }
  doc.ProjectFileName = original.SavedProjectFileName;
  doc.DefaultFolder = original.SavedDefaultFolder;
  doc.MinutesFileName = original.SavedMinutesFileName;

  const std::string path = FromFsPath(tmp.path() / "korva.inf");
  RecordingUi ui;
  ASSERT_EQ(SaveIniSettings(path, original, doc, ui), 0);

  Settings loaded;
  Document loadedDoc;
  ASSERT_TRUE(LoadIniSettings(path, loaded, loadedDoc, ui).loaded);
  const Settings defaults;
  for (const auto& row : SettingsTable()) {
    if (row.section.empty()) continue;
    const bool restored = row.writtenBySave && row.rule != ReadRule::NotRead;
    // [File] Folder is not read, but [Local] Save brings the same control back.
    if (!restored && row.name == "BtnEditHTMLSaveFolder") continue;
    // Booleans that are not read stay off; rows only the window-position command writes keep
    // defaults.
    const std::string expected = restored ? SettingValueText(original, row)
                                 : KindOf(row) == SettingKind::Boolean
                                     ? "0"
                                     : SettingValueText(defaults, row);
    EXPECT_EQ(SettingValueText(loaded, row), expected) << row.section << "/" << row.key;
  }
  EXPECT_EQ(loadedDoc.DefaultFolder, original.SavedDefaultFolder);
  EXPECT_EQ(loadedDoc.MinutesFileName, original.SavedMinutesFileName);
  EXPECT_EQ(ToFsPath(loaded.LabelLocalCSSbsoluteRelativePath),
            ToFsPath(original.BtnEdit3FileFolder + "sub/BtnEditLocalCSSFile.html"));
  EXPECT_EQ(ToFsPath(loaded.LabelLocalReturn2listPath),
            ToFsPath(original.BtnEdit3FileFolder + "sub/BtnEditLocalReturn2list.html"));
}

// The extra titles are newer than most settings files: a file without them
// leaves them empty, one with them gives each category its own.
TEST(IniSettingsTest, ExtraTitlesComeFromTheirOwnSection) {
  TempFolder tmp;
  const Settings older = LoadText(tmp, "[Minutes]\r\nCategory=1\r\n");
  for (int category = 0; category < 8; ++category) {
    EXPECT_EQ(ExtraTitlesText(older, category), "") << category;
  }
  // Keys are found in any letter case; each category reads its own key.
  const Settings newer = LoadText(tmp,
                                  "[ExtraTitles]\r\nAssembly=a 1\r\nDIET=a 2\r\nCooperative=a 3\r\n"
                                  "Meeting=a 4\r\nDiscuss=a 5\r\nHearing=a 6\r\ntrial=a 7\r\n");
  for (int category = 0; category < 7; ++category) {
    EXPECT_EQ(ExtraTitlesText(newer, category), "a " + std::to_string(category + 1)) << category;
  }
  EXPECT_EQ(ExtraTitlesText(newer, 7), "");  // general documents have no titles
  EXPECT_EQ(ExtraTitlesText(newer, -1), "");
}

// Integer settings on and beyond the ends of their ranges: setting_ranges_test.cpp.
TEST(IniSettingsTest, ReadingRulesOfTheTable) {
  struct Case {
    const char* text;  // UTF-8 file text
    const char* member;
    const char* expected;  // UTF-8
  };
  const Case cases[] = {
      {"[Roster]\nYakuPos1=abc", "SpinEditYakushokuPos", "4"},
      {"[Roster]\nYakuPos1=99999999999", "SpinEditYakushokuPos", "4"},
      {"[Roster]\nShimeiPos2=", "SpinEditShimeiPos2", "68"},
      {"[Other]\nCategory=3", "RadioGroupCategory", "0"},
      {"[Menu]\nMaximized=5", "MenuViewMaximized", "1"},
      {"[Menu]\nMaximized=yes", "MenuViewMaximized", "0"},
      {"[Menu]\nInitialload=1", "MenuSettingsReInitialize", "1"},
      {"[Menu]\nStayOnTop=1", "MenuViewStayOnTop", "0"},
      {"[CheckBox]\nBindCSS=-1", "CheckBoxBindCSS", "1"},
      {"[CheckBox]\nBindCSS=0", "CheckBoxBindCSS", "0"},
      {"[CheckBox]\nChangeHSP=1", "CheckBoxChageHSP", "1"},
      {"[checkbox]\nimmediatego=0", "CheckBoxImmediateGo", "0"},
      {"[CheckBox]", "CheckBoxImmediateGo", "0"},
      {"[LeftLink]\nSubjectTitle=", "ComboBoxSubjectTitle", "議題・発言者"},
      {"[LeftLink]\nSubjectTitle=発言一覧", "ComboBoxSubjectTitle", "発言一覧"},
      {"[LeftLink]\nGoTop=", "ComboBoxLeftGoTop", "先頭へ戻る"},
      {"[LeftLink]\nGoBottom=", "ComboBoxLeftGoBottom", "最終行へ"},
      {"[Local]\nhtml=h2612t4-1", "ComboBoxHTMLFile", "h2612t4-1"},
      {"[HTML]\nSaveFile=s1", "ComboBoxHTMLFile", "s1"},
      {"[Local]\nHtml=local\n[HTML]\nSaveFile=s1", "ComboBoxHTMLFile", "local"},
      {"[File]\nFolder=/tmp/", "BtnEditHTMLSaveFolder", ""},
      {"[Web]\nFolder=/no/such/folder/", "BtnEditWebHTMLFolder", ""},
      {"[Web]\ncss=@domain@/no/such.css", "BtnEditWebCSSFile", "@domain@/no/such.css"},
      {"[Web]\nRetun2list=../list.html", "BtnEditWebReturn2List", "../list.html"},
      {"[Speaker]\nwsc=gichou", "ComboBoxClassWSC", "gichou"},
      {"[Speaker]\nBRL=member", "ComboBoClassBRL", "member"},
      {"[Web]\nReturn2Home=../home.html", "BtnEditWebReturn2Home", "../home.html"},
      {"[Mark]\nWSC=●", "ComboBoxMarkWSC", "●"},
      {"[Mark]\nWTD=▽", "ComboBoxMarkWTD", "▽"},
      {"[Sentense]\nID_Headers=", "ComboBoxID_Header", ""}};
  TempFolder tmp;
  for (const auto& c : cases) {
    const Settings s = LoadText(tmp, Sj(c.text));
    EXPECT_EQ(Value(s, c.member), Sj(c.expected)) << c.text;
  }
}

TEST(IniSettingsTest, StaleFoldersAndFilesAreEmptiedAndLiveOnesKept) {
  TempFolder tmp;
  const std::string root = tmp.Folder("root");
  const std::string head = tmp.File("inc/会議.hin");
  Document doc;
  const Settings s =
      LoadText(tmp,
               "[Local]\r\nRoot=" + root + "\r\nSave=" + root + "gone/\r\nHead=" + head +
                   "\r\nSideLink=" + root + "gone.sin\r\n[File]\r\nGlobal=" + root +
                   "gone.txt\r\nDefaultFolder=" + root + "\r\n",
               &doc);
  EXPECT_EQ(s.BtnEditRootFolder, root);
  EXPECT_EQ(s.BtnEditHTMLSaveFolder, "");
  EXPECT_EQ(s.BtnEditLocalHeadInclude, head);
  EXPECT_EQ(doc.IncludeFileLabels[0], "【 会議.hin 】"_sj);
  EXPECT_EQ(s.BtnEditLocalSidelinkInclude, "");
  EXPECT_EQ(doc.IncludeFileLabels[2], "");
  EXPECT_EQ(doc.MinutesFileName, "");
  EXPECT_EQ(doc.DefaultFolder, root);
}

struct RelativeCase {
  const char* name;
  bool setThreeFileFolder;
  std::string stored;
  bool fileExists;
  std::string expectedSetting;
  std::string expectedLabel;  // relative to the three-file folder
};

TEST(IniSettingsTest, RelativePathsResolveAgainstTheThreeFileFolder) {
  const std::vector<RelativeCase> cases = {
      {"two levels below", true, "css/sub/minutes.css", true, "css/sub/minutes.css",
       "css/sub/minutes.css"},
      {"above the folder", true, "../up.css", true, "../up.css", "UP"},
      {"back-slashes", true, "css\\sub\\minutes.css", true, "css\\sub\\minutes.css",
       "css/sub/minutes.css"},
      {"missing file", true, "css/sub/minutes.css", false, "", ""},
      {"no three-file folder", false, "css/sub/minutes.css", true, "", ""}};
  for (const auto& c : cases) {
    TempFolder tmp;
    const std::string three = tmp.Folder("set/three");
    if (c.fileExists) {
      tmp.File("set/three/css/sub/minutes.css");
      tmp.File("set/up.css");
    }
    std::string text = "[Local]\r\ncss=" + c.stored + "\r\n";
    if (c.setThreeFileFolder) text += "Folder=" + three + "\r\n";
    Document doc;
    doc.EditorCSSText = "old css";
    const Settings s = LoadText(tmp, text, &doc);
    EXPECT_EQ(s.BtnEditLocalCSSFile, c.expectedSetting) << c.name;
    const std::string label = c.expectedLabel == "UP"   ? tmp.Folder("set") + "up.css"
                              : c.expectedLabel.empty() ? ""
                                                        : three + c.expectedLabel;
    EXPECT_EQ(ToFsPath(s.LabelLocalCSSbsoluteRelativePath), ToFsPath(label)) << c.name;
  }
}

TEST(IniSettingsTest, MenuAndCheckBoxAreWrittenOnlyAsOneOrZero) {
  TempFolder tmp;
  const std::string path = tmp.File("k.inf",
                                    "[Menu]\r\nMaximized=7\r\nStayOnTop=-4\r\n[CheckBox]\r\n"
                                    "BindCSS=12\r\nRemoveHSP=junk\r\n");
  Settings s;
  Document doc;
  RecordingUi ui;
  LoadIniSettings(path, s, doc, ui);
  s.MenuViewStayOnTop = true;
  ASSERT_EQ(SaveIniSettings(path, s, doc, ui), 0);
  const IniFile saved = IniFile::Parse(ReadAll(ToFsPath(path)));
  int checked = 0;
  for (const auto& row : SettingsTable()) {
    if (row.section != "Menu" && row.section != "CheckBox") continue;
    const auto value = saved.Get(row.section, row.key);
    ASSERT_TRUE(value) << row.key;
    EXPECT_TRUE(*value == "1" || *value == "0") << row.key << "=" << *value;
    ++checked;
  }
  EXPECT_EQ(checked, 17);
  EXPECT_EQ(saved.Get("Menu", "Maximized"), "1");
  EXPECT_EQ(saved.Get("CheckBox", "RemoveHSP"), "0");
  // Written, but a restart does not bring it back.
  EXPECT_EQ(saved.Get("Menu", "StayOnTop"), "1");
  Settings again;
  LoadIniSettings(path, again, doc, ui);
  EXPECT_FALSE(again.MenuViewStayOnTop);
}

TEST(IniSettingsTest, HandEditedLinesAndGarbageSurviveASave) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) {
    const char c = static_cast<char>((i * 7919 + 13) % 256);
    // Line ends are rewritten as CR LF; every other byte must come back.
    if (c != '\r' && c != '\n') junk += c;
  }
  TempFolder tmp;
  const std::string original =
      "; settings for the city council\r\n"
      "[Extra]\r\nMine=keep me\r\n"
      "[Local]\r\nhtml=old\r\nmy own key=1\r\nthis line has no equals\r\n"
      "[Local]\r\nHtml=second copy\r\n" +
      std::string("bytes \x82\xFF here\r\n") + junk + "\r\n[Roster]\r\nYakuPos1=9\r\n" + junk +
      "\r\n[FormPosition]\r\nTop=33\r\n";
  const std::string path = tmp.File("k.inf", original);
  Settings s;
  Document doc;
  RecordingUi ui;
  const IniLoadResult loaded = LoadIniSettings(path, s, doc, ui);
  EXPECT_TRUE(loaded.loaded);
  EXPECT_EQ(s.ComboBoxHTMLFile, "old");
  EXPECT_EQ(s.SpinEditYakushokuPos, 9);
  EXPECT_GE(loaded.problems.size(), 4u);
  s.ComboBoxHTMLFile = "new";
  ASSERT_EQ(SaveIniSettings(path, s, doc, ui), 0);
  const std::string saved = ReadAll(ToFsPath(path));
  // Every line of the old file is still there, in order, with one value changed.
  std::string expectedHead = original;
  expectedHead.replace(expectedHead.find("html=old"), 8, "html=new");
  std::size_t at = 0;
  for (const auto& line : sjis::SplitLines(expectedHead)) {
    const std::size_t found = saved.find(line + "\r\n", at);
    ASSERT_NE(found, std::string::npos) << line;
    at = found + line.size();
  }
  EXPECT_EQ(IniFile::Parse(saved).Get("FormPosition", "Top"), "33");
  EXPECT_EQ(saved.find("\n\n"), std::string::npos);
  for (std::size_t i = saved.find('\n'); i != std::string::npos; i = saved.find('\n', i + 1)) {
    ASSERT_TRUE(i > 0 && saved[i - 1] == '\r');
  }
}

// A text editor may save the settings file in UTF-8: it is read as such, said
// so, and a save writes the whole file back in Shift_JIS.
TEST(IniSettingsTest, AUtf8SettingsFileIsReadAsUtf8AndWrittenBackInShiftJis) {
  const std::string utf8 = "; 議会の設定\r\n[Local]\r\nTopCaption=議会だより\r\n";
  const struct {
    const char* name;
    std::string bytes;
    bool readAsUtf8;
  } cases[] = {{"UTF-8", utf8, true},
               {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8, true},
               {"ASCII with a byte-order mark", "\xEF\xBB\xBF[Local]\r\nTopCaption=x\r\n", true},
               {"Shift_JIS", Sj(utf8), false},
               {"ASCII", "[Local]\r\nTopCaption=x\r\n", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    const std::string path = tmp.File("k.inf", c.bytes);
    Settings s;
    Document doc;
    RecordingUi ui;
    const IniLoadResult loaded = LoadIniSettings(path, s, doc, ui);
    const std::string caption = c.bytes.find("x\r\n") != std::string::npos ? "x" : Sj("議会だより");
    EXPECT_EQ(s.BtnEditLocalTopFrameCaption, caption);
    ASSERT_EQ(loaded.notes.size(), c.readAsUtf8 ? 1u : 0u);
    if (c.readAsUtf8) {
      EXPECT_EQ(loaded.notes[0].lineNo, 0u);
      EXPECT_NE(loaded.notes[0].description.find("UTF-8"), std::string::npos);
    }
    ASSERT_EQ(SaveIniSettings(path, s, doc, ui), 0);
    const std::string saved = ReadAll(ToFsPath(path));
    EXPECT_EQ(saved.rfind("\xEF\xBB\xBF", 0), std::string::npos);
    EXPECT_TRUE(IsValidCp932(saved));
    if (c.readAsUtf8 && caption != "x") {
      EXPECT_EQ(saved.rfind(Sj("; 議会の設定\r\n[Local]\r\nTopCaption=議会だより\r\n"), 0), 0u);
    }
  }
}

// A failed save leaves the old file as it was, says so naming the file, leaves no
// temporary file behind and never reports the settings as saved.
TEST(IniSettingsTest, FailedSavesLeaveTheOldFileIntact) {
  enum class Fault { FullDisk, ReadOnly, None };
  struct Case {
    const char* name;
    const char* file;  // the target, relative to the scratch folder
    bool exists, isFolder;
    Fault fault;
  };
  const Case cases[] = {{"full disk", "korva.inf", true, false, Fault::FullDisk},
                        {"read-only folder", "korva.inf", true, false, Fault::ReadOnly},
                        {"missing folder", "no-such-folder/k.inf", false, false, Fault::None},
                        {"a folder in the way", "k.inf", false, true, Fault::None}};
  // Root ignores permission bits, so the read-only file system answers through the writer.
  const FileWriter readOnly = [](const fs::path& target, std::string_view) {
    return std::optional<FileError>(FileError{Utf8FromPath(target), std::strerror(EROFS)});
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    const std::string path = FromFsPath(tmp.path() / c.file);
    if (c.exists) tmp.File(c.file, "[Local]\r\nHtml=precious\r\n" + std::string(400, ';'));
    if (c.isFolder) tmp.Folder(c.file);
    const auto content = [&] { return c.isFolder ? "" : ReadAll(ToFsPath(path)); };
    const std::string before = content();
    const auto filesBefore = Files(tmp.path());
    Settings s;
    Document doc;
    RecordingUi ui;
    int result;
    if (c.fault == Fault::FullDisk) {
#ifdef _WIN32
      continue;  // Windows has no file-size limit to stand for a full disk
#else
      // A file-size limit makes every write past 64 bytes fail, as a full disk does.
      rlimit old{};
      getrlimit(RLIMIT_FSIZE, &old);
      auto oldHandler = signal(SIGXFSZ, SIG_IGN);
      rlimit tight = old;
      tight.rlim_cur = 64;
      setrlimit(RLIMIT_FSIZE, &tight);
      result = SaveIniSettings(path, s, doc, ui);
      setrlimit(RLIMIT_FSIZE, &old);
      signal(SIGXFSZ, oldHandler);
#endif
    } else if (c.fault == Fault::ReadOnly) {
      result = SaveIniSettings(path, s, doc, ui, readOnly);
    } else {
      result = SaveIniSettings(path, s, doc, ui);
    }
    EXPECT_EQ(result, -1);
    EXPECT_EQ(content(), before);
    EXPECT_EQ(Files(tmp.path()), filesBefore);
    ASSERT_EQ(ui.warnings.size(), 1u);
    EXPECT_NE(ui.warnings[0].find(path), std::string::npos);
    EXPECT_NE(ui.warnings[0].find("保存できませんでした"_sj), std::string::npos);
    EXPECT_TRUE(ui.panels.empty());
  }
}

TEST(IniSettingsTest, MissingFileOnlyClearsTheProjectClearedFlag) {
  TempFolder tmp;
  Settings s;
  s.BtnEditHEADTitle = "kept";
  Document doc;
  doc.ProjectClearedFlag = true;
  doc.DefaultFolder = "/kept/";
  RecordingUi ui;
  const IniLoadResult result = LoadIniSettings(FromFsPath(tmp.path() / "none.inf"), s, doc, ui);
  EXPECT_FALSE(result.loaded);
  EXPECT_FALSE(doc.ProjectClearedFlag);
  EXPECT_EQ(s.BtnEditHEADTitle, "kept");
  EXPECT_EQ(doc.DefaultFolder, "/kept/");
  EXPECT_TRUE(ui.calls.empty());
}

TEST(IniSettingsTest, WindowPositionWritesOnlyItsOwnKeys) {
  TempFolder tmp;
  const std::string path = tmp.File("k.inf", "[Local]\r\nRoot=/stale/\r\n");
  Settings s;
  Document doc;
  doc.IniFileName = path;
  RecordingUi ui;
  ASSERT_EQ(MenuSettingsThisPositionAndSizeClick(s, doc, ui, {11, 22, 800, 600, 950}), 0);
  const IniFile saved = IniFile::Parse(ReadAll(ToFsPath(path)));
  const std::pair<const char*, const char*> written[] = {
      {"Top", "11"}, {"Left", "22"}, {"Width", "800"}, {"Height", "600"}};
  for (const auto& [key, value] : written) EXPECT_EQ(saved.Get("FormPosition", key), value);
  EXPECT_EQ(saved.Get("Pane", "Width"), "950");
  EXPECT_EQ(saved.Get("Local", "Root"), "/stale/");
  EXPECT_FALSE(saved.HasSection("CheckBox"));

  doc.IniFileName = FromFsPath(tmp.path() / "absent.inf");
  EXPECT_EQ(MenuSettingsThisPositionAndSizeClick(s, doc, ui, {1, 2, 3, 4, 5}), -1);
  EXPECT_FALSE(fs::exists(tmp.path() / "absent.inf"));
}

TEST(IniSettingsTest, SaveCommandUnchecksReInitializeAndNeedsAFile) {
  TempFolder tmp;
  Settings s;
  s.MenuSettingsReInitialize = true;
  Document doc;
  RecordingUi ui;
  EXPECT_EQ(ManuSettingsSaveClick(s, doc, ui), -1);
  EXPECT_TRUE(s.MenuSettingsReInitialize);
  doc.IniFileName = FromFsPath(tmp.path() / "k.inf");
  doc.ProjectFileName = "/p/city.mpr";
  ASSERT_EQ(ManuSettingsSaveClick(s, doc, ui), 0);
  const IniFile saved = IniFile::Parse(ReadAll(tmp.path() / "k.inf"));
  EXPECT_EQ(saved.Get("Menu", "Initialload"), "0");
  EXPECT_EQ(saved.Get("File", "Project"), "/p/city.mpr");
}

TEST(IniSettingsTest, GetInfTakesTheFirstMatchingFile) {
  struct Case {
    const char* name;
    std::vector<std::string> files, folders;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"plain", {"korva.inf"}, {}, "korva.inf"},
      {"first by name", {"korva-z.inf", "korva-a.inf", "korva.inf"}, {}, "korva-a.inf"},
      {"folders skipped", {"korva-b.inf"}, {"korva-a.inf"}, "korva-b.inf"},
      {"letter case", {"KORVA.INF"}, {}, "KORVA.INF"},
      {"other names", {"other.inf", "korva.txt", "korva.inf.bak", "xkorva.inf"}, {}, ""},
      {"empty folder", {}, {}, ""}};
  for (const auto& c : cases) {
    TempFolder tmp;
    for (const auto& f : c.files) tmp.File(f);
    for (const auto& d : c.folders) tmp.Folder(d);
    EXPECT_EQ(GetInf(tmp.path(), "korva"), PathFromUtf8(c.expected)) << c.name;
  }
  EXPECT_EQ(GetInf("/no/such/folder", "korva"), fs::path());
}

TEST(IniSettingsTest, StartUpWithoutASettingsFileSaysSo) {
  TempFolder tmp;
  Document doc;
  doc.AppFolder = tmp.Folder("bin");
  doc.AppBaseName = "korva";
  RecordingUi ui;
  EXPECT_EQ(FindIniFileAtStartUp(doc, ui, tmp.path() / "config"), -1);
  EXPECT_EQ(ui.warnings,
            std::vector<std::string>{"本ソフトの【 設定ファイル  】が見つかりません"_sj});
  tmp.File("config/korva.inf");
  EXPECT_EQ(FindIniFileAtStartUp(doc, ui, tmp.path() / "config"), 0);
  EXPECT_EQ(doc.IniFileName, FromFsPath(tmp.path() / "config" / "korva.inf"));
}

}  // namespace
}  // namespace korva
