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

}  // namespace

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
  return std::string(folder) + "/";
}

std::filesystem::path ToFsPath(std::string_view cp932Path) {
  return std::filesystem::path(Cp932ToUtf8Lossy(cp932Path));
}

std::string FromFsPath(const std::filesystem::path& path) {
  return Utf8ToCp932(path.string());
}

}  // namespace korva
