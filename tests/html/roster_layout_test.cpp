#include "html/roster_layout.h"

#include <gtest/gtest.h>

#include "html_test_support.h"

namespace korva {
namespace {
using testing::ToUtf8;
using testing::Zs;
using Lines = std::vector<std::string>;

Lines Layout(const Lines& utf8Lines, RosterColumns columns = {}) {
  Lines input;
  for (const auto& line : utf8Lines) input.push_back(Sj(line));
  return ToUtf8(LayoutRosterLines(input, columns));
}

// Default columns: title at 4 ideographic spaces, name from byte 32, second
// title from 56, second name from 68.
TEST(RosterLayout, LineForms) {
  struct Case {
    Lines in, out;
    RosterColumns columns = {};
  };
  const std::vector<Case> cases = {
      {{"議長｝山田太郎"}, {Zs(4) + "議長" + Zs(10) + "山田太郎"}},
      {{"議長｝山田太郎／副議長￥鈴木花子"},
       {Zs(4) + "議長" + Zs(10) + "山田太郎" + Zs(8) + "副議長" + Zs(3) + "鈴木花子"}},
      {{"議長｝山田太郎／山田花子"},  // a second entry without its marker is kept
       {Zs(4) + "議長" + Zs(10) + "山田太郎" + Zs(8) + "山田花子" + Zs(2)}},
      {{"議長｝山田"}, {Zs(2) + "議長" + Zs(6) + "山田"}, {2, 20, 30, 40}},
      // A title too long for its column leaves no padding rather than a negative one.
      {{"総務委員会委員長｝山田"}, {Zs(10) + "総務委員会委員長" + "山田"}, {10, 10, 56, 68}},
      {{"。"}, {""}},
      {{"／／メモ", "＼改行"}, {}},
      {{"副市長●"}, {Zs(6) + "副市長"}},
      {{"出席議員（２０名）  "}, {"出席議員（２０名）"}},
      {{"￥教育長　佐藤"}, {"￥教育長　佐藤"}},
      {{"／会計／補佐"}, {"会計／補佐"}},
      {{"／会計管理者￥田中"}, {"会計管理者￥田中"}},
      {{"〃｝鈴木"}, {Zs(4) + "　〃　〃" + Zs(8) + "鈴木"}},
      {{"※議長｝山田"}, {Zs(4) + "議長" + Zs(10) + "山田"}},
      {{"山田　太郎"}, {Zs(6) + "山田太郎"}},
      // A department heading takes the next line as its name; that line is not repeated.
      {{"■総務課", "　山田太郎", "議長｝鈴木"},
       {Zs(4) + "総務課" + "　" + Zs(8) + "山田太郎", Zs(4) + "議長" + Zs(10) + "鈴木"}},
      {{"■総務課"}, {Zs(4) + "総務課" + "　" + Zs(8)}},
      {{"■総務課", "福祉課長｝松本明"}, {Zs(4) + "総務課" + "　" + Zs(8) + "福祉課長　松本明"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Layout(c.in, c.columns), c.out) << c.in.front();
}

}  // namespace
}  // namespace korva
