// "議長"_sj: a UTF-8 source literal as CP932 bytes, converted once on first use.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/codec.h"

namespace korva {

template <std::size_t N>
struct Utf8Literal {
  char chars[N];
  constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, chars); }
  constexpr std::string_view view() const { return {chars, N - 1}; }
};

// Converts a UTF-8 string to CP932 for use as document text; for literals use _sj.
inline std::string Sj(std::string_view utf8) {
  return Utf8ToCp932(utf8);
}

namespace literals {

template <Utf8Literal L>
const std::string& operator""_sj() {
  static const std::string converted = Utf8ToCp932(L.view());
  return converted;
}

}  // namespace literals
}  // namespace korva
