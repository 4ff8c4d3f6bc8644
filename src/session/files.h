// Reading and writing whole files. Every output is written to a temporary
// file in the same folder and renamed over the target, so a failure leaves
// the old file intact.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Reads `path` a block at a time, so that a large file is never held whole;
// `take` sees every block in order. An error may come after some blocks.
// Small blocks keep what a reader holds small too.
using PieceWriter = std::function<void(std::string_view)>;
inline constexpr std::size_t kReadPieceSize = 64 << 10;
std::optional<FileError> ReadFileInPieces(const std::filesystem::path& path,
                                          const PieceWriter& take);

// Writes `bytes` to `path` atomically (temporary file ".NAME.XXXXXX" beside
// it, flushed to the disk, then moved over the target). A symbolic link is
// written through to the file it names, and on POSIX a file that is replaced
// keeps its mode.
std::optional<FileError> WriteFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes);

// The same for a text made piece by piece, so that it is never held whole:
// `produce` hands each piece in order to the writer it is given, and returns
// false to give up, which leaves the old file as it was and reports
// `kNothingWritten`.
inline constexpr const char* kNothingWritten = "nothing to write";
// The reason a write gives after RemoveOpenTemporaries.
inline constexpr const char* kInterrupted = "the program is being stopped";
std::optional<FileError> WriteFileAtomicallyInPieces(
    const std::filesystem::path& path, const std::function<bool(const PieceWriter&)>& produce);

// The files of one set: while a FileSet lives, every atomic write on this
// thread goes only as far as its temporary file, and Commit renames them all
// at the end, so that a set is replaced as a whole. A set that is not
// committed removes its temporaries and leaves the old files as they were.
class FileSet {
 public:
  FileSet();
  ~FileSet();
  FileSet(const FileSet&) = delete;
  FileSet& operator=(const FileSet&) = delete;

  // Renames the temporaries over their files, in the order written. A
  // failure stops there (and is returned); the rest are removed.
  std::optional<FileError> Commit();

  // True while a FileSet gathers the writes of this thread.
  static bool Collecting();

 private:
  friend std::optional<FileError> WriteFileAtomicallyInPieces(
      const std::filesystem::path&, const std::function<bool(const PieceWriter&)>&);
  struct Staged {
    std::filesystem::path temp;
    std::filesystem::path target;
    std::string path;  // as the writer was given it, for messages
  };
  void Discard(std::size_t from);

  std::vector<Staged> staged_;
  FileSet* outer_;
};

// While one lives, every atomic write on this thread hands the whole text it
// would write, with the path, to `take` and touches no file: for runs that
// must leave the disk alone (fuzzing, a dry run). Nests like FileSet.
class WriteInterception {
 public:
  using Take = std::function<void(const std::string& path, std::string&& bytes)>;
  explicit WriteInterception(Take take);
  ~WriteInterception();
  WriteInterception(const WriteInterception&) = delete;
  WriteInterception& operator=(const WriteInterception&) = delete;

 private:
  friend std::optional<FileError> WriteFileAtomicallyInPieces(
      const std::filesystem::path&, const std::function<bool(const PieceWriter&)>&);
  Take take_;
  WriteInterception* outer_;
};

// Removes every temporary file a write has open or a FileSet holds, and makes
// later writes fail (kInterrupted): for a program that is being stopped
// (Ctrl-C, kill). The core installs no signal handler; the program does, and
// calls this from an ordinary thread (it takes a lock), never from the handler.
void RemoveOpenTemporaries();

// A temporary file that an earlier, interrupted run left behind.
struct StaleTemporary {
  std::filesystem::path path;
  std::chrono::seconds age;
  bool removed = false;
  std::string error;  // why it could not be removed (UTF-8)
};

// The temporaries of the writer's naming (".NAME.XXXXXX", NAME ending in one
// of `extensions`) that `folder` holds; those older than `maxAge` are removed.
// A younger one may belong to a run that is still writing.
std::vector<StaleTemporary> CleanStaleTemporaries(const std::filesystem::path& folder,
                                                  std::span<const std::string_view> extensions,
                                                  std::chrono::seconds maxAge);

}  // namespace korva
