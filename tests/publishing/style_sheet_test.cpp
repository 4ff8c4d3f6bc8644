// The sample style sheet addresses what this program writes.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "analysis/class_presets.h"
#include "publishing/speaker_class.h"
#include "session/files.h"

namespace korva {
namespace {

// The colour of every span class, also of each class in a selector list
// such as "span.mayor, span.mayor-alt { color: ... }".
std::map<std::string, std::string> SpanColours(const std::string& css) {
  std::map<std::string, std::string> colours;
  const std::regex rule(
      R"(((?:span\.[A-Za-z0-9_-]+,\s*)*span\.[A-Za-z0-9_-]+)\s*\{\s*color:\s*(#[0-9a-fA-F]{6}))");
  const std::regex name(R"(span\.([A-Za-z0-9_-]+))");
  for (auto it = std::sregex_iterator(css.begin(), css.end(), rule); it != std::sregex_iterator();
       ++it) {
    const std::string selectors = (*it)[1];
    for (auto n = std::sregex_iterator(selectors.begin(), selectors.end(), name);
         n != std::sregex_iterator(); ++n) {
      colours[(*n)[1]] = (*it)[2];
    }
  }
  return colours;
}

class SampleStyleSheet : public ::testing::Test {
 protected:
  const std::string css =
      ReadFileBytes(std::string(KORVA_SOURCE_DIR) + "/examples/css/minutes.css").bytes;
};

TEST_F(SampleStyleSheet, EveryPresetsSpeakerClassesHaveTheirOwnColour) {
  ASSERT_FALSE(css.empty());
  const auto colours = SpanColours(css);
  for (int category = 0; category < 8; ++category) {
    Settings settings;
    settings.RadioGroupCategory = category;
    MakeClassSettingByCategory(settings);
    std::map<std::string, std::string> classOfColour;
    for (int code = 1; code <= 14; ++code) {
      const std::string cls = SpeakerClassAndMark(settings, std::to_string(code)).className;
      ASSERT_TRUE(colours.count(cls))
          << "no colour for " << cls << " (category " << category << ")";
      // An alternate paragraph keeps its speaker's colour.
      if (colours.count(cls + "-alt")) {
        EXPECT_EQ(colours.at(cls + "-alt"), colours.at(cls)) << cls;
      } else {
        EXPECT_EQ(cls, settings.ComboBoxDOC_ID) << "no " << cls << "-alt";
      }
      const auto [it, fresh] = classOfColour.emplace(colours.at(cls), cls);
      EXPECT_TRUE(fresh || it->second == cls)
          << cls << " and " << it->second << " share " << it->first << " in category " << category;
    }
  }
}

TEST_F(SampleStyleSheet, LaysOutEveryPaneOfTheThreeFiles) {
  for (const std::string selector :
       {"#toplink", "#leftnormallink", "#minutescontents-normal",
        "#minutescontents-normal-right-nav", "#minutescontents-top", "#minutescontents-bottom",
        "#minutescontents-left", "#minutescontents-right", "p.v2pane-firstparagraph",
        "p.h2pane-firstparagraph", "p.annotation", "h4.subject", "blockquote.quotation", "li.bill",
        "pre.content-header", "pre.leftnav", "pre.right-nav"}) {
    EXPECT_NE(css.find(selector), std::string::npos) << selector;
  }
}

}  // namespace
}  // namespace korva
