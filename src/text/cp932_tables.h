// The CP932 mapping as data, generated from glibc's converter by
// scripts/generate-cp932-tables.sh (see src/text/cp932_tables.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

namespace korva::cp932 {

// A byte or byte pair that is no character.
inline constexpr std::uint16_t kNoCharacter = 0xFFFF;

// Code point of each byte on its own, kNoCharacter when it is none (then it
// may lead a two-byte character).
extern const std::uint16_t kSingleByte[256];

// Two-byte characters: kDoubleByte[kLeadRow[lead]][trail - kTrailFirst] for
// trail bytes kTrailFirst..kTrailFirst + kTrailCount - 1. Row 0 is all
// kNoCharacter, for bytes that lead no character.
inline constexpr int kTrailFirst = 0x40;
inline constexpr int kTrailCount = 0xFC - 0x40 + 1;
extern const std::uint8_t kLeadRow[256];
extern const std::uint16_t kDoubleByte[][kTrailCount];

// Encoding is the inverse of decoding, taking the lowest byte sequence where
// several decode to the same code point, except for these code points (in
// rising order). `bytes` is the byte (below 0x100) or byte pair (lead << 8 |
// trail) it encodes to, kRefused when it has no encoding, kDropped when the
// converter leaves it out without a word.
inline constexpr std::uint16_t kRefused = 0xFFFF;
inline constexpr std::uint16_t kDropped = 0xFFFE;
struct EncodeException {
  std::uint32_t codePoint;
  std::uint16_t bytes;
};
extern const EncodeException kEncodeExceptions[];
extern const std::size_t kEncodeExceptionCount;

}  // namespace korva::cp932
