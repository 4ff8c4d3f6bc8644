#include "session/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace korva {
namespace {

FileError ErrorFor(const std::filesystem::path& path, int err) {
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

}  // namespace

ReadResult ReadFileBytes(const std::filesystem::path& path) {
  ReadResult result;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
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

std::optional<FileError> WriteFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes) {
  return WriteFileAtomicallyInPieces(path, [bytes](const PieceWriter& write) {
    write(bytes);
    return true;
  });
}

std::optional<FileError> WriteFileAtomicallyInPieces(
    const std::filesystem::path& path, const std::function<bool(const PieceWriter&)>& produce) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return ErrorFor(path, errno);
  const std::string tempPath(name.data());

  auto discard = [&] {
    ::close(fd);
    ::unlink(tempPath.c_str());
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
  // mkstemp creates 0600; published files are for others to read too.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(tempPath.c_str());
    return ErrorFor(path, err);
  }
  if (::rename(tempPath.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(tempPath.c_str());
    return ErrorFor(path, err);
  }
  return std::nullopt;
}

}  // namespace korva
