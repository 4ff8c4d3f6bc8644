// The output HTML name that a minutes file name carries: title "@" html-name.
#pragma once

#include <string>
#include <string_view>

namespace korva {

// Everything after the first "@" of the file name without folder and
// extension; "dummy" when there is no "@". CP932 text.
std::string GetSaveHTMLFilename(std::string_view path);

}  // namespace korva
