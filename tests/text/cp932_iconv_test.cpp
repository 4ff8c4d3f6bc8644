// The codec against glibc's iconv, whose CP932 mapping its tables were made
// from: every one- and two-byte sequence, every code point, and mixed texts
// with broken sequences must come out byte for byte as iconv has them.
#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>

#include "text/codec.h"

namespace korva {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; returns the number of input bytes taken.
  std::size_t Convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buffer[256];
    while (left > 0) {
      char* dst = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return in.size() - left;
  }

 private:
  iconv_t cd_;
};

std::string Utf8Of(long cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | cp >> 6);
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | cp >> 12);
    s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | cp >> 18);
    s += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

// The conversions as they were written on iconv: as much as converts, then a
// replacement for the byte (or UTF-8 sequence) that does not, and on.
std::string IconvLossyToUtf8(Iconv& from, std::string_view in) {
  std::string out;
  for (std::size_t pos = 0; pos < in.size();) {
    pos += from.Convert(in.substr(pos), out);
    if (pos < in.size()) {
      out += "\xEF\xBF\xBD";
      ++pos;
    }
  }
  return out;
}

std::string IconvToCp932(Iconv& to, std::string_view in, std::vector<std::size_t>& replaced) {
  std::string out;
  for (std::size_t pos = 0; pos < in.size();) {
    pos += to.Convert(in.substr(pos), out);
    if (pos < in.size()) {
      replaced.push_back(pos);
      out += "\x81\xAC";
      const std::size_t len = Utf8SequenceLength(in, pos);
      pos += len == 0 ? 1 : len;
    }
  }
  return out;
}

class Cp932AgainstIconv : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!decode_.ok() || !encode_.ok()) GTEST_SKIP() << "this system's iconv has no CP932";
  }
  Iconv decode_{"UTF-8", "CP932"};
  Iconv encode_{"CP932", "UTF-8"};
};

TEST_F(Cp932AgainstIconv, EveryOneAndTwoByteSequenceDecodesAlike) {
  int differences = 0;
  for (int a = 0; a < 256 && differences < 10; ++a) {
    for (int b = -1; b < 256 && differences < 10; ++b) {
      std::string bytes(1, static_cast<char>(a));
      if (b >= 0) bytes += static_cast<char>(b);
      std::string expected;
      const bool valid = decode_.Convert(bytes, expected) == bytes.size();
      std::string ours;
      const bool ourValid = AppendCp932AsUtf8(ours, bytes) == bytes.size();
      if (valid != ourValid || (valid && ours != expected) || IsValidCp932(bytes) != valid ||
          Cp932ToUtf8Lossy(bytes) != IconvLossyToUtf8(decode_, bytes)) {
        ADD_FAILURE() << "bytes " << std::hex << a << " " << b;
        ++differences;
      }
    }
  }
}

TEST_F(Cp932AgainstIconv, EveryCodePointEncodesAlike) {
  int mapped = 0, differences = 0;
  for (long cp = 0; cp <= 0x10FFFF && differences < 10; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::string utf8 = Utf8Of(cp);
    std::vector<std::size_t> expectedAt, ourAt;
    const std::string expected = IconvToCp932(encode_, utf8, expectedAt);
    mapped += expectedAt.empty();
    if (Utf8ToCp932(utf8, &ourAt) != expected || ourAt != expectedAt) {
      ADD_FAILURE() << "U+" << std::hex << cp;
      ++differences;
    }
  }
  // The mapping the rules rely on, and a plausible number of characters.
  EXPECT_EQ(Utf8ToCp932("〜−～－"), "\x81\x60\x81\x7C\x81\x60\x81\x7C");
  EXPECT_GT(mapped, 7000);
}

TEST_F(Cp932AgainstIconv, BrokenTextsConvertAlike) {
  // CP932 bytes from where single, lead and trail bytes meet; UTF-8 pieces
  // that are whole, cut short, overlong, surrogates or beyond U+10FFFF.
  const unsigned char cp932Pool[] = {0x00, 0x0A, 0x20, 0x40, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x82,
                                     0x9F, 0xA0, 0xA1, 0xDF, 0xE0, 0xEF, 0xFA, 0xFC, 0xFD, 0xFF};
  const std::string utf8Pool[] = {"a",
                                  "\r\n",
                                  "議",
                                  "～",
                                  "〜",
                                  "\xE8\xAD",
                                  "\xC0\xAF",
                                  "\xED\xA0\x80",
                                  "\xF4\x90\x80\x80",
                                  "\xF0\x9F\x98\x80",
                                  "\xFF",
                                  "\x80",
                                  "é",
                                  "\xF3\xA0\x80\x81",
                                  "ｱ"};
  std::mt19937 rng(16);
  for (int i = 0; i < 20000; ++i) {
    std::string cp932(1 + rng() % 9, '\0');
    for (char& c : cp932) c = static_cast<char>(cp932Pool[rng() % std::size(cp932Pool)]);
    ASSERT_EQ(Cp932ToUtf8Lossy(cp932), IconvLossyToUtf8(decode_, cp932)) << "case " << i;

    std::string utf8;
    for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n)
      utf8 += utf8Pool[rng() % std::size(utf8Pool)];
    std::vector<std::size_t> expectedAt, ourAt;
    ASSERT_EQ(Utf8ToCp932(utf8, &ourAt), IconvToCp932(encode_, utf8, expectedAt)) << "case " << i;
    ASSERT_EQ(ourAt, expectedAt) << "case " << i;
  }
}

}  // namespace
}  // namespace korva
