// A synthetic minutes generator for benchmarks: realistic CP932 minutes of a
// municipal assembly, the same text for the same seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korva::bench {

inline constexpr std::uint32_t kDefaultMinutesSeed = 20240612;

// Exactly `lineCount` lines ending in CR LF: a header, an attendance roster
// in "｛｛" … "｝｝", the proceedings between two "■" lines with speakers of
// several categories, continuation paragraphs, notes (also over several
// lines), agenda headings, quotation and enumeration blocks, recesses, the
// adjournment and a footer. Every block mark that opens also closes.
std::string GenerateMinutes(std::size_t lineCount, std::uint32_t seed = kDefaultMinutesSeed);

}  // namespace korva::bench
