// The class name and lead mark a speaker category code selects.
#pragma once

#include <string>

#include "settings/settings.h"

namespace korva {

struct SpeakerClassMark {
  std::string className;
  std::string mark;  // trimmed of half-width and full-width spaces
};

// Codes "1".."14" select a slot (code "2" has a fixed class and mark); any
// other code gives the document class of ComboBoxDOC_ID and no mark.
SpeakerClassMark SpeakerClassAndMark(const Settings& settings, const std::string& code);

}  // namespace korva
