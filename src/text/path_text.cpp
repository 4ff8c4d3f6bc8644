#include "text/path_text.h"

#include "text/codec.h"
#include "text/sjis.h"

namespace korva {
namespace {

// Byte index just past the last separator, 0 when there is none.
std::size_t FileNameStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += sjis::CharLength(path, pos)) {
    if (path[pos] == '/' || path[pos] == '\\') start = pos + 1;
  }
  return start;
}

// Byte index of the extension's dot within the file name, npos when none.
std::size_t ExtensionStart(std::string_view path) {
  const std::size_t nameStart = FileNameStart(path);
  std::size_t dot = std::string_view::npos;
  for (std::size_t pos = nameStart; pos < path.size(); pos += sjis::CharLength(path, pos)) {
    if (path[pos] == '.') dot = pos;
  }
  return dot;
}

// The characters a link must not carry raw. All lie below 0x40, so none is
// ever the second byte of a double-byte character.
bool IsLinkSpecial(char c) {
  return c == '#' || c == '%' || c == '"' || c == '<' || c == '>' || c == ' ';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool NeedsLinkEncoding(std::string_view path) {
  for (const char c : path) {
    if (IsLinkSpecial(c)) return true;
  }
  return false;
}

std::string EncodeLinkTarget(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size() + 8);
  for (const char c : path) {
    if (IsLinkSpecial(c)) {
      out += '%';
      out += kHex[static_cast<unsigned char>(c) >> 4];
      out += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(FileNameStart(path)));
}

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, FileNameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
  std::size_t dot = ExtensionStart(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ExtractBaseName(std::string_view path) {
  const std::size_t start = FileNameStart(path);
  const std::size_t dot = ExtensionStart(path);
  return std::string(path.substr(start, dot == std::string_view::npos ? dot : dot - start));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  std::size_t dot = ExtensionStart(path);
  return std::string(path.substr(0, dot)) + std::string(ext);
}

std::string IncludeTrailingSeparator(std::string_view folder) {
  if (folder.empty() || sjis::EndsWith(folder, "/") || sjis::EndsWith(folder, "\\")) {
    return std::string(folder);
  }
  // A separator the program adds is the system's; what the user wrote stays.
  return std::string(folder) + static_cast<char>(std::filesystem::path::preferred_separator);
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path ToFsPath(std::string_view cp932Path) {
  return PathFromUtf8(Cp932ToUtf8Lossy(cp932Path));
}

std::string FromFsPath(const std::filesystem::path& path) {
  return Utf8ToCp932(Utf8FromPath(path));
}

}  // namespace korva
