#include "platform/output_file.h"

#include "platform/os_error.h"

#ifdef _WIN32
#include <windows.h>

#include <random>
#include <thread>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>
#endif

namespace korva::platform {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

HANDLE AsHandle(std::intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}

std::error_code Last() {
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

}  // namespace

TemporaryFile::~TemporaryFile() {
  Close();
}

std::error_code TemporaryFile::Create(const fs::path& folder, const fs::path& name) {
  static constexpr char kLetters[] =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring suffix = L".";
    for (int i = 0; i < 6; ++i) suffix += static_cast<wchar_t>(kLetters[random() % 62]);
    const fs::path candidate = folder / (L"." + name.wstring() + suffix);
    const HANDLE h = ::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<std::intptr_t>(h);
      path_ = candidate;
      return {};
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return Last();
  }
  return Last();
}

std::error_code TemporaryFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(AsHandle(handle_), bytes.data(), chunk, &written, nullptr)) return Last();
    bytes.remove_prefix(written);
  }
  return {};
}

std::error_code TemporaryFile::Finish(const fs::path&) {
  std::error_code error;
  if (!::FlushFileBuffers(AsHandle(handle_))) error = Last();
  if (!::CloseHandle(AsHandle(handle_)) && !error) error = Last();
  handle_ = -1;
  return error;
}

void TemporaryFile::Close() {
  if (handle_ != -1) ::CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

std::error_code MoveFileOver(const fs::path& from, const fs::path& to) {
  constexpr int kTries = 10;
  for (int attempt = 1;; ++attempt) {
    if (::MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return {};
    }
    const DWORD error = ::GetLastError();
    const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                      error == ERROR_LOCK_VIOLATION;
    // A folder of that name is never going to give way.
    std::error_code ec;
    if (!held || attempt == kTries || fs::is_directory(to, ec)) {
      return std::error_code(static_cast<int>(error), std::system_category());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50 * attempt));
  }
}

void RemoveFile(const fs::path& path) {
  ::DeleteFileW(path.c_str());
}

#else

namespace {

// A replaced file keeps its mode, owner and group as far as this process may
// set them; a new one gets what the umask allows. (mkstemp creates 0600, and
// published files are for others to read too.)
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

}  // namespace

TemporaryFile::~TemporaryFile() {
  Close();
}

std::error_code TemporaryFile::Create(const fs::path& folder, const fs::path& name) {
  const std::string pattern = (folder / ("." + name.string() + ".XXXXXX")).string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = ::mkstemp(buffer.data());
  if (fd < 0) return LastError();
  handle_ = fd;
  path_ = fs::path(buffer.data());
  return {};
}

std::error_code TemporaryFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno ? LastError() : std::make_error_code(std::errc::io_error);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

std::error_code TemporaryFile::Finish(const fs::path& target) {
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  if (::fsync(fd) != 0) {
    const std::error_code error = LastError();
    ::close(fd);
    return error;
  }
  TakeOverMode(fd, target);
  if (::close(fd) != 0) return LastError();
  return {};
}

void TemporaryFile::Close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

std::error_code MoveFileOver(const fs::path& from, const fs::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
  return {};
}

void RemoveFile(const fs::path& path) {
  ::unlink(path.c_str());
}

#endif

}  // namespace korva::platform
