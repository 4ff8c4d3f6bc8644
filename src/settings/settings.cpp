#include "settings/settings.h"

#include "analysis/class_presets.h"
#include "text/literal.h"

namespace korva {
using namespace literals;

Settings::Settings()
    : ComboBoxSubjectTitle("議題・発言者"_sj),
      ComboBoxLeftGoTop("先頭へ戻る"_sj),
      ComboBoxLeftGoBottom("最終行へ"_sj) {
  AssemblySpeakerClassReinitialize(*this);
  RosterSettingsReinitialize(*this);
}

const std::string& ExtraTitlesText(const Settings& s, int category) {
  static const std::string none;
  const std::string* texts[] = {&s.EditExtraTitlesAssembly,    &s.EditExtraTitlesDiet,
                                &s.EditExtraTitlesCooperative, &s.EditExtraTitlesMeeting,
                                &s.EditExtraTitlesDiscuss,     &s.EditExtraTitlesHearing,
                                &s.EditExtraTitlesTrial};
  return category >= 0 && category < 7 ? *texts[category] : none;
}

}  // namespace korva
