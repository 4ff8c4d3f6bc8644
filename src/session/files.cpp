#include "session/files.h"

#include <cerrno>
#include <fstream>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

#include "platform/os_error.h"
#include "platform/output_file.h"
#include "text/path_text.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

FileError ErrorFor(const fs::path& path, const std::error_code& error) {
  return FileError{Utf8FromPath(path), platform::ErrorText(error)};
}

FileError ErrorFor(const fs::path& path, int err) {
  return ErrorFor(path, std::error_code(err, std::generic_category()));
}

// The temporary files the writers have open, so that a program being
// stopped can remove them. One lock guards creating, renaming and removing
// them: a set is renamed whole before a removal runs, or not at all.
struct Temporaries {
  std::mutex mutex;
  std::vector<fs::path> open;
  bool closed = false;  // after RemoveOpenTemporaries no write starts

  void Forget(const fs::path& temp) { std::erase(open, temp); }
};

// Never destroyed: a stop signal may still be handled while the program exits.
Temporaries& OpenTemporaries() {
  static Temporaries* const temporaries = new Temporaries;
  return *temporaries;
}

// Where a write of `path` lands: a symbolic link is followed to the file it
// names, as editors do, so the link stays a link.
fs::path WriteTarget(const fs::path& path) {
  fs::path target = path;
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

thread_local FileSet* collecting = nullptr;
thread_local WriteInterception* intercepting = nullptr;

bool IsTemporarySuffix(std::string_view suffix) {
  if (suffix.size() != 7 || suffix[0] != '.') return false;
  for (const char c : suffix.substr(1)) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!alnum) return false;
  }
  return true;
}

}  // namespace

ReadResult ReadFileBytes(const fs::path& path) {
  ReadResult result;
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    result.error = FileError{Utf8FromPath(path), "is a folder, not a file"};
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = ErrorFor(path, errno ? errno : ENOENT);
    return result;
  }
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) result.bytes.resize(static_cast<std::size_t>(size));
  if (size > 0 && !in.read(result.bytes.data(), size)) {
    result.error = ErrorFor(path, errno ? errno : EIO);
    result.bytes.clear();
  }
  return result;
}

std::optional<FileError> ReadFileInPieces(const std::filesystem::path& path,
                                          const PieceWriter& take) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    return FileError{Utf8FromPath(path), "is a folder, not a file"};
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ErrorFor(path, errno ? errno : ENOENT);
  std::string block(kReadPieceSize, '\0');
  for (;;) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    const auto n = in.gcount();
    if (n > 0) take(std::string_view(block.data(), static_cast<std::size_t>(n)));
    if (in.bad()) return ErrorFor(path, errno ? errno : EIO);
    if (!in) return std::nullopt;
  }
}

std::optional<FileError> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  return WriteFileAtomicallyInPieces(path, [bytes](const PieceWriter& write) {
    write(bytes);
    return true;
  });
}

std::optional<FileError> WriteFileAtomicallyInPieces(
    const fs::path& path, const std::function<bool(const PieceWriter&)>& produce) {
  if (intercepting) {
    std::string bytes;
    if (!produce([&bytes](std::string_view piece) { bytes.append(piece); })) {
      return FileError{path.string(), kNothingWritten};
    }
    intercepting->take_(path.string(), std::move(bytes));
    return std::nullopt;
  }
  const fs::path target = WriteTarget(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  Temporaries& temporaries = OpenTemporaries();
  platform::TemporaryFile file;
  {
    std::lock_guard lock(temporaries.mutex);
    if (temporaries.closed) return FileError{Utf8FromPath(path), kInterrupted};
    if (const auto error = file.Create(folder, target.filename())) return ErrorFor(path, error);
    temporaries.open.push_back(file.path());
  }
  const fs::path tempPath = file.path();

  auto discard = [&] {
    file.Close();
    std::lock_guard lock(temporaries.mutex);
    platform::RemoveFile(tempPath);
    temporaries.Forget(tempPath);
  };
  auto fail = [&](const std::error_code& error) {
    discard();
    return ErrorFor(path, error);
  };
  // After the first failed write the rest is skipped; the error is kept.
  std::error_code writeError;
  const PieceWriter write = [&](std::string_view piece) {
    if (!writeError) writeError = file.Write(piece);
  };
  bool keep = false;
  try {
    keep = produce(write);
  } catch (...) {
    discard();
    throw;
  }
  if (!keep) {
    discard();
    return FileError{Utf8FromPath(path), kNothingWritten};
  }
  if (writeError) return fail(writeError);
  if (const auto error = file.Finish(target)) return fail(error);
  if (collecting) {
    // What would stop the rename at the end stops the set now, before any
    // of its files is replaced.
    std::error_code ec;
    if (fs::is_directory(target, ec)) return fail(std::make_error_code(std::errc::is_a_directory));
    collecting->staged_.push_back({tempPath, target, Utf8FromPath(path)});
    return std::nullopt;
  }
  std::lock_guard lock(temporaries.mutex);
  temporaries.Forget(tempPath);
  if (const auto error = platform::MoveFileOver(tempPath, target)) {
    platform::RemoveFile(tempPath);
    return ErrorFor(path, error);
  }
  return std::nullopt;
}

WriteInterception::WriteInterception(Take take) : take_(std::move(take)), outer_(intercepting) {
  intercepting = this;
}

WriteInterception::~WriteInterception() {
  intercepting = outer_;
}

FileSet::FileSet() : outer_(collecting) {
  collecting = this;
}

FileSet::~FileSet() {
  collecting = outer_;
  Discard(0);
}

void FileSet::Discard(std::size_t from) {
  Temporaries& temporaries = OpenTemporaries();
  std::lock_guard lock(temporaries.mutex);
  for (std::size_t i = from; i < staged_.size(); ++i) {
    platform::RemoveFile(staged_[i].temp);
    temporaries.Forget(staged_[i].temp);
  }
  staged_.resize(std::min(from, staged_.size()));
}

std::optional<FileError> FileSet::Commit() {
  std::optional<FileError> error;
  std::size_t renamed = 0;
  {
    Temporaries& temporaries = OpenTemporaries();
    std::lock_guard lock(temporaries.mutex);
    for (; renamed < staged_.size(); ++renamed) {
      const Staged& file = staged_[renamed];
      if (const auto failed = platform::MoveFileOver(file.temp, file.target)) {
        error = FileError{file.path, platform::ErrorText(failed)};
        break;
      }
      temporaries.Forget(file.temp);
    }
  }
  Discard(renamed);
  staged_.clear();
  return error;
}

bool FileSet::Collecting() {
  return collecting != nullptr;
}

void RemoveOpenTemporaries() {
  Temporaries& temporaries = OpenTemporaries();
  std::lock_guard lock(temporaries.mutex);
  for (const fs::path& temp : temporaries.open) platform::RemoveFile(temp);
  temporaries.open.clear();
  temporaries.closed = true;
}

std::vector<StaleTemporary> CleanStaleTemporaries(const fs::path& folder,
                                                  std::span<const std::string_view> extensions,
                                                  std::chrono::seconds maxAge) {
  std::vector<StaleTemporary> found;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return found;
  const auto now = fs::file_time_type::clock::now();
  for (const auto& entry : it) {
    const std::string name = Utf8FromPath(entry.path().filename());
    // "." + the name of the file being written + "." + six letters or digits.
    if (name.size() < 9 || name[0] != '.' ||
        !IsTemporarySuffix(std::string_view(name).substr(name.size() - 7))) {
      continue;
    }
    const std::string_view written = std::string_view(name).substr(1, name.size() - 8);
    bool ours = false;
    for (const std::string_view ext : extensions) ours = ours || written.ends_with(ext);
    std::error_code fileEc;
    if (!ours || !entry.is_regular_file(fileEc)) continue;
    const auto modified = entry.last_write_time(fileEc);
    if (fileEc) continue;
    StaleTemporary stale{
        entry.path(), std::chrono::duration_cast<std::chrono::seconds>(now - modified), false, {}};
    if (stale.age > maxAge) {
      // Another run may be writing a younger one; an older one is left over.
      stale.removed = fs::remove(entry.path(), fileEc);
      if (fileEc) stale.error = fileEc.message();
    }
    found.push_back(std::move(stale));
  }
  return found;
}

}  // namespace korva
