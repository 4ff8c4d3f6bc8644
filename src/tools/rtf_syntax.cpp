#include "tools/rtf_syntax.h"

#include <algorithm>

#include "text/codec.h"

namespace korva {

namespace {

const char* FamilyKeyword(FontFamily family) {
  switch (family) {
    case FontFamily::DontCare:
      return "fdontcare";
    case FontFamily::Roman:
      return "froman";
    case FontFamily::Swiss:
      return "fswiss";
    case FontFamily::Modern:
      return "fmodern";
    case FontFamily::Script:
      return "fscript";
    case FontFamily::Decorative:
      return "fdecorative";
    case FontFamily::Other:
      break;
  }
  return "froman";
}

std::string CharsetKeyword(int charset) {
  switch (charset) {
    case 0:
    case 1:
    case 2:
    case 128:
    case 255:
      return "fcharset" + std::to_string(charset);
    default:
      return "";
  }
}

// Colour indexes are written once per token; avoid a temporary string.
void AppendNumber(int n, std::string& out) {
  if (n >= 0 && n < 10) {
    out += static_cast<char>('0' + n);
  } else if (n >= 10 && n < 100) {
    out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
  } else {
    out += std::to_string(n);
  }
}

// "\'xx" for a byte, into `at`; returns the end.
char* HexByte(unsigned char b, char* at) {
  static constexpr char kHex[] = "0123456789abcdef";
  *at++ = '\\';
  *at++ = '\'';
  *at++ = kHex[b >> 4];
  *at++ = kHex[b & 0xF];
  return at;
}

// A character above ASCII as its code point (\uN, N a signed 16-bit number),
// followed by its CP932 bytes as \'xx for readers that know no Unicode. The
// document says two such bytes follow (\uc2); a one-byte character says
// otherwise in a group of its own. Bytes that are no character go as \'xx.
// Raw, the trail bytes "{", "}" and "\" of characters such as "本" would open
// and close groups, and readers would take the rest for code page 1252.
// Written into a small buffer first: this runs once per Japanese character.
void AppendCharacter(const Cp932Char& ch, std::string_view bytes, std::string& out) {
  char buffer[32];
  char* at = buffer;
  if (!ch.valid) {
    at = HexByte(static_cast<unsigned char>(bytes[0]), at);
    out.append(buffer, at);
    return;
  }
  const bool single = ch.length == 1;
  if (single) at = std::copy_n("{\\uc1", 5, at);
  *at++ = '\\';
  *at++ = 'u';
  int n = ch.codePoint > 0x7FFF ? static_cast<int>(ch.codePoint) - 0x10000
                                : static_cast<int>(ch.codePoint);
  if (n < 0) {
    *at++ = '-';
    n = -n;
  }
  char digits[8];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  while (count > 0) *at++ = digits[--count];
  for (const char b : bytes) at = HexByte(static_cast<unsigned char>(b), at);
  if (single) *at++ = '}';
  out.append(buffer, at);
}

}  // namespace

TqlxRTFSyntax::TqlxRTFSyntax() {
  header_ = "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage_) + "\\deff0\\deftab720{\\fonttbl";
  const RtfFont font{kJapaneseMonospaceFont, FontFamily::Modern, kShiftJisCharset};
  SetFonts(std::span(&font, 1));
  SetColorTable({});
}

void TqlxRTFSyntax::EscapeText(std::string_view text, std::string& out) const {
  std::size_t plainFrom = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c == '\\' || c == '{' || c == '}') {
        out.append(text.substr(plainFrom, i - plainFrom));
        out += '\\';
        out += static_cast<char>(c);
        plainFrom = i + 1;
      }
      ++i;
      continue;
    }
    out.append(text.substr(plainFrom, i - plainFrom));
    const Cp932Char ch = DecodeCp932Char(text, i);
    AppendCharacter(ch, text.substr(i, ch.length), out);
    i += ch.length;
    plainFrom = i;
  }
  out.append(text.substr(plainFrom));
}

int TokenColorIndex(int kindIndex, std::string_view token) {
  std::size_t first = 0;
  while (first < token.size() && static_cast<unsigned char>(token[first]) <= ' ') ++first;
  if (token.substr(first).starts_with("//")) return 2;
  if (kindIndex == 10 && token.starts_with('"')) return 6;
  return kindIndex;
}

void TqlxRTFSyntax::FormatToken(int colorIndex, std::string_view text, std::string& out) const {
  if (colorIndex == kBoldColorIndex) {
    out += "\\cf9 \\b ";
    out += text;
    out += "\\b0 ";
    return;
  }
  out += "\\cf";
  AppendNumber(TokenColorIndex(colorIndex, text), out);
  out += ' ';
  out += text;
}

std::string TqlxRTFSyntax::ColorToRTF(RgbColor color) const {
  return "\\red" + std::to_string((color >> 16) & 0xFF) + "\\green" +
         std::to_string((color >> 8) & 0xFF) + "\\blue" + std::to_string(color & 0xFF) + ";";
}

void TqlxRTFSyntax::SetText(std::string text) {
  text_ = std::move(text);
  SetTextBuffer(text_.data(), text_.size());
}

void TqlxRTFSyntax::SetFonts(std::span<const RtfFont> fonts) {
  fontTable_.clear();
  for (std::size_t n = 0; n < fonts.size(); ++n) {
    fontTable_ += "{\\f" + std::to_string(n) + "\\" + FamilyKeyword(fonts[n].family) + "\\" +
                  CharsetKeyword(fonts[n].charset) + " " + fonts[n].name + ";}";
  }
}

void TqlxRTFSyntax::SetColorTable(std::span<const RgbColor> colors) {
  colorTable_ = "{\\colortbl\\red0\\green0\\blue0;";
  for (RgbColor color : colors) colorTable_ += ColorToRTF(color);
  colorTable_ += "}\r\n";
}

void TqlxRTFSyntax::SetDefaultColors() {}

void TqlxRTFSyntax::Convert(std::string& out, const PieceWriter* write, std::size_t pieceSize) {
  SetTextBuffer(text_.data(), text_.size());
  out += header_;
  out += fontTable_;
  out += fontTableEnd_;
  out += colorTable_;
  out += paragraphSetup_;
  out += "\\f0 ";
  std::string escaped;
  for (; !AtEnd(); Next()) {
    const std::string_view token = GetToken();
    // A line feed alone also ends a paragraph, so LF-only text keeps its lines.
    if (token == "\r\n" || token == "\r" || token == "\n") out += "\\par ";
    escaped.clear();
    EscapeText(token, escaped);
    FormatToken(GetTokenKind(), escaped, out);
    if (write && out.size() >= pieceSize) {
      (*write)(out);
      out.clear();
    }
  }
  out += "\\par }";
  if (write) {
    (*write)(out);
    out.clear();
  }
}

std::string TqlxRTFSyntax::ConvertToString() {
  std::string out;
  // A character above ASCII grows from two bytes to some eighteen.
  const auto high = std::count_if(text_.begin(), text_.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  out.reserve(text_.size() * 2 + static_cast<std::size_t>(high) * 8 + 512);
  Convert(out, nullptr, 0);
  return out;
}

void TqlxRTFSyntax::ConvertInPieces(const PieceWriter& write, std::size_t pieceSize) {
  std::string piece;
  piece.reserve(pieceSize + pieceSize / 4);
  Convert(piece, &write, pieceSize);
}

void TqlxRTFSyntax::SaveToStream(std::ostream& stream) {
  ConvertInPieces([&stream](std::string_view piece) { stream << piece; });
}

}  // namespace korva
