// Atomic saves: through links, with the file's mode, one set as a whole, and
// the temporaries an interrupted run leaves.
#include "session/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace korva {
namespace {
using korva::testing::TempFolder;
namespace fs = std::filesystem;

fs::perms Mode(const fs::path& p) {
  return fs::status(p).permissions() & fs::perms::mask;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(Utf8FromPath(e.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, SavingKeepsLinksAndTheModeOfTheFile) {
  if (korva::testing::kWindows) {
    GTEST_SKIP() << "file modes are POSIX's, and Windows lets only administrators make links";
  }
  const auto p = [](int bits) { return static_cast<fs::perms>(bits); };
  const struct {
    const char* name;
    const char* saved;   // the path saved to
    const char* target;  // the file that must hold the new text
    fs::perms mode;      // the target's mode before the save
  } cases[] = {
      {"a file readable by its group only", "f.html", "f.html", p(0640)},
      {"a link beside its file", "link.html", "f.html", p(0600)},
      {"a link to a link in another folder", "chain.html", "sub/g.html", p(0604)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    temp.Write("f.html", "old");
    temp.Write("sub/g.html", "old");
    fs::create_symlink("f.html", temp.path() / "link.html");
    fs::create_symlink("sub/hop.html", temp.path() / "chain.html");
    fs::create_symlink("g.html", temp.path() / "sub/hop.html");
    fs::permissions(temp.path() / c.target, c.mode);
    ASSERT_EQ(WriteFileAtomically(temp.path() / c.saved, "new"), std::nullopt);
    EXPECT_EQ(temp.Read(c.target), "new");
    EXPECT_EQ(Mode(temp.path() / c.target), c.mode);
    for (const char* link : {"link.html", "chain.html", "sub/hop.html"}) {
      EXPECT_TRUE(fs::is_symlink(temp.path() / link)) << link;
    }
    EXPECT_EQ(Names(temp.path()),
              (std::vector<std::string>{"chain.html", "f.html", "link.html", "sub"}));
  }
}

// Windows will not replace a file another program has open (a virus scanner,
// a browser showing it); the writer waits for it a little.
TEST(Files, AFileHeldOpenForAMomentIsStillReplaced) {
  TempFolder temp;
  temp.Write("held.html", "old");
  auto holder = std::make_unique<std::ifstream>(temp.path() / "held.html", std::ios::binary);
  ASSERT_TRUE(holder->good());
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    holder.reset();
  });
  const auto error = WriteFileAtomically(temp.path() / "held.html", "new");
  release.join();
  EXPECT_EQ(error, std::nullopt) << error->Describe();
  EXPECT_EQ(temp.Read("held.html"), "new");
  EXPECT_EQ(Names(temp.path()), (std::vector<std::string>{"held.html"}));
}

TEST(Files, AFileSetReplacesItsFilesOnlyWhenCommitted) {
  TempFolder temp;
  temp.Write("a.html", "old a");
  temp.Write("b.html", "old b");
  for (const bool commit : {false, true}) {
    SCOPED_TRACE(commit);
    {
      FileSet set;
      EXPECT_TRUE(FileSet::Collecting());
      ASSERT_EQ(WriteFileAtomically(temp.path() / "a.html", "new a"), std::nullopt);
      ASSERT_EQ(WriteFileAtomically(temp.path() / "b.html", "new b"), std::nullopt);
      // Written so far only as far as the temporaries.
      EXPECT_EQ(temp.Read("a.html"), "old a");
      EXPECT_EQ(Names(temp.path()).size(), 4u);
      if (commit) {
        EXPECT_EQ(set.Commit(), std::nullopt);
      }
    }
    EXPECT_FALSE(FileSet::Collecting());
    EXPECT_EQ(temp.Read("a.html"), commit ? "new a" : "old a");
    EXPECT_EQ(temp.Read("b.html"), commit ? "new b" : "old b");
    EXPECT_EQ(Names(temp.path()), (std::vector<std::string>{"a.html", "b.html"}));
  }
}

// An interception takes every write of its thread, nested ones the inner
// one's, and leaves the disk alone; after it the writes reach the disk again.
TEST(Files, AnInterceptionTakesTheWritesAndLeavesTheDiskAlone) {
  TempFolder temp;
  temp.Write("a.html", "old a");
  std::vector<std::string> outer, inner;
  {
    const WriteInterception take([&](const std::string& path, std::string&& bytes) {
      outer.push_back(fs::path(path).filename().string() + "=" + bytes);
    });
    ASSERT_EQ(WriteFileAtomically(temp.path() / "a.html", "new a"), std::nullopt);
    {
      const WriteInterception nested([&](const std::string& path, std::string&& bytes) {
        inner.push_back(fs::path(path).filename().string() + "=" + bytes);
      });
      FileSet set;
      ASSERT_EQ(WriteFileAtomically(temp.path() / "b.html", "new b"), std::nullopt);
      EXPECT_EQ(set.Commit(), std::nullopt);
    }
    const auto error = WriteFileAtomicallyInPieces(temp.path() / "c.html",
                                                   [](const PieceWriter&) { return false; });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, kNothingWritten);
    EXPECT_EQ(Names(temp.path()), (std::vector<std::string>{"a.html"}));
    EXPECT_EQ(temp.Read("a.html"), "old a");
  }
  EXPECT_EQ(outer, (std::vector<std::string>{"a.html=new a"}));
  EXPECT_EQ(inner, (std::vector<std::string>{"b.html=new b"}));
  ASSERT_EQ(WriteFileAtomically(temp.path() / "a.html", "newer a"), std::nullopt);
  EXPECT_EQ(temp.Read("a.html"), "newer a");
}

TEST(Files, StaleTemporariesOfThisWriterAreNamedAndTheOldOnesRemoved) {
  TempFolder temp;
  const auto aged = [&](const std::string& name, std::chrono::hours age) {
    temp.Write(name, "x");
    fs::last_write_time(temp.path() / name, fs::file_time_type::clock::now() - age);
  };
  aged(".r1-n.html.AbC123", std::chrono::hours(25));    // left by a run killed yesterday
  aged(".minutes.css.x9Y8z7", std::chrono::hours(23));  // a run still going may own it
  aged(".notes.txt.ABCDEF", std::chrono::hours(48));    // not a file this writer makes here
  aged(".r1-n.html.AB-123", std::chrono::hours(48));    // not its naming
  aged(".r1-n.html.ABC12", std::chrono::hours(48));
  aged("r1-n.html", std::chrono::hours(48));
  constexpr std::string_view kExtensions[] = {".html", ".css"};
  auto found = CleanStaleTemporaries(temp.path(), kExtensions, std::chrono::hours(24));
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.path < b.path; });
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].path.filename(), ".minutes.css.x9Y8z7");
  EXPECT_FALSE(found[0].removed);
  EXPECT_EQ(found[1].path.filename(), ".r1-n.html.AbC123");
  EXPECT_TRUE(found[1].removed);
  EXPECT_GE(found[1].age, std::chrono::hours(25));
  EXPECT_EQ(Names(temp.path()),
            (std::vector<std::string>{".minutes.css.x9Y8z7", ".notes.txt.ABCDEF",
                                      ".r1-n.html.AB-123", ".r1-n.html.ABC12", "r1-n.html"}));
}

}  // namespace
}  // namespace korva
