#include "platform/os_error.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include "platform/wide_text.h"
#endif

namespace korva::platform {

std::error_code LastError() {
#ifdef _WIN32
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
#else
  return std::error_code(errno, std::generic_category());
#endif
}

std::string ErrorText(const std::error_code& error) {
#ifdef _WIN32
  if (error.category() == std::system_category()) {
    wchar_t* buffer = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&buffer), 0,
        nullptr);
    std::wstring text(buffer ? buffer : L"", n);
    if (buffer) ::LocalFree(buffer);
    // The table's messages end in a full stop and a line break.
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.'))
      text.pop_back();
    if (!text.empty()) return Utf8FromWide(text);
    return "system error " + std::to_string(error.value());
  }
#endif
  return std::strerror(error.value());
}

}  // namespace korva::platform
