// Trimming of half-width and ideographic spaces only (control characters stay),
// as the body conversion and the roster layout trim their texts.
#pragma once

#include <string>
#include <string_view>

namespace korva {

std::string TrimBlankLeft(std::string_view s);
std::string TrimBlank(std::string_view s);
// The same as views into `s`.
std::string_view TrimBlankLeftView(std::string_view s);
std::string_view TrimBlankView(std::string_view s);

// `count` ideographic spaces.
std::string IdeographicSpaces(long long count);

}  // namespace korva
