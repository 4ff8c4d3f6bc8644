// Writes src/text/cp932_tables.cpp: the CP932 mapping exactly as glibc's
// iconv converter has it on the machine that runs this, so that the program's
// own codec gives the same bytes everywhere without iconv.
//
// Decoding: every byte that is a character on its own, and every two-byte
// character (a lead byte that is not a character on its own, with a trail
// byte). Encoding: the inverse of the decoding, choosing the lowest byte
// sequence for a code point that several sequences decode to, plus the
// exceptions where glibc encodes otherwise (another of the sequences, a code
// point that no sequence decodes to, or one it refuses to encode).
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      std::fprintf(stderr, "iconv cannot convert %s to %s\n", from, to);
      std::exit(1);
    }
  }
  ~Converter() { iconv_close(cd_); }
  // The whole input converted, or false.
  bool Convert(const std::string& in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[64];
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    if (rc == static_cast<std::size_t>(-1) || srcLeft != 0) return false;
    // Flush any state, as a complete conversion would.
    if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
    out.assign(buffer, static_cast<std::size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

// The code point of a UTF-32BE character; -1 unless there is exactly one.
long OneCodePoint(const std::string& utf32) {
  if (utf32.size() != 4) return -1;
  long cp = 0;
  for (unsigned char c : utf32) cp = cp << 8 | c;
  return cp;
}

std::string Utf32(long cp) {
  std::string s(4, '\0');
  for (int i = 3; i >= 0; --i, cp >>= 8)
    s[static_cast<std::size_t>(i)] = static_cast<char>(cp & 0xFF);
  return s;
}

constexpr int kTrailFirst = 0x40, kTrailLast = 0xFC;
constexpr long kNone = 0xFFFF;  // no character: CP932 maps nothing to U+FFFF
// Encodings that are no byte sequence: CP932 has no lead byte 0xFF.
constexpr unsigned kRefused = 0xFFFF, kDropped = 0xFFFE;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  Converter decode("UTF-32BE", "CP932");
  Converter encode("CP932", "UTF-32BE");

  long single[256];
  std::vector<int> leads;
  std::string out;
  for (int b = 0; b < 256; ++b) {
    single[b] =
        decode.Convert(std::string(1, static_cast<char>(b)), out) ? OneCodePoint(out) : kNone;
    if (single[b] == -1) return 1;
  }
  // Two-byte characters: lead bytes are those that are no character alone.
  std::map<int, std::vector<long>> pairs;
  for (int lead = 0; lead < 256; ++lead) {
    if (single[lead] != kNone) continue;
    std::vector<long> row(kTrailLast - kTrailFirst + 1, kNone);
    bool any = false;
    for (int trail = 0; trail < 256; ++trail) {
      const std::string two = {static_cast<char>(lead), static_cast<char>(trail)};
      if (!decode.Convert(two, out)) continue;
      const long cp = OneCodePoint(out);
      if (cp < 0 || cp == kNone || trail < kTrailFirst || trail > kTrailLast) {
        std::fprintf(stderr, "unexpected two-byte character %02X %02X\n", lead, trail);
        return 1;
      }
      row[static_cast<std::size_t>(trail - kTrailFirst)] = cp;
      any = true;
    }
    if (any) pairs[lead] = row;
  }

  // The inverse of the decoding, lowest sequence first.
  std::map<long, unsigned> inverse;
  for (int b = 0; b < 256; ++b) {
    if (single[b] != kNone && !inverse.count(single[b]))
      inverse[single[b]] = static_cast<unsigned>(b);
  }
  for (const auto& [lead, row] : pairs) {
    for (int t = 0; t < static_cast<int>(row.size()); ++t) {
      if (row[static_cast<std::size_t>(t)] != kNone &&
          !inverse.count(row[static_cast<std::size_t>(t)])) {
        inverse[row[static_cast<std::size_t>(t)]] =
            static_cast<unsigned>(lead << 8 | (t + kTrailFirst));
      }
    }
  }
  // Where glibc encodes otherwise.
  std::map<long, unsigned> exceptions;
  for (long cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    unsigned bytes = kRefused;
    if (encode.Convert(Utf32(cp), out)) {
      if (out.empty()) {
        bytes = kDropped;
      } else if (out.size() == 1) {
        bytes = static_cast<unsigned char>(out[0]);
      } else if (out.size() == 2) {
        bytes = static_cast<unsigned>(static_cast<unsigned char>(out[0])) << 8 |
                static_cast<unsigned char>(out[1]);
      } else {
        std::fprintf(stderr, "unexpected encoding of U+%04lX\n", cp);
        return 1;
      }
    }
    const auto it = inverse.find(cp);
    const unsigned expected = it == inverse.end() ? kRefused : it->second;
    if (bytes != expected) exceptions[cp] = bytes;
  }

  std::FILE* f = std::fopen(argv[1], "w");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(f,
               "// Generated by scripts/generate-cp932-tables.sh from glibc's CP932 converter;\n"
               "// do not edit. The mapping of every CP932 byte sequence, and where encoding\n"
               "// departs from the inverse of decoding.\n"
               "#include \"text/cp932_tables.h\"\n\nnamespace korva::cp932 {\n\n");
  std::fprintf(f, "const std::uint16_t kSingleByte[256] = {\n");
  for (int b = 0; b < 256; ++b) std::fprintf(f, "0x%04lX,%s", single[b], b % 8 == 7 ? "\n" : " ");
  std::fprintf(f, "};\n\n");
  std::fprintf(f, "const std::uint8_t kLeadRow[256] = {\n");
  int index = 0;
  for (int b = 0; b < 256; ++b) {
    std::fprintf(f, "%d,%s", pairs.count(b) ? ++index : 0, b % 16 == 15 ? "\n" : " ");
  }
  std::fprintf(f, "};\n\n");
  std::fprintf(f, "const std::uint16_t kDoubleByte[%zu][kTrailCount] = {\n", pairs.size() + 1);
  std::fprintf(f, "{},  // no lead byte\n");
  for (const auto& [lead, row] : pairs) {
    std::fprintf(f, "{  // lead byte 0x%02X\n", lead);
    for (std::size_t t = 0; t < row.size(); ++t) {
      std::fprintf(f, "0x%04lX,%s", row[t], t % 8 == 7 || t + 1 == row.size() ? "\n" : " ");
    }
    std::fprintf(f, "},\n");
  }
  std::fprintf(f, "};\n\n");
  std::fprintf(f, "const EncodeException kEncodeExceptions[%zu] = {\n", exceptions.size());
  for (const auto& [cp, bytes] : exceptions) std::fprintf(f, "{0x%05lX, 0x%04X},\n", cp, bytes);
  std::fprintf(
      f, "};\nconst std::size_t kEncodeExceptionCount = %zu;\n\n}  // namespace korva::cp932\n",
      exceptions.size());
  std::fclose(f);
  std::fprintf(stderr, "%zu lead bytes, %zu encoding exceptions\n", pairs.size(),
               exceptions.size());
  return 0;
}
