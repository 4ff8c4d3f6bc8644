#include "text/path_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/literal.h"

namespace korva {
namespace {

using namespace korva::literals;
namespace fs = std::filesystem;

// UTF-8 text becomes the path of the same characters on every system: a
// narrow std::string would be read in the ANSI code page on Windows.
TEST(PathText, Utf8AndPathsConvertWithoutTheCodePage) {
  const struct {
    const char* utf8;
    const char16_t* utf16;
  } cases[] = {
      {"minutes.txt", u"minutes.txt"},
      {"議事録　令和６年/本会議@r1.txt", u"議事録　令和６年/本会議@r1.txt"},
      {"表示～－.html", u"表示～－.html"},  // 表 ends in 0x5C in CP932
      {"", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    const fs::path path = PathFromUtf8(c.utf8);
    EXPECT_EQ(path.u16string(), c.utf16);
    EXPECT_EQ(Utf8FromPath(path), c.utf8);
    // CP932 text goes the same way, through the codec.
    EXPECT_EQ(FromFsPath(ToFsPath(Sj(c.utf8))), Sj(c.utf8));
  }
}

TEST(PathText, AnAddedSeparatorIsTheSystemsAndAWrittenOneStays) {
  const std::string sep(1, static_cast<char>(fs::path::preferred_separator));
  const struct {
    std::string folder, expected;
  } cases[] = {
      {"out", "out" + sep},
      {"out/", "out/"},
      {"out\\", "out\\"},
      {"", ""},
      // The trail byte of 表 is no separator.
      {"一覧表"_sj, "一覧表"_sj + sep},
      {"一覧表\\"_sj, "一覧表\\"_sj},
  };
  for (const auto& c : cases) EXPECT_EQ(IncludeTrailingSeparator(c.folder), c.expected);
}

}  // namespace
}  // namespace korva
