#include "session/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <system_error>
#include <vector>

namespace korva {
namespace {

namespace fs = std::filesystem;

FileError ErrorFor(const fs::path& path, int err) {
  return FileError{path.string(), std::strerror(err)};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The temporary files the writers have open, so that a program being
// stopped can remove them. One lock guards creating, renaming and removing
// them: a set is renamed whole before a removal runs, or not at all.
struct Temporaries {
  std::mutex mutex;
  std::vector<std::string> open;
  bool closed = false;  // after RemoveOpenTemporaries no write starts

  void Forget(const std::string& temp) { std::erase(open, temp); }
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

// A file that is replaced keeps its mode, owner and group as far as this
// process may set them; a new one gets what the umask allows. (mkstemp
// creates 0600, and published files are for others to read too.)
void TakeOverMode(int fd, const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Not ours to give away: the new file stays the writer's.
    }
    ::fchmod(fd, old.st_mode & 07777);
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
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
    result.error = FileError{path.string(), "is a folder, not a file"};
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
    return FileError{path.string(), "is a folder, not a file"};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorFor(path, errno);
  std::string block(kReadPieceSize, '\0');
  std::optional<FileError> error;
  for (;;) {
    const ssize_t n = ::read(fd, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = ErrorFor(path, errno);
      break;
    }
    if (n == 0) break;
    take(std::string_view(block.data(), static_cast<std::size_t>(n)));
  }
  ::close(fd);
  return error;
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
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  Temporaries& temporaries = OpenTemporaries();
  int fd = -1;
  {
    std::lock_guard lock(temporaries.mutex);
    if (temporaries.closed) return FileError{path.string(), kInterrupted};
    fd = ::mkstemp(name.data());
    if (fd < 0) return ErrorFor(path, errno);
    temporaries.open.emplace_back(name.data());
  }
  const std::string tempPath(name.data());

  auto discard = [&] {
    if (fd >= 0) ::close(fd);
    std::lock_guard lock(temporaries.mutex);
    ::unlink(tempPath.c_str());
    temporaries.Forget(tempPath);
  };
  auto fail = [&](int err) {
    discard();
    return ErrorFor(path, err);
  };
  // After the first failed write the rest is skipped; the error is kept.
  int writeError = 0;
  const PieceWriter write = [&](std::string_view piece) {
    if (writeError == 0 && !WriteAll(fd, piece)) writeError = errno ? errno : EIO;
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
    return FileError{path.string(), kNothingWritten};
  }
  if (writeError != 0) return fail(writeError);
  if (::fsync(fd) != 0) return fail(errno);
  TakeOverMode(fd, target);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (collecting) {
    // What would stop the rename at the end stops the set now, before any
    // of its files is replaced.
    std::error_code ec;
    if (fs::is_directory(target, ec)) return fail(EISDIR);
    collecting->staged_.push_back({tempPath, target, path.string()});
    return std::nullopt;
  }
  std::lock_guard lock(temporaries.mutex);
  temporaries.Forget(tempPath);
  if (::rename(tempPath.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(tempPath.c_str());
    return ErrorFor(path, err);
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
    ::unlink(staged_[i].temp.c_str());
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
      if (::rename(file.temp.c_str(), file.target.c_str()) != 0) {
        error = FileError{file.path, std::strerror(errno)};
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
  for (const std::string& temp : temporaries.open) ::unlink(temp.c_str());
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
    const std::string name = entry.path().filename().string();
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
