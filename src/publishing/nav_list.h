// The speaker navigation list: one numbered link per agenda item and speech.
#pragma once

#include <string>

#include "session/document.h"
#include "settings/settings.h"

namespace korva {

// Formats one SpeakerNavEntryList entry ("designation%code/0012" or
// "heading/0002") as one list line. Mode 0 links to the plain body ids, mode 1
// to the "lt-" / "rb-" ids of the two-pane files. `number` is the running
// speaker number. Empty when the entry is malformed. Sets an empty
// ComboBoxID_Header to "pid-".
std::string GetNavSubSpeakerMarkAndLink(Settings& settings, const std::string& entry, int mode,
                                        int number);

// Rebuilds NavHTMLList (one-pane) and TwoPaneListHTMLList (two-pane).
int MakeNavList(Settings& settings, Document& doc);

// MakeNavList, unless there are no entries. Returns 0.
int MakeNavHTML(Settings& settings, Document& doc);

}  // namespace korva
