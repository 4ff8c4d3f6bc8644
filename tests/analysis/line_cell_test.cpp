// The short cells of the line table hold their values exactly and refuse,
// rather than cut, a value that does not fit.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/line_table.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(LineCell, HoldsValuesUpToItsSize) {
  struct Case {
    const char* name;
    std::string value;
  };
  const Case cases[] = {
      {"empty", ""},
      {"kind", "99"},
      {"label of two-byte characters", "発言者"_sj},
      {"label with a 0x5C trail byte", "表示"_sj},
      {"seven bytes", "1234567"},
      {"bytes that end a C string", std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    LineRow row;
    row.KindLabel = c.value;
    EXPECT_EQ(std::string(row.KindLabel), c.value) << c.name;
    EXPECT_EQ(row.KindLabel.size(), c.value.size()) << c.name;
    EXPECT_EQ(row.KindLabel.empty(), c.value.empty()) << c.name;
  }
}

TEST(LineCell, RefusesWhatDoesNotFitAndKeepsItsValue) {
  LineRow row;
  row.LineKind = "51";
  EXPECT_THROW(row.LineKind = "12345678", std::length_error);
  EXPECT_EQ(row.LineKind, "51");
  row.LineNo = "999999999999999";  // fifteen digits fit the line number
  EXPECT_THROW(row.LineNo = "1000000000000000", std::length_error);
  EXPECT_EQ(row.LineNo, "999999999999999");
}

TEST(LineCell, ComparesAndJoinsLikeText) {
  LineRow row;
  row.LineKind = "2";
  row.CategoryCode = "14";
  EXPECT_TRUE(row.LineKind == "2");
  EXPECT_FALSE(row.LineKind == "20");
  EXPECT_FALSE(row.LineKind == "");
  EXPECT_TRUE(row.CategoryCode == std::string("14"));
  EXPECT_EQ(row.LineKind + "/" + row.CategoryCode, "2/14");
  row.CategoryCode.clear();
  EXPECT_TRUE(row.CategoryCode.empty());
  EXPECT_EQ(row.LineKind + "/" + row.CategoryCode, "2/");
}

}  // namespace
}  // namespace korva
