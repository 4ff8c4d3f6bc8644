// The small string functions shared by the classifier, the body conversion and
// the navigation list. All positions are 1-based CP932 byte positions; all
// searches are lead-byte aware.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korva {

// Leading control characters, spaces and full-width spaces, in any mix.
std::string ZenkakuTrimLeft(std::string_view s);
std::string ZenkakuTrimRight(std::string_view s);
std::string ZenkakuTrim(std::string_view s);
// The same as views into `s`.
std::string_view ZenkakuTrimLeftView(std::string_view s);
std::string_view ZenkakuTrimRightView(std::string_view s);

// Control characters and spaces (bytes up to 0x20) at both ends only.
std::string TrimControlAndSpaces(std::string_view s);

// Every space and full-width space anywhere.
std::string DeleteAllSpaces(std::string_view s);

// Control characters and spaces at both ends, then the runs of spaces and
// full-width spaces left at either end.
std::string TrimAllSpaces(std::string_view s);
std::string_view TrimAllSpacesView(std::string_view s);

// True when nothing but separator symbols (and spaces) remain; "" is one too.
bool IsSeparatorLine(std::string_view s);

// The run of at most 20 full-width spaces that begins the string.
std::string LeadingZenkakuSpaces(std::string_view s);

// Removes every speaker mark, and then all spaces when `alsoSpaces` is 1.
std::string RemoveSpeakerMarks(std::string_view s, int alsoSpaces);
// RemoveSpeakerMarks(s, 0) appended to `out`.
void AppendWithoutSpeakerMarks(std::string& out, std::string_view s);

std::string PadNumber(long long n, std::size_t width);
std::string ZeroPadNumber(long long n, std::size_t width);
std::string NbspPadNumber(long long n, std::size_t width);

// 1-based position of the first `sub` in `s` beginning at byte position
// from + 1 or later (0 searches all of `s`); 0 when there is none.
std::size_t SearchFrom(std::string_view sub, std::string_view s, std::size_t from);

// 1-based position of the first `sub` in `s`, 0 when none (SearchFrom with from = 0).
inline std::size_t Pos(std::string_view sub, std::string_view s) {
  return SearchFrom(sub, s, 0);
}

}  // namespace korva
