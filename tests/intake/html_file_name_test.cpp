#include "intake/html_file_name.h"

#include <gtest/gtest.h>

#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {

TEST(HtmlFileName, FromMinutesFileNames) {
  const std::pair<std::string, std::string> cases[] = {
      {"/m/令和６年第１回定例会「本会議」@r0612t1-1.txt", "r0612t1-1"},
      {"/m/title@a@b.txt", "a@b"},         // the first "@" splits
      {"/m/title.txt", "dummy"},           // no "@"
      {"/m/議事録　@h2612.txt", "h2612"},  // "　" ends in 0x40, like "@"
      {"/m/議事録　.txt", "dummy"},
      {"/a@b/title.txt", "dummy"},      // a folder's "@" does not count
      {"/m/t@name.v2.txt", "name.v2"},  // only the last extension goes
      {"/m/t@name", "name"},
      {"C:\\表\\t@x.txt", "x"},  // "表" ends in 0x5C, like "\"
      {"t@", ""},
      {"", "dummy"},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(Cp932ToUtf8Lossy(GetSaveHTMLFilename(Sj(path))), expected) << path;
  }
}

}  // namespace
}  // namespace korva
