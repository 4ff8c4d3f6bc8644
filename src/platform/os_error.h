// The system's own words for a failed call, in UTF-8, the same on every
// system: errno values through strerror, Windows error codes through the
// system's message table.
#pragma once

#include <string>
#include <system_error>

namespace korva::platform {

// The error of the last failed system call of this thread.
std::error_code LastError();
std::string ErrorText(const std::error_code& error);

}  // namespace korva::platform
