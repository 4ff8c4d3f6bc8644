// The system half of an atomic write: a new temporary file beside its
// target, written, flushed to the disk and then moved over the target in one
// step, so that readers see the old file or the new one, never half of one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace korva::platform {

class TemporaryFile {
 public:
  TemporaryFile() = default;
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Creates "folder/.NAME.XXXXXX" (six random letters or digits) that did not
  // exist before, open for writing.
  std::error_code Create(const std::filesystem::path& folder, const std::filesystem::path& name);
  std::error_code Write(std::string_view bytes);
  // Flushes the file to the disk and closes it. On POSIX the file takes the
  // mode, owner and group of `target` when it replaces one, or what the
  // umask allows when it is new.
  std::error_code Finish(const std::filesystem::path& target);
  void Close();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::intptr_t handle_ = -1;
  std::filesystem::path path_;
};

// Moves `from` over `to` in one step. On Windows a target that another
// program holds open for a moment (a virus scanner, an indexer, a browser)
// is tried again a few times before the write fails.
std::error_code MoveFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file; a failure is ignored (the file may be gone already).
void RemoveFile(const std::filesystem::path& path);

}  // namespace korva::platform
