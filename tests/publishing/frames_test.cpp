#include "publishing/frames.h"

#include <gtest/gtest.h>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(AddTopFrame, DefaultFrameByKindAndIncludeVerbatim) {
  struct Case {
    int kind;
    std::size_t lines;
    std::string last;
  };
  const Case cases[] = {
      {0, 11, "</div><!--  //<div id=\"tf\"       -->"},
      {1, 11, "</div><!--  //<div id=\"tf\"       -->"},
      {9, 11, "</div>"},
      {2, 0, ""},
      {8, 0, ""},
  };
  for (const Case& c : cases) {
    StringList list = {"before"};
    EXPECT_EQ(AddTopFrame(list, {}, c.kind), 0);
    ASSERT_EQ(list.size(), 1 + c.lines) << c.kind;
    if (c.lines == 0) continue;
    EXPECT_EQ(list[1], "<div id=\"tf\">");
    EXPECT_EQ(list[2], "<h1 class=\"topframe\">@t-caption@</h1>");
    EXPECT_EQ(list[7],
              "<li><a href=\"@n-html@\"><span class=\"item4\">通常表示</span></a></li>"_sj);
    EXPECT_EQ(list.back(), c.last) << c.kind;
  }
  for (int kind : {0, 1, 2, 9}) {
    StringList list = {"before"};
    AddTopFrame(list, {"<div>own</div>", ""}, kind);
    EXPECT_EQ(list, (StringList{"before", "<div>own</div>", ""})) << kind;
  }
}

TEST(AddSidelink, SampleBlockByKindAndIncludeVerbatim) {
  StringList local, web;
  AddSidelink(local, {}, 0);
  AddSidelink(web, {}, 1);
  ASSERT_EQ(local.size(), 13u);
  ASSERT_EQ(web.size(), 12u);
  EXPECT_EQ(local[1], "【 〔 右 〕サイド・リンク・フレーム 】"_sj);
  for (const StringList* list : {&local, &web}) {
    EXPECT_EQ(list->front(), "<pre class=\"right-nav\">");
    EXPECT_EQ((*list)[list->size() - 4], "　　<a href=\"@n-html@\">@filename@</a>"_sj);
    EXPECT_EQ(list->back(), "</pre>");
  }
  StringList own = {"x"};
  AddSidelink(own, {"<ul><li>a</li></ul>"}, 0);
  EXPECT_EQ(own, (StringList{"x", "<ul><li>a</li></ul>"}));
}

}  // namespace
}  // namespace korva
