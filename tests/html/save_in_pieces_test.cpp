// Large documents are saved a block of lines at a time; the file must be the
// same bytes as the whole text put through the same substitutions.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "html/document_html.h"
#include "html/placeholders.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;
using testing::RecordingUi;
using testing::TempFolder;

// Lines of Japanese text (long runs of bytes that could be lead bytes) with
// placeholders, layout markers and alternate characters scattered so that
// some of them sit right at the block edges.
std::string LargeDocument(std::size_t minSize, bool finalBreak, std::uint32_t seed) {
  const std::string parts[] = {"<p class=\"%hol%speaker\">"_sj,
                               "議長（山田太郎君）"_sj,
                               "@title@",
                               "￣＼"_sj,
                               "@filename@",
                               "表示能"_sj,
                               "@n-html@",
                               "%HOL%",
                               "ｱｲｳ"_sj,
                               "@unknown@"};
  std::mt19937 rng(seed);
  std::string text;
  while (text.size() < minSize) {
    const std::size_t count = rng() % 40;
    for (std::size_t i = 0; i < count; ++i) text += parts[rng() % std::size(parts)];
    text += "\r\n";
  }
  if (!finalBreak) text += "</html>";
  return text;
}

class SaveInPiecesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.BtnEditHTMLSaveFolder = temp.Folder("html");
    settings.ComboBoxHTMLFile = "big";
    doc.DocumentTitle = Sj("本会議");
    doc.NormalFileName = "big-n.html";
  }
  std::string Expected() const {
    return DeleteLayoutMarker(ChangeAttmark(doc.GeneratedHTMLText, settings, doc));
  }

  TempFolder temp;
  Settings settings;
  Document doc;
  RecordingUi ui;
};

TEST_F(SaveInPiecesTest, SavedFileMatchesTheWholeTextSubstituted) {
  struct Case {
    const char* name;
    std::string text;
    std::string headTitle;
  };
  const std::string oneLongLine(3 * kSavePieceSize, 'x');
  const Case cases[] = {
      {"many lines", LargeDocument(3 * kSavePieceSize, true, 1), ""},
      {"no final line break", LargeDocument(2 * kSavePieceSize + 17, false, 2), ""},
      {"a title that brings a later placeholder", LargeDocument(2 * kSavePieceSize, true, 3),
       "@filename@ / @n-html@"},
      {"one line longer than a block", oneLongLine + "%hol%@title@\r\n" + oneLongLine, ""},
  };
  for (const Case& c : cases) {
    doc.GeneratedHTMLText = c.text;
    settings.BtnEditHEADTitle = c.headTitle;
    ASSERT_GT(c.text.size(), kSavePieceSize) << c.name;
    ASSERT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), 0) << c.name;
    const std::string saved = temp.Read("html/big.html");
    EXPECT_EQ(saved.size(), Expected().size()) << c.name;
    EXPECT_TRUE(saved == Expected()) << c.name;
    // The generated text itself keeps its markers for the panes.
    EXPECT_EQ(doc.GeneratedHTMLText, c.text) << c.name;
  }
}

TEST_F(SaveInPiecesTest, NothingLeftToSaveWritesNoFile) {
  std::string markers;
  while (markers.size() <= kSavePieceSize) markers += "%hol%";
  doc.GeneratedHTMLText = markers;
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  EXPECT_FALSE(temp.Exists("html/big.html"));
}

TEST_F(SaveInPiecesTest, FailedWriteWarnsAndKeepsNoTemporaryFile) {
  doc.GeneratedHTMLText = LargeDocument(2 * kSavePieceSize, true, 4);
  settings.BtnEditHTMLSaveFolder = temp.Folder("html") + "missing/";
  EXPECT_EQ(SaveHTML(settings, doc, ui, kHeadStandard), -1);
  EXPECT_FALSE(ui.warnings.empty());
  EXPECT_TRUE(std::filesystem::is_empty(temp.path() / "html"));
}

}  // namespace
}  // namespace korva
