// The top frame and the side-link block shared by the normal and two-pane files.
#pragma once

#include "session/document.h"

namespace korva {

// Appends the include lines when there are any, else the default top frame
// (kinds 0, 1 and 9; other kinds append nothing). Returns 0.
int AddTopFrame(StringList& list, const StringList& includeList, int kind);

// Appends the include lines when there are any, else the sample block (kind 0
// local, 1 web). Returns 0.
int AddSidelink(StringList& list, const StringList& includeList, int kind);

}  // namespace korva
