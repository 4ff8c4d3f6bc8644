// CP932 <-> UTF-8 conversion. Document text is CP932 bytes everywhere inside
// the program; this module is the only place where it changes encoding. The
// mapping is glibc's CP932 converter's, kept as generated data
// (cp932_tables.h), so the bytes are the same on every system.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// Thrown when bytes cannot be converted; `offset` is the byte offset of the
// first byte that failed in the input.
class CodecError : public std::runtime_error {
 public:
  CodecError(const std::string& what, std::size_t offset)
      : std::runtime_error(what), offset_(offset) {}
  std::size_t offset() const { return offset_; }

 private:
  std::size_t offset_;
};

// Strict: throws CodecError naming the offset of the first byte that is not CP932.
std::string Cp932ToUtf8(std::string_view cp932);

// For messages and terminal output: undecodable bytes become U+FFFD.
std::string Cp932ToUtf8Lossy(std::string_view cp932);
// The same appended to `out`; returns the offset of the first undecodable
// byte, npos when there is none.
std::size_t AppendCp932AsUtf8Lossy(std::string& out, std::string_view cp932);
// The same written to `out`, which has room for three bytes per input byte
// and one more; returns the end of what was written.
char* Cp932ToUtf8Lossy(std::string_view cp932, char* out);

// Appends the UTF-8 form of the characters at the start of `cp932` up to the
// first byte that is not CP932 (or a lead byte cut off at the end), and
// returns how many bytes it took: all of them for valid text.
std::size_t AppendCp932AsUtf8(std::string& out, std::string_view cp932);

// Characters CP932 cannot hold become "〓"; the byte offsets (in the UTF-8
// input) of the replaced characters are appended to `replacedAt` when given.
// Invalid UTF-8 bytes are replaced the same way.
std::string Utf8ToCp932(std::string_view utf8, std::vector<std::size_t>* replacedAt = nullptr);

// True when every byte sequence is valid CP932.
bool IsValidCp932(std::string_view bytes);
// Offset of the first byte that starts no CP932 character, npos when none.
std::size_t FirstInvalidCp932(std::string_view bytes);

// One CP932 character: its Unicode code point and its length in bytes. A
// byte that starts no character comes alone, with `valid` false.
struct Cp932Char {
  char32_t codePoint = 0;
  std::size_t length = 1;
  bool valid = false;
};
// The character that starts at byte `pos` (< text.size()) of `text`.
Cp932Char DecodeCp932Char(std::string_view text, std::size_t pos);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Length of the UTF-8 sequence starting at s[pos], or 0 when it is malformed
// (a bad lead byte, a missing continuation byte, cut off at the end).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos);

}  // namespace korva
