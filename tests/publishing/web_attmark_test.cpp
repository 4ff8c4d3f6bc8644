#include <gtest/gtest.h>

#include "publishing/web_set.h"
#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

TEST(WebChangeAttmark, ValuesDefaultsAndOrder) {
  struct Case {
    const char* what;
    void (*set)(Settings&);
    std::string text, expected;
  };
  const Case cases[] = {
      {"defaults", [](Settings&) {}, "@title@|@t-caption@|@filename@|@css@|@home@|@top@|@list@",
       "会議録|会議録|会議録|../css/minutes.css|../../../index.html|../../top.html|"
       "../minutes-list.html"_sj},
      {"own values",
       [](Settings& s) {
         s.BtnEditHEADTitle = "題"_sj;
         s.BtnEditLocalTopFrameCaption = "見出し"_sj;
         s.BtnEditWebCSSFile = "/css/a.css";
         s.BtnEditWebReturn2Home = "/";
         s.BtnEditWebReturn2Top = "/top/";
         s.BtnEditWebReturn2List = "/list/";
       },
       "@TITLE@|@T-Caption@|@filename@|@css@|@home@|@top@|@list@",
       "題|見出し|会議録|/css/a.css|/|/top/|/list/"_sj},
      {"set file names", [](Settings&) {}, "@n-html@ @h-html@ @v-html@",
       "a-n.html a-h.html a-v.html"},
      {"domain last, inside values",
       [](Settings& s) {
         s.BtnEditWebDomain = "https://x.jp/";
         s.BtnEditWebReturn2Home = "@domain@index.html";
         s.BtnEditWebCSSFile = "@domain@common/css/minutes.css";
       },
       "@home@ @css@ @domain@",
       "https://x.jp/index.html https://x.jp/common/css/minutes.css https://x.jp/"},
      {"empty domain", [](Settings& s) { s.BtnEditWebReturn2Home = "@domain@index.html"; },
       "@home@", "index.html"},
      {"alternate characters", [](Settings&) {}, "あ￣い＼う表\\", "あ　いう表\\"_sj},
      {"other words stay", [](Settings&) {}, "@topcaption@ @hol@ mail@example",
       "@topcaption@ @hol@ mail@example"},
      // A "@" right after "　" (0x81 0x40) is still a placeholder.
      {"after full-width space", [](Settings&) {}, "　@filename@", "　会議録"_sj},
  };
  for (const Case& c : cases) {
    Settings settings;
    c.set(settings);
    Document doc;
    doc.DocumentTitle = "会議録"_sj;
    doc.NormalFileName = "a-n.html";
    doc.HorizontalFileName = "a-h.html";
    doc.VerticalFileName = "a-v.html";
    EXPECT_EQ(WebChangeAttmark(Sj(c.text), settings, doc), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace korva
