// The preparation on real minutes as five minutes systems export them, and
// on the bundled sample that a clerk marked up.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "prepare_support.h"
#include "settings/ini_settings.h"
#include "support/characters.h"
#include "support/recording_ui.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/string_helpers.h"

namespace korva {
namespace {
using namespace literals;
using testing::Characters;
using testing::CorpusPath;
using testing::kCorpus;
using testing::ReadLines;

// The settings a clerk starts from: the default settings file.
Settings DefaultSettings() {
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
  LoadIniSettings(std::string(KORVA_SOURCE_DIR) + "/examples/korva.inf", settings, doc, ui);
  return settings;
}

std::vector<std::string> Prepared(const std::vector<std::string>& lines, const Settings& settings) {
  return ApplyPrepareChanges(lines, PrepareMinutes(lines, settings).changes);
}

TEST(PrepareCorpus, TheDefaultSettingsKnowTheWardTitles) {
  EXPECT_EQ(testing::U8(DefaultSettings().EditExtraTitlesAssembly),
            "副区長 2, 区長 1, 教育委員 7, 選挙管理委員会委員長 7");
}

// After the preparation the rules find one speaker line per speech a reader
// counts, each a line that begins with the file's speaker mark.
TEST(PrepareCorpus, SpeakerLinesAreTheSpeechesAReaderCounts) {
  const Settings settings = DefaultSettings();
  for (const auto& file : kCorpus) {
    Document doc;
    doc.MinutesTextList = Prepared(ReadLines(CorpusPath(file.name)), settings);
    LoadMinutesTextStringGrid(settings, doc);
    std::size_t speakers = 0;
    for (const LineRow& row : doc.MinutesTextStringGrid) {
      if (row.LineKind != "2") continue;
      ++speakers;
      const std::string mark(sjis::FirstChar(row.Designation));
      EXPECT_NE(std::string("○◎◆◇◯〇").find(testing::U8(mark)), std::string::npos)
          << file.name << ": " << testing::U8(row.Designation);
    }
    EXPECT_EQ(speakers, file.speeches) << file.name;
  }
}

TEST(PrepareCorpus, TheWardMayorIsColouredAsAMayor) {
  const Settings settings = DefaultSettings();
  Document doc;
  doc.MinutesTextList = Prepared(ReadLines(CorpusPath(kCorpus[1].name)), settings);
  LoadMinutesTextStringGrid(settings, doc);
  std::map<std::string, std::string> codes;
  for (const LineRow& row : doc.MinutesTextStringGrid) {
    if (row.LineKind == "2") codes[testing::U8(row.Designation)] = row.CategoryCode;
  }
  EXPECT_EQ(codes["○（青木克德区長）"], "1");
  EXPECT_EQ(codes["○（植竹　貴副区長）"], "2");
  EXPECT_EQ(codes["○（伊藤よしのり議長）"], "3");
}

// Nothing said is lost: the input's characters, but for the page markers,
// are all in the prepared text in their order, and what was added is marks.
TEST(PrepareCorpus, NoCharacterIsLost) {
  const Settings settings = DefaultSettings();
  const std::set<std::string> marks = {"■"_sj, "＼"_sj, "（"_sj, "）"_sj, "￥"_sj, "　"_sj};
  for (const auto& file : kCorpus) {
    std::vector<std::string> lines = ReadLines(CorpusPath(file.name));
    const PrepareResult result = PrepareMinutes(lines, settings);
    const auto output = Characters(ApplyPrepareChanges(lines, result.changes));
    for (auto it = result.report.pageMarkers.rbegin(); it != result.report.pageMarkers.rend();
         ++it) {
      ASSERT_EQ(ZenkakuTrim(lines[it->line - 1]), it->text) << file.name;
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(it->line - 1));
    }
    const auto input = Characters(lines);
    std::size_t matched = 0;
    std::multiset<std::string> added;
    for (const std::string& ch : output) {
      if (matched < input.size() && input[matched] == ch) {
        ++matched;
      } else {
        added.insert(ch);
      }
    }
    EXPECT_EQ(matched, input.size()) << file.name;
    for (const std::string& ch : added) {
      EXPECT_TRUE(marks.count(ch)) << file.name << ": added " << testing::U8(ch);
    }
  }
}

TEST(PrepareCorpus, PreparingPreparedTextChangesNothing) {
  const Settings settings = DefaultSettings();
  std::vector<std::filesystem::path> files;
  for (const auto& file : kCorpus) files.push_back(CorpusPath(file.name));
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(KORVA_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  ASSERT_EQ(files.size(), 6u);
  for (const auto& path : files) {
    const std::vector<std::string> lines = ReadLines(path);
    const std::vector<std::string> once = Prepared(lines, settings);
    const PrepareResult again = PrepareMinutes(once, settings);
    EXPECT_TRUE(again.changes.empty()) << path << ": " << again.changes.size() << " more, first at "
                                       << (again.changes.empty() ? 0 : again.changes[0].line);
    if (path.parent_path().filename() == "examples") {
      EXPECT_EQ(once, lines) << "a clerk's markup is left as it is";
    }
  }
}

// No change needs another: take every other one, prepare again, and the
// rest is proposed; the end is the same text.
TEST(PrepareCorpus, AnyChoiceOfChangesLeadsToTheSameEnd) {
  const Settings settings = DefaultSettings();
  for (const auto& file : kCorpus) {
    const std::vector<std::string> lines = ReadLines(CorpusPath(file.name));
    const PrepareResult result = PrepareMinutes(lines, settings);
    std::vector<bool> chosen(result.changes.size());
    for (std::size_t i = 0; i < chosen.size(); i += 2) chosen[i] = true;
    const auto half = ApplyPrepareChanges(lines, result.changes, chosen);
    const PrepareResult rest = PrepareMinutes(half, settings);
    EXPECT_EQ(rest.changes.size(), result.changes.size() / 2) << file.name;
    EXPECT_EQ(ApplyPrepareChanges(half, rest.changes), ApplyPrepareChanges(lines, result.changes))
        << file.name;
  }
}

// The texts of the elements matching `pattern` (its first group), without
// tags, spaces and the marks the program puts before headings.
std::vector<std::string> ElementTexts(const std::string& html, const std::regex& pattern) {
  static const std::regex tags("<[^>]*>|&nbsp;|\\s|　|▼|▽");
  std::vector<std::string> texts;
  for (std::sregex_iterator it(html.begin(), html.end(), pattern), end; it != end; ++it) {
    texts.push_back(std::regex_replace((*it)[1].str(), tags, ""));
  }
  return texts;
}

// convert --prepare: no heading and no navigation entry of any file is empty.
TEST(PrepareCorpus, HtmlHasNoEmptyHeadingOrNavigationEntry) {
  testing::TempFolder temp;
  const std::regex heading("<h[1-6][^>]*>(.*?)</h[1-6]>");
  const std::regex link("<a [^>]*href=[^>]*>(.*?)</a>");
  for (const auto& file : kCorpus) {
    const testing::CliRun run = testing::RunCli("-q convert --prepare --nav --out " +
                                                testing::ShellQuote(temp.path() / "out") + " " +
                                                testing::ShellQuote(CorpusPath(file.name)));
    ASSERT_EQ(run.status, 0) << file.name << ": " << run.err;
    const std::string base = Utf8FromPath(std::filesystem::path(file.name).stem());
    const std::string body = Cp932ToUtf8Lossy(temp.Read("out/" + base + ".html"));
    const std::string nav = Cp932ToUtf8Lossy(temp.Read("out/" + base + "-nav.html"));
    const auto headings = ElementTexts(body, heading);
    const auto entries = ElementTexts(nav, link);
    EXPECT_FALSE(entries.empty()) << file.name;
    for (const auto& text : headings) EXPECT_FALSE(text.empty()) << file.name << ": a heading";
    for (const auto& text : entries) EXPECT_FALSE(text.empty()) << file.name << ": a nav entry";
    EXPECT_EQ(body.find("<PAGE"), std::string::npos) << file.name;
  }
}

}  // namespace
}  // namespace korva
