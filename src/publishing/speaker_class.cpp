#include "publishing/speaker_class.h"

#include "analysis/class_presets.h"
#include "text/literal.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

SpeakerClassMark SpeakerClassAndMark(const Settings& s, const std::string& code) {
  if (code == "2") return {s.RadioGroupCategory == 1 ? "minister" : "vice-", "∇"_sj};
  if (const SpeakerClassSlot* slot = SlotForCategoryCode(code)) {
    return {s.*(slot->classMember), ZenkakuTrim(s.*(slot->markMember))};
  }
  return {s.ComboBoxDOC_ID, ""};
}

}  // namespace korva
