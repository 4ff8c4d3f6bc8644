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

}  // namespace korva
