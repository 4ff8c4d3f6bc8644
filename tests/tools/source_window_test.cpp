#include "tools/source_window.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace korva {

void PrintTo(const SourceWindowLayout& l, std::ostream* os) {
  *os << l.top << "," << l.left << "," << l.width << "x" << l.height << " wrap " << l.wordWrap
      << " colour " << l.colour;
}

namespace {

const SourceWindowLayout kDesigner{10, 20, 640, 480, false, true};

TEST(SOTSource, ReadKeepsWhatIsMissingOrUnusable) {
  struct Case {
    const char *name, *section;
    SourceWindowLayout expected;
  };
  const Case cases[] = {
      {"every key",
       "Top=5\r\nLeft=-30\r\nWidth=900\r\nHeight=700\r\nWordWrap=1\r\nColor=0",
       {5, -30, 900, 700, true, false}},
      {"no keys", "", kDesigner},
      {"a width and height of 1 are kept", "Width=1\r\nHeight=1", {10, 20, 1, 1, false, true}},
      {"a width or height of 0 is not", "Width=0\r\nHeight=0", kDesigner},
      {"negative sizes are not", "Width=-5\r\nHeight=-1", kDesigner},
      {"not numbers", "Top=abc\r\nLeft=12px\r\nWidth=\r\nWordWrap=yes", kDesigner},
      {"too large for an int", "Top=99999999999\r\nHeight=2147483648", kDesigner},
      {"any non-zero number is on", "WordWrap=2\r\nColor=-1", {10, 20, 640, 480, true, true}}};
  testing::TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string ini =
        folder.File("k.inf", std::string("[File]\r\nGlobal=x\r\n[SOTSource]\r\n") + c.section);
    EXPECT_EQ(ReadSOTSource(ini, kDesigner), c.expected);
  }
  EXPECT_EQ(ReadSOTSource(folder.File("none.inf", "[Other]\r\nTop=1\r\n"), kDesigner), kDesigner);
  EXPECT_FALSE(ReadSOTSource(FromFsPath(folder.path() / "gone.inf"), kDesigner));
  EXPECT_FALSE(ReadSOTSource("", kDesigner));
}

TEST(SOTSource, WriteOnlyIntoAnExistingFile) {
  testing::TempFolder folder;
  testing::RecordingUi ui;
  const std::string gone = FromFsPath(folder.path() / "gone.inf");
  EXPECT_EQ(sbAppearanceThisPositionClick(gone, kDesigner, ui), -1);
  EXPECT_FALSE(folder.Exists("gone.inf"));

  const std::string ini = folder.File("k.inf", "; note\r\n[File]\r\nGlobal=x\r\n");
  // Two saves in a row: the second replaces the first in place.
  const SourceWindowLayout layouts[] = {{1, 2, 300, 200, true, false},
                                        {-4, 8, 1024, 768, false, true}};
  for (const SourceWindowLayout& layout : layouts) {
    ASSERT_EQ(sbAppearanceThisPositionClick(ini, layout, ui), 0);
    EXPECT_EQ(ReadSOTSource(ini, kDesigner), layout);
  }
  EXPECT_EQ(folder.Read("k.inf"),
            "; note\r\n[File]\r\nGlobal=x\r\n[SOTSource]\r\nTop=-4\r\nLeft=8\r\nWidth=1024\r\n"
            "Height=768\r\nWordWrap=0\r\nColor=1\r\n");
  EXPECT_TRUE(ui.warnings.empty());

  const FileWriter failing = [](const std::filesystem::path& target, std::string_view) {
    return std::optional<FileError>(FileError{Utf8FromPath(target), "Read-only file system"});
  };
  EXPECT_EQ(sbAppearanceThisPositionClick(ini, kDesigner, ui, failing), -1);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_NE(ui.warnings[0].find("Read-only file system"), std::string::npos);
  EXPECT_EQ(ReadSOTSource(ini, kDesigner), layouts[1]) << "the old file stays";
}

}  // namespace
}  // namespace korva
