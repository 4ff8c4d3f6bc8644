#include "text/codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <cstring>

#include "text/cp932_tables.h"

namespace korva {
namespace {

using cp932::kNoCharacter;

constexpr std::string_view kGetaMarkCp932 = "\x81\xAC";  // "〓"
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Every CP932 character as the UTF-8 bytes it decodes to, packed in the low
// three bytes of a word whose top byte is their count; 0 for no character.
class DecodeTable {
 public:
  DecodeTable() {
    for (unsigned b = 0; b < 256; ++b) single_[b] = Packed(cp932::kSingleByte[b]);
    // Row 0 stays empty: for bytes that lead no character.
    std::size_t rows = 1;
    for (unsigned lead = 0; lead < 256; ++lead) {
      const unsigned from = cp932::kLeadRow[lead];
      if (from == 0) continue;
      if (rows == rows_.size()) throw std::logic_error("more CP932 lead bytes than rows");
      row_[lead] = static_cast<std::uint8_t>(rows);
      auto& row = rows_[rows++];
      for (unsigned t = 0; t < static_cast<unsigned>(cp932::kTrailCount); ++t) {
        row[t + cp932::kTrailFirst] = Packed(cp932::kDoubleByte[from][t]);
        if (cp932::kDoubleByte[from][t] != kNoCharacter)
          pairs_.set(lead << 8 | (t + cp932::kTrailFirst));
      }
    }
  }

  // The character at `p`: its packed UTF-8 and its length, 0 when no
  // character starts there (a byte that is none, a lead byte without a
  // valid second byte, or one cut off at the end).
  struct Char {
    std::uint32_t utf8;
    unsigned length;
  };
  // Whether bytes `lead`, `trail` are a two-byte character.
  bool IsPair(unsigned lead, unsigned trail) const { return pairs_.test(lead << 8 | trail); }
  bool IsSingle(unsigned byte) const { return single_[byte] != 0; }

  Char At(const unsigned char* p, const unsigned char* end) const {
    if (const std::uint32_t one = single_[*p]) return {one, 1};
    if (end - p < 2) return {0, 0};
    const std::uint32_t two = rows_[row_[*p]][p[1]];
    return {two, two ? 2u : 0u};
  }

 private:
  static std::uint32_t Packed(std::uint32_t cp) {
    if (cp == kNoCharacter) return 0;
    if (cp < 0x80) return 1u << 24 | cp;
    if (cp < 0x800) return 2u << 24 | (0xC0 | cp >> 6) | (0x80 | (cp & 0x3F)) << 8;
    return 3u << 24 | (0xE0 | cp >> 12) | (0x80 | (cp >> 6 & 0x3F)) << 8 |
           (0x80 | (cp & 0x3F)) << 16;
  }

  std::uint32_t single_[256] = {};
  std::uint8_t row_[256] = {};
  std::array<std::array<std::uint32_t, 256>, 64> rows_{};
  std::bitset<256 * 256> pairs_;
};

const DecodeTable& Decoding() {
  static const DecodeTable table;
  return table;
}

// Eight bytes at a time while they are all ASCII: most of an HTML document.
inline bool EightAscii(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return (word & 0x8080808080808080u) == 0;
}

// Decodes from `p` up to `stop` into `d`: a character may end past `stop`,
// never past `end`. An undecodable byte stops it, or with `lossy` becomes
// U+FFFD; the first one is kept in `firstInvalid`. `d` needs room for three
// bytes per input byte and one more. Returns where input and output stopped.
struct Decoded {
  const unsigned char* in;
  char* out;
};
Decoded DecodeRun(const unsigned char* p, const unsigned char* stop, const unsigned char* end,
                  char* d, bool lossy, const unsigned char*& firstInvalid) {
  const DecodeTable& table = Decoding();
  while (p < stop) {
    if (*p < 0x80) {
      if (stop - p >= 8 && EightAscii(p)) {
        std::memcpy(d, p, 8);
        p += 8;
        d += 8;
      } else {
        *d++ = static_cast<char>(*p++);
      }
      continue;
    }
    const DecodeTable::Char c = table.At(p, end);
    if (c.length == 0) {
      if (!firstInvalid) firstInvalid = p;
      if (!lossy) break;
      std::memcpy(d, kReplacementUtf8.data(), kReplacementUtf8.size());
      d += kReplacementUtf8.size();
      ++p;
      continue;
    }
    static_assert(std::endian::native == std::endian::little, "packed bytes are stored in order");
    std::memcpy(d, &c.utf8, 4);  // the bytes in order, then the count, overwritten next
    d += c.utf8 >> 24;
    p += c.length;
  }
  return {p, d};
}

// Appends the UTF-8 form of `in` to `out` a block at a time through a
// buffer, so that no room is reserved (and cleared) ahead in `out`. Returns
// the offset of the first undecodable byte, npos when there is none; without
// `lossy` the output stops there.
std::size_t DecodeAppend(std::string_view in, std::string& out, bool lossy) {
  constexpr std::size_t kBlock = 8192;
  char buffer[3 * kBlock + 8];
  const auto* begin = reinterpret_cast<const unsigned char*>(in.data());
  const auto* end = begin + in.size();
  const unsigned char* firstInvalid = nullptr;
  for (const unsigned char* p = begin; p < end;) {
    const auto* stop = end - p > static_cast<std::ptrdiff_t>(kBlock) ? p + kBlock : end;
    const Decoded step = DecodeRun(p, stop, end, buffer, lossy, firstInvalid);
    out.append(buffer, static_cast<std::size_t>(step.out - buffer));
    if (step.in < stop) break;
    p = step.in;
  }
  return firstInvalid ? static_cast<std::size_t>(firstInvalid - begin) : std::string_view::npos;
}

// The code point of a well-formed sequence of `len` bytes, or -1 when it is
// no character: an overlong form, a surrogate, or beyond U+10FFFF.
long Utf8CodePoint(std::string_view s, std::size_t pos, std::size_t len) {
  static constexpr unsigned char kLeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  static constexpr long kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
  long cp = static_cast<unsigned char>(s[pos]) & kLeadMask[len];
  for (std::size_t i = 1; i < len; ++i)
    cp = cp << 6 | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
  if (cp < kLeast[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return -1;
  return cp;
}

// What each code point of the BMP encodes to: a byte (below 0x100), a byte
// pair (lead << 8 | trail), or kRefused.
class EncodeTable {
 public:
  EncodeTable() {
    std::fill(std::begin(bytes_), std::end(bytes_), cp932::kRefused);
    // Rising byte sequences: the first one to decode to a code point is its encoding.
    for (unsigned b = 0; b < 256; ++b) {
      const std::uint16_t cp = cp932::kSingleByte[b];
      if (cp != kNoCharacter && bytes_[cp] == cp932::kRefused)
        bytes_[cp] = static_cast<std::uint16_t>(b);
    }
    for (unsigned lead = 0; lead < 256; ++lead) {
      const unsigned row = cp932::kLeadRow[lead];
      if (row == 0) continue;
      for (unsigned t = 0; t < static_cast<unsigned>(cp932::kTrailCount); ++t) {
        const std::uint16_t cp = cp932::kDoubleByte[row][t];
        if (cp != kNoCharacter && bytes_[cp] == cp932::kRefused) {
          bytes_[cp] = static_cast<std::uint16_t>(lead << 8 | (t + cp932::kTrailFirst));
        }
      }
    }
    for (std::size_t i = 0; i < cp932::kEncodeExceptionCount; ++i) {
      const cp932::EncodeException& e = cp932::kEncodeExceptions[i];
      if (e.codePoint < 0x10000) bytes_[e.codePoint] = e.bytes;
    }
  }

  std::uint16_t Of(long cp) const {
    if (cp < 0x10000) return bytes_[cp];
    const auto* first = cp932::kEncodeExceptions;
    const auto* last = first + cp932::kEncodeExceptionCount;
    const auto* it = std::lower_bound(
        first, last, static_cast<std::uint32_t>(cp),
        [](const cp932::EncodeException& e, std::uint32_t c) { return e.codePoint < c; });
    return it != last && it->codePoint == static_cast<std::uint32_t>(cp) ? it->bytes
                                                                         : cp932::kRefused;
  }

 private:
  std::uint16_t bytes_[0x10000];
};

const EncodeTable& Encoding() {
  static const EncodeTable table;
  return table;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos) {
  const auto b = static_cast<unsigned char>(s[pos]);
  std::size_t len = b < 0x80           ? 1
                    : (b >> 5) == 0x6  ? 2
                    : (b >> 4) == 0xE  ? 3
                    : (b >> 3) == 0x1E ? 4
                                       : 0;
  if (len == 0 || pos + len > s.size()) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 0;
  }
  return len;
}

std::size_t AppendCp932AsUtf8(std::string& out, std::string_view cp932) {
  const std::size_t invalid = DecodeAppend(cp932, out, false);
  return invalid == std::string_view::npos ? cp932.size() : invalid;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  const std::size_t used = AppendCp932AsUtf8(out, cp932);
  if (used != cp932.size()) {
    throw CodecError("bytes at offset " + std::to_string(used) + " are not CP932", used);
  }
  return out;
}

std::size_t AppendCp932AsUtf8Lossy(std::string& out, std::string_view cp932) {
  return DecodeAppend(cp932, out, true);
}

char* Cp932ToUtf8Lossy(std::string_view cp932, char* out) {
  const auto* begin = reinterpret_cast<const unsigned char*>(cp932.data());
  const auto* end = begin + cp932.size();
  const unsigned char* firstInvalid = nullptr;
  return DecodeRun(begin, end, end, out, true, firstInvalid).out;
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  AppendCp932AsUtf8Lossy(out, cp932);
  return out;
}

std::string Utf8ToCp932(std::string_view utf8, std::vector<std::size_t>* replacedAt) {
  const EncodeTable& table = Encoding();
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t len = Utf8SequenceLength(utf8, pos);
    const long cp = len == 0 ? -1 : Utf8CodePoint(utf8, pos, len);
    const std::uint16_t bytes = cp < 0 ? cp932::kRefused : table.Of(cp);
    if (bytes == cp932::kRefused) {
      if (replacedAt) replacedAt->push_back(pos);
      out += kGetaMarkCp932;
      pos += len == 0 ? 1 : len;
      continue;
    }
    if (bytes < 0x100) {
      out += static_cast<char>(bytes);
    } else if (bytes != cp932::kDropped) {
      out += static_cast<char>(bytes >> 8);
      out += static_cast<char>(bytes & 0xFF);
    }
    pos += len;
  }
  return out;
}

std::size_t FirstInvalidCp932(std::string_view bytes) {
  const DecodeTable& table = Decoding();
  const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = begin + bytes.size();
  for (const auto* p = begin; p < end;) {
    if (*p < 0x80) {
      p += end - p >= 8 && EightAscii(p) ? 8 : 1;
    } else if (end - p >= 2 && table.IsPair(p[0], p[1])) {
      p += 2;
    } else if (table.IsSingle(*p)) {
      ++p;
    } else {
      return static_cast<std::size_t>(p - begin);
    }
  }
  return std::string_view::npos;
}

bool IsValidCp932(std::string_view bytes) {
  return FirstInvalidCp932(bytes) == std::string_view::npos;
}

Cp932Char DecodeCp932Char(std::string_view text, std::size_t pos) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
  if (const std::uint16_t single = cp932::kSingleByte[*p]; single != kNoCharacter) {
    return {single, 1, true};
  }
  const unsigned row = cp932::kLeadRow[*p];
  if (row != 0 && pos + 1 < text.size()) {
    const unsigned trail = p[1] - static_cast<unsigned>(cp932::kTrailFirst);
    if (trail < static_cast<unsigned>(cp932::kTrailCount) &&
        cp932::kDoubleByte[row][trail] != kNoCharacter) {
      return {cp932::kDoubleByte[row][trail], 2, true};
    }
  }
  return {0, 1, false};
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t len = Utf8SequenceLength(bytes, pos);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

}  // namespace korva
