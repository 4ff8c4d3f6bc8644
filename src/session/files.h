// Reading and writing whole files. Every output is written to a temporary
// file in the same folder and renamed over the target, so a failure leaves
// the old file intact.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace korva {

struct FileError {
  std::string path;    // UTF-8
  std::string reason;  // the system's reason, UTF-8
  std::string Describe() const { return path + ": " + reason; }
};

struct ReadResult {
  std::string bytes;
  std::optional<FileError> error;
};

ReadResult ReadFileBytes(const std::filesystem::path& path);

// Writes `bytes` to `path` atomically (temporary file, flush, fsync, rename).
std::optional<FileError> WriteFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes);

// The same for a text made piece by piece, so that it is never held whole:
// `produce` hands each piece in order to the writer it is given, and returns
// false to give up, which leaves the old file as it was and reports
// `kNothingWritten`.
using PieceWriter = std::function<void(std::string_view)>;
inline constexpr const char* kNothingWritten = "nothing to write";
std::optional<FileError> WriteFileAtomicallyInPieces(
    const std::filesystem::path& path, const std::function<bool(const PieceWriter&)>& produce);

}  // namespace korva
