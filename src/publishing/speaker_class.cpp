#include "publishing/speaker_class.h"

#include "text/literal.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

SpeakerClassMark SpeakerClassAndMark(const Settings& s, const std::string& code) {
  auto slot = [](const std::string& className, const std::string& mark) {
    return SpeakerClassMark{className, ZenkakuTrim(mark)};
  };
  if (code == "1") return slot(s.ComboBoxClassWDC, s.ComboBoxMarkWDC);
  if (code == "2") return slot(s.RadioGroupCategory == 1 ? "minister" : "vice-", "∇"_sj);
  if (code == "3") return slot(s.ComboBoxClassWSC, s.ComboBoxMarkWSC);
  if (code == "4") return slot(s.ComboBoxClassWSQ, s.ComboBoxMarkWSQ);
  if (code == "5") return slot(s.ComboBoClassBRL, s.ComboBoxMarkBRL);
  if (code == "6" || code == "10") return slot(s.ComboBoxClassBFS, s.ComboBoxMarkBFS);
  if (code == "7") return slot(s.ComboBoxClassWRL, s.ComboBoxMarkWRL);
  if (code == "8") return slot(s.ComboBoxClassWSS, s.ComboBoxMarkWSS);
  if (code == "9") return slot(s.ComboBoxCalssWTU, s.ComboBoxMarkWTU);
  if (code == "11") return slot(s.ComboBoxClassBFC, s.ComboBoxMarkBFC);
  if (code == "12") return slot(s.ComboBoxClassBTU, s.ComboBoxMarkBTU);
  if (code == "13") return slot(s.ComboBoxClassBTD, s.ComboBoxMarkBTD);
  if (code == "14") return slot(s.ComboBoxClassWTD, s.ComboBoxMarkWTD);
  return {s.ComboBoxDOC_ID, ""};
}

}  // namespace korva
