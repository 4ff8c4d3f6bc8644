#include "text/codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace korva {
namespace {

// One iconv descriptor per direction and thread; iconv_t carries shift state,
// so it is reset before every conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as possible. Returns the number of input bytes consumed;
  // stops at the first invalid or incomplete sequence.
  std::size_t Convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return in.size() - srcLeft;
  }

 private:
  iconv_t cd_;
};

Converter& FromCp932() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

Converter& ToCp932() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

// Length of the UTF-8 sequence starting at s[pos], or 0 when it is malformed.
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

constexpr std::string_view kGetaMarkCp932 = "\x81\xAC";  // "〓"
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  std::size_t used = FromCp932().Convert(cp932, out);
  if (used != cp932.size()) {
    throw CodecError("bytes at offset " + std::to_string(used) + " are not CP932", used);
  }
  return out;
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  std::size_t pos = 0;
  while (pos < cp932.size()) {
    pos += FromCp932().Convert(cp932.substr(pos), out);
    if (pos < cp932.size()) {
      out += kReplacementUtf8;
      ++pos;
    }
  }
  return out;
}

std::string Utf8ToCp932(std::string_view utf8, std::vector<std::size_t>* replacedAt) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    pos += ToCp932().Convert(utf8.substr(pos), out);
    if (pos < utf8.size()) {
      if (replacedAt) replacedAt->push_back(pos);
      out += kGetaMarkCp932;
      std::size_t len = Utf8SequenceLength(utf8, pos);
      pos += len == 0 ? 1 : len;
    }
  }
  return out;
}

namespace {

// The code point a UTF-8 sequence stands for (a well-formed one, as iconv writes).
char32_t DecodeUtf8(std::string_view s) {
  const auto b = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(s[i]));
  };
  switch (s.size()) {
    case 1:
      return b(0);
    case 2:
      return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3:
      return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default:
      return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
  }
}

// Which characters the converter accepts and what they stand for, learnt
// from the converter itself once, so that validation agrees with conversion
// byte for byte: a byte is a character on its own, or the first of a
// two-byte character whose second bytes are listed. CP932 carries no shift
// state, so a text is valid exactly when each of its characters is.
class Cp932Table {
 public:
  Cp932Table() : pair_(256 * 256, kNone) {
    std::fill(std::begin(single_), std::end(single_), kNone);
    Converter& c = FromCp932();
    std::string sink;
    for (int b = 0; b < 256; ++b) {
      const char one = static_cast<char>(b);
      sink.clear();
      if (c.Convert(std::string_view(&one, 1), sink) == 1) single_[b] = Code(sink);
    }
    for (int lead = 0; lead < 256; ++lead) {
      if (single_[lead] != kNone) continue;
      for (int trail = 0; trail < 256; ++trail) {
        const char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        sink.clear();
        if (c.Convert(std::string_view(two, 2), sink) == 2) {
          pair_[static_cast<std::size_t>(lead * 256 + trail)] = Code(sink);
          leads_[lead] = true;
        }
      }
    }
  }

  Cp932Char At(std::string_view bytes, std::size_t pos) const {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + pos;
    if (single_[*p] != kNone) return {single_[*p], 1, true};
    if (leads_[*p] && pos + 1 < bytes.size()) {
      const char16_t code = pair_[p[0] * 256u + p[1]];
      if (code != kNone) return {code, 2, true};
    }
    return {0, 1, false};
  }

  bool Valid(std::string_view bytes) const {
    for (std::size_t pos = 0; pos < bytes.size();) {
      const Cp932Char c = At(bytes, pos);
      if (!c.valid) return false;
      pos += c.length;
    }
    return true;
  }

 private:
  // Every CP932 character lies in the Basic Multilingual Plane, where U+FFFF
  // is no character at all.
  static constexpr char16_t kNone = 0xFFFF;
  static char16_t Code(std::string_view utf8) { return static_cast<char16_t>(DecodeUtf8(utf8)); }

  char16_t single_[256];
  bool leads_[256] = {};
  std::vector<char16_t> pair_;
};

const Cp932Table& Table() {
  static const Cp932Table table;
  return table;
}

}  // namespace

bool IsValidCp932(std::string_view bytes) {
  return Table().Valid(bytes);
}

Cp932Char DecodeCp932Char(std::string_view text, std::size_t pos) {
  return Table().At(text, pos);
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
