// The number base converter: one whole number shown in decimal,
// hexadecimal, octal and binary.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korva {

// The bases the converter shows, in the order of its boxes.
inline constexpr int kConverterBases[] = {10, 16, 8, 2};

struct BaseReading {
  std::optional<std::uint64_t> value;
  std::string message;  // CP932; empty when the text is a number or empty
};

// Reads a whole number typed in `base` (2, 8, 10 or 16). Blanks around it go,
// full-width digits and letters count as their half-width forms, letters may
// be of either case, and "0x" / "0o" / "0b" may lead a number of their base.
// An empty text is no number and no fault.
BaseReading ReadInBase(std::string_view cp932, int base);

// The number in `base`; hexadecimal digits in upper case.
std::string WriteInBase(std::uint64_t value, int base);

}  // namespace korva
