// Paths as document text (CP932) and as file-system paths (UTF-8 on Linux).
// Folder settings end with a separator and output paths are plain
// concatenations, so these helpers work on the text, lead-byte aware: the
// trail byte 0x5C of "表" is not a backslash.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korva {

// Everything after the last '/' or '\'.
std::string ExtractFileName(std::string_view path);
// Everything up to and including the last '/' or '\' ("" when none).
std::string ExtractFilePath(std::string_view path);
// The extension with its dot (".txt"), "" when the file name has none.
std::string ExtractFileExt(std::string_view path);
// The file name without its folder and extension.
std::string ExtractBaseName(std::string_view path);
// `path` with its extension replaced by `ext` (which includes the dot).
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// `folder` with the system's separator ('/', on Windows '\') appended unless
// it already ends with a separator or is empty.
std::string IncludeTrailingSeparator(std::string_view folder);

// A file name or relative path (CP932) as the value of an href or src
// attribute: "#", "%", '"', "<", ">" and spaces are percent-encoded, so that a
// browser takes the whole text for the file's name and not "h26" of
// "h26#1-n.html"; everything else stays as it is.
bool NeedsLinkEncoding(std::string_view path);
std::string EncodeLinkTarget(std::string_view path);
// The reverse: every "%" and two hex digits becomes the byte they stand for.
std::string PercentDecode(std::string_view text);

// UTF-8 text <-> file-system path: the one boundary for every path that is
// built from or turned into a std::string. A narrow std::string would be read
// in the ANSI code page on Windows; char8_t text is UTF-8 everywhere.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// CP932 text <-> file-system path.
std::filesystem::path ToFsPath(std::string_view cp932Path);
std::string FromFsPath(const std::filesystem::path& path);

}  // namespace korva
