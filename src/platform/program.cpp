#include "platform/program.h"

#include <cstdlib>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <cstdio>

#include "platform/wide_text.h"
#else
#include <pthread.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace korva::platform {

namespace fs = std::filesystem;

#ifdef _WIN32

fs::path ProgramPath(const char* argv0) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) break;
    if (n < buffer.size()) return fs::path(buffer.substr(0, n));
    buffer.resize(buffer.size() * 2);
  }
  std::error_code ec;
  return fs::absolute(fs::path(argv0 ? argv0 : "korva-cli"), ec);
}

std::optional<fs::path> UserSettingsFolder() {
  const wchar_t* appData = ::_wgetenv(L"APPDATA");
  if (appData && *appData) return fs::path(appData) / L"korva";
  return std::nullopt;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> args;
  if (!wide) {
    for (int i = 0; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
  }
  for (int i = 0; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return args;
}

void UseBinaryStandardOutput() {
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

namespace {

void (*stopCleanUp)() = nullptr;

// Windows calls this on a thread of its own, so it may take locks. FALSE
// hands the event on to the default handler, which ends the program.
BOOL WINAPI OnConsoleEvent(DWORD) {
  if (stopCleanUp) stopCleanUp();
  return FALSE;
}

}  // namespace

void CallOnStopRequest(void (*cleanUp)()) {
  stopCleanUp = cleanUp;
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool RunsAsSuperUser() {
  return false;
}

#else

fs::path ProgramPath(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self;
  return fs::absolute(fs::path(argv0 ? argv0 : "korva-cli"), ec);
}

std::optional<fs::path> UserSettingsFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    return fs::path(xdg) / "korva";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".config" / "korva";
  }
  return std::nullopt;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void UseBinaryStandardOutput() {}

namespace {

sigset_t StopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

void CallOnStopRequest(void (*cleanUp)()) {
  // Blocked here, the signals are inherited blocked by every later thread and
  // reach only the waiting one, which may take locks as no handler may.
  const sigset_t set = StopSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread([set, cleanUp] {
    int sig = 0;
    if (sigwait(&set, &sig) != 0) return;
    cleanUp();
    // End as the signal asks, so the caller sees how the program ended.
    ::signal(sig, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, sig);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::raise(sig);
    ::_exit(128 + sig);
  }).detach();
}

bool RunsAsSuperUser() {
  return ::geteuid() == 0;
}

#endif

}  // namespace korva::platform
