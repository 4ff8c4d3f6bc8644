// HTML copied from a coloured pane: plain text for editors, and the same
// text as a coloured RTF document for word processors.
#pragma once

#include <string>

namespace korva::app {

void SetClipboardTextAndRtf(const std::string& cp932Html);

}  // namespace korva::app
