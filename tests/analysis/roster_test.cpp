#include "analysis/roster.h"

#include <gtest/gtest.h>

#include "analysis_support.h"

namespace korva {
namespace {
using testing::U8;

TEST(Roster, ConvertRosterName) {
  const std::pair<std::string, std::string> cases[] = {
      {"議長　山田太郎", "議長｝山田太郎"},
      {"総務課", "■総務課"},
      {"総 務 課", "■総務課"},  // spaces go before the unit test
      {"副市長", "副市長●"},
      {"１番　　鈴木　花子", "１番｝鈴木　花子"},  // 番 is the first title character found
      {"教育委員会委員長　田中", "教育委員会委員長｝田中"},  // 長 is tried before 会
      {"山田太郎", "山田太郎"},                              // no title character
      {"", ""},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(U8(ConvertRosterName(Sj(input))), expected) << input;
  }
}

TEST(Roster, ConvertRosterLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"議長　山田太郎／副議長　鈴木花子", "議長｝山田太郎／副議長￥鈴木花子"},
      {"議長　山田太郎/副議長　鈴木花子", "議長｝山田太郎／副議長￥鈴木花子"},
      {"議長　山田太郎／", "議長｝山田太郎／"},
      {"／副議長　鈴木花子", "／副議長　鈴木花子"},  // starts with "／": unchanged
      {"　／副議長　鈴木花子", "／副議長￥鈴木花子"},
      {"出席議員（２０名）", "出席議員（２０名）"},  // heading word
      {"説明のため出席した者", "説明のため出席した者"},
      {"議長　山田太郎　　", "議長｝山田太郎"},
      {"議長　山田￥太郎", "議長　山田太郎"},  // "￥" after position 1 is dropped
      {"￥議長　山田", "￥議長　山田"},
      {"＼議長　山田", "＼議長　山田"},
      {"総務課", "■総務課"},
      {"", ""},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(U8(ConvertRosterLine(Sj(input))), expected) << input;
  }
}

TEST(Roster, IsRosterEntryLine) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"議長　山田太郎", true},
      {"出 席 議 員", false},  // found after the spaces are removed
      {"欠席議員　なし", false},
      {"●印は途中退席", false},
      {"地方自治法第１２１条の規定により", false},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(IsRosterEntryLine(Sj(input)), expected) << input;
  }
}

}  // namespace
}  // namespace korva
