// The validator must accept exactly what the strict decoder accepts: the
// minutes check reports a line as broken by the one and reads it by the other.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {

using namespace literals;

bool Decodes(const std::string& bytes) {
  try {
    Cp932ToUtf8(bytes);
    return true;
  } catch (const CodecError&) {
    return false;
  }
}

TEST(Cp932Validation, KnownTexts) {
  struct Case {
    const char* name;
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"empty", "", true},
      {"ascii with controls", "abc\r\n\t~", true},
      {"minutes line", "○議長（山田太郎君）　開会します。"_sj, true},
      {"half-width katakana", "\xB1\xB2\xDF", true},
      {"lead byte cut off at the end", "abc\x82", false},
      {"lead byte before a control", "\x82\r\n", false},
      {"lead byte before a space", "\x82 ", false},
      {"bad byte after good text", "議長"_sj + "\xFF", false},
      {"bad byte before good text", "\xFF" + "議長"_sj, false},
      {"trail byte 0x5C stays inside its character", "表示"_sj, true},
      {"two lead bytes then a cut", "\x81\x81\x81", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidCp932(c.bytes), c.valid) << c.name;
    EXPECT_EQ(Decodes(c.bytes), c.valid) << c.name << " (decoder disagrees with the case)";
  }
}

TEST(Cp932Validation, AgreesWithDecoderOnEveryOneAndTwoByteText) {
  int disagreements = 0;
  for (int a = 0; a < 256; ++a) {
    const std::string one(1, static_cast<char>(a));
    if (IsValidCp932(one) != Decodes(one)) ++disagreements;
    for (int b = 0; b < 256; ++b) {
      const std::string two = {static_cast<char>(a), static_cast<char>(b)};
      if (IsValidCp932(two) != Decodes(two)) {
        ADD_FAILURE() << "bytes " << a << " " << b;
        if (++disagreements > 10) return;
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(Cp932Validation, AgreesWithDecoderOnMixedTexts) {
  // Bytes from the ranges where single, lead and trail bytes meet.
  const unsigned char pool[] = {0x00, 0x0A, 0x20, 0x40, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x82,
                                0x9F, 0xA0, 0xA1, 0xDF, 0xE0, 0xEF, 0xFC, 0xFD, 0xFF};
  std::mt19937 rng(7);
  int valid = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string s(1 + rng() % 9, '\0');
    for (char& c : s) c = static_cast<char>(pool[rng() % std::size(pool)]);
    const bool expected = Decodes(s);
    valid += expected;
    ASSERT_EQ(IsValidCp932(s), expected) << "case " << i;
  }
  // Both outcomes must have been exercised.
  EXPECT_GT(valid, 100);
  EXPECT_LT(valid, 19900);
}

}  // namespace
}  // namespace korva
