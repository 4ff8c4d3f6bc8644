#include "tools/base_convert.h"

#include <limits>

#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {

using namespace korva::literals;

namespace {

// Full-width digits and Latin letters (0x82 0x4F...) become their half-width
// forms; every other character stays as it is.
std::string NarrowDigitsAndLetters(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t length = sjis::CharLength(s, i);
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    const unsigned char trail = length == 2 ? static_cast<unsigned char>(s[i + 1]) : 0;
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
      out += static_cast<char>('0' + (trail - 0x4F));
    } else if (lead == 0x82 && trail >= 0x60 && trail <= 0x79) {
      out += static_cast<char>('A' + (trail - 0x60));
    } else if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A) {
      out += static_cast<char>('a' + (trail - 0x81));
    } else {
      out.append(s.substr(i, length));
    }
    i += length;
  }
  return out;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 99;
}

std::string BaseName(int base) {
  switch (base) {
    case 16:
      return "１６進数"_sj;
    case 8:
      return "８進数"_sj;
    case 2:
      return "２進数"_sj;
    default:
      return "１０進数"_sj;
  }
}

}  // namespace

BaseReading ReadInBase(std::string_view cp932, int base) {
  std::string text = NarrowDigitsAndLetters(ZenkakuTrim(cp932));
  if (text.empty()) return {};
  const char prefix = base == 16 ? 'x' : base == 8 ? 'o' : base == 2 ? 'b' : 0;
  if (prefix && text.size() > 2 && text[0] == '0' && sjis::AsciiLower(text[1]) == prefix) {
    text.erase(0, 2);
  }
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  for (const char c : text) {
    const int digit = DigitValue(c);
    if (digit >= base) {
      return {std::nullopt, "【 "_sj + std::string(cp932) + " 】は"_sj + BaseName(base) +
                                "の数ではありません"_sj};
    }
    const auto b = static_cast<std::uint64_t>(base);
    if (value > (kMax - static_cast<std::uint64_t>(digit)) / b) {
      return {std::nullopt, "数が大きすぎます（ 最大 "_sj + WriteInBase(kMax, base) + " ）"_sj};
    }
    value = value * b + static_cast<std::uint64_t>(digit);
  }
  return {value, {}};
}

std::string WriteInBase(std::uint64_t value, int base) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value % static_cast<std::uint64_t>(base)]);
    value /= static_cast<std::uint64_t>(base);
  } while (value > 0);
  return out;
}

}  // namespace korva
