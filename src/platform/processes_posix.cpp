#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "platform/processes.h"

extern char** environ;

namespace korva::platform {

namespace {

std::vector<char*> ArgvPointers(const std::vector<std::string>& argv) {
  std::vector<char*> pointers;
  for (const auto& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Spawns argv with stdin and stderr on /dev/null and stdout on `stdoutFd`
// (or /dev/null when it is -1).
std::optional<pid_t> Spawn(const std::vector<std::string>& argv, int stdoutFd, bool newSession) {
  if (argv.empty() || argv[0].empty()) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attr);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (stdoutFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    posix_spawn_file_actions_addclose(&actions, stdoutFd);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (newSession) posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  auto args = ArgvPointers(argv);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return std::nullopt;
  return pid;
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<ProcessId> StartProgram(const std::vector<std::string>& argv) {
  return Spawn(argv, -1, true);
}

std::optional<std::string> CaptureProgram(const std::vector<std::string>& argv, int timeoutMs) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  const auto pid = Spawn(argv, fds[1], false);
  ::close(fds[1]);
  if (!pid) {
    ::close(fds[0]);
    return std::nullopt;
  }
  std::string output;
  bool timedOut = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timedOut = true;
      break;
    }
    pollfd pfd{fds[0], POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      timedOut = ready == 0;
      break;
    }
    char buffer[4096];
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    output.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fds[0]);
  if (timedOut) ::kill(*pid, SIGKILL);
  int status = 0;
  while (::waitpid(*pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

bool HasEnded(ProcessId id) {
  int status = 0;
  const pid_t r = ::waitpid(id, &status, WNOHANG);
  return r == id || (r < 0 && errno == ECHILD);
}

void CloseProgram(ProcessId id) {
  // The group takes the helper processes a browser starts along with it.
  ::kill(-id, SIGTERM);
}

std::optional<std::string> FindProgram(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.find('/') != std::string_view::npos) {
    std::string path(name);
    return IsExecutableFile(path) ? std::optional(path) : std::nullopt;
  }
  const char* pathEnv = std::getenv("PATH");
  std::string_view dirs = pathEnv ? pathEnv : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const auto colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    if (dir.empty()) dir = ".";
    std::string candidate = dir + "/" + std::string(name);
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string_view::npos) break;
    dirs.remove_prefix(colon + 1);
  }
  return std::nullopt;
}

bool OpenWithDefaultProgram(const std::filesystem::path&) {
  return false;
}

long CurrentProcessId() {
  return static_cast<long>(::getpid());
}

}  // namespace korva::platform
#endif
