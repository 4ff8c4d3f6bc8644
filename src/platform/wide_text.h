// UTF-8 <-> UTF-16 for the wide Windows calls; only the Windows halves of
// this folder use it.
#pragma once

#ifdef _WIN32
#include <string>
#include <string_view>

namespace korva::platform {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace korva::platform
#endif
