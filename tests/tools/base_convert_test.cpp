#include "tools/base_convert.h"

#include <gtest/gtest.h>

#include "text/codec.h"
#include "text/literal.h"

namespace korva {
namespace {

TEST(BaseConvert, ReadsNumbersAsTyped) {
  struct Case {
    const char* text;  // UTF-8
    int base;
    std::optional<std::uint64_t> value;
    const char* message;  // part of the message, UTF-8; "" for none
  };
  const Case cases[] = {{"255", 10, 255, ""},
                        {"ff", 16, 255, ""},
                        {"0xFF", 16, 255, ""},
                        {"０ｘＦｆ", 16, 255, ""},
                        {"377", 8, 255, ""},
                        {"0o377", 8, 255, ""},
                        {"11111111", 2, 255, ""},
                        {"0B1", 2, 1, ""},
                        {"　１２ ", 10, 12, ""},
                        {"", 10, std::nullopt, ""},
                        {"　", 16, std::nullopt, ""},
                        // Digits beyond the base, signs, blanks inside and bare prefixes.
                        {"2", 2, std::nullopt, "２進数の数ではありません"},
                        {"8", 8, std::nullopt, "８進数の数ではありません"},
                        {"g", 16, std::nullopt, "１６進数の数ではありません"},
                        {"12a", 10, std::nullopt, "１０進数の数ではありません"},
                        {"-1", 10, std::nullopt, "【 -1 】は"},
                        {"1 2", 10, std::nullopt, "の数ではありません"},
                        {"0x", 16, std::nullopt, "の数ではありません"},
                        {"0x1", 10, std::nullopt, "の数ではありません"},
                        // "ア" is 0x83 0x41: its trail byte is no "A".
                        {"ア", 16, std::nullopt, "の数ではありません"},
                        // The largest number and one more.
                        {"18446744073709551615", 10, UINT64_MAX, ""},
                        {"18446744073709551616", 10, std::nullopt, "最大 18446744073709551615"},
                        {"FFFFFFFFFFFFFFFF", 16, UINT64_MAX, ""},
                        {"10000000000000000", 16, std::nullopt, "最大 FFFFFFFFFFFFFFFF"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in base " + std::to_string(c.base));
    const BaseReading reading = ReadInBase(Utf8ToCp932(c.text), c.base);
    EXPECT_EQ(reading.value, c.value);
    if (*c.message) {
      EXPECT_NE(Cp932ToUtf8Lossy(reading.message).find(c.message), std::string::npos)
          << Cp932ToUtf8Lossy(reading.message);
    } else {
      EXPECT_EQ(reading.message, "");
    }
  }
}

TEST(BaseConvert, WritesEveryBase) {
  struct Case {
    std::uint64_t value;
    int base;
    const char* text;
  };
  const Case cases[] = {{0, 2, "0"},  {0, 16, "0"},         {255, 16, "FF"},
                        {8, 8, "10"}, {255, 2, "11111111"}, {1000, 10, "1000"}};
  for (const Case& c : cases) EXPECT_EQ(WriteInBase(c.value, c.base), c.text);
  EXPECT_EQ(WriteInBase(UINT64_MAX, 8), "1777777777777777777777");
  EXPECT_EQ(WriteInBase(UINT64_MAX, 2), std::string(64, '1'));
  // Every base reads back what it writes.
  for (const int base : kConverterBases) {
    for (const std::uint64_t value : {std::uint64_t{0}, std::uint64_t{4095}, UINT64_MAX}) {
      EXPECT_EQ(ReadInBase(WriteInBase(value, base), base).value, value);
    }
  }
}

}  // namespace
}  // namespace korva
