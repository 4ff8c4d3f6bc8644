#include "analysis/title_tables.h"

#include <gtest/gtest.h>

#include "analysis_support.h"

namespace korva {
namespace {
struct ByCategoryCase {
  std::string designation;
  int category;
  std::string expected;
};

TEST(TitleTables, CodeByCategory) {
  const ByCategoryCase cases[] = {
      {"○議長（山田太郎君）", 0, "3"},  // no "○　": the title decides
      {"◎　市長", 1, "1"},              // the mark decides
      {"山田太郎君", 1, "5"},           // 君 in the Diet table
      {"山田太郎", 1, "5"},             // the default
      {"山田太郎", 7, "0"},             // general documents have no categories
      {"◎　山田", 7, "1"},              // a mark counts even there
      {"副市長", 0, "2"},               // 副市 comes before 市長
      {"市長", 0, "1"},
      {"副議長", 0, "3"},  // 議長 comes before 員長
      {"委員長", 0, "4"},  // 員長 comes before 委員
      {"委員", 0, "5"},
      {"教育長", 0, "7"},
      {"監査委員", 0, "6"},    // 監査 comes before 委員
      {"○　◆　両方", 0, "5"},  // ◆ is later in the mark list than ○
      {"◆　○　両方", 0, "5"},  // the list order decides, not the position
      {"∇　大臣", 0, "2"},
      {"組合長", 2, "1"},
      {"組合長", 0, "7"},    // 合長 of the assembly table
      {"事務局長", 3, "7"},  // 務局 before 局長 in the meeting table
      {"司会", 4, "3"},
      {"公述人", 5, "12"},
      {"裁判長", 6, "1"},
      {"被告人", 6, "11"},  // 告人 before 被告
      {"山田氏", 6, "9"},
      {"山田", 6, "5"},
      {"山田", -1, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(YakushokuCodeByCategory(Sj(c.designation), "5", c.category), c.expected)
        << c.designation << " in category " << c.category;
  }
}

TEST(TitleTables, CodeByTail) {
  const std::pair<std::string, std::string> cases[] = {
      {"山田太郎君", "9"},  // 君 alone: the default
      {"教育長", "7"},     {"山田太郎", "0"},
      {"市長", "1"},       {"○議長（山田太郎君）", "3"},  // cut before "（"
      {"（山田）", "0"},                                  // nothing before "（": the whole text
      {"１２番", "9"},                                    // 番 alone: the default
      {"君", "5"},                                        // a one-character designation
      {"開議", "0"},       {"日程第１会議録署名議員の指名", "0"},
      {"", "0"},
  };
  for (const auto& [designation, expected] : cases) {
    EXPECT_EQ(YakushokuCodeByTail(Sj(designation), "9"), expected) << designation;
  }
}

}  // namespace
}  // namespace korva
