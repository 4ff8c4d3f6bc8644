#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <chrono>
#include <map>
#include <mutex>

#include "platform/processes.h"
#include "platform/wide_text.h"

namespace korva::platform {

namespace {

// The programs StartProgram started, by id, with the handle that keeps the
// id from being reused while it is held.
struct Started {
  std::mutex mutex;
  std::map<DWORD, HANDLE> handles;
};
Started& StartedPrograms() {
  static Started started;
  return started;
}

// One argument as the C runtime of the started program splits it again:
// quotes around it, a quote inside escaped, backslashes before a quote doubled.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

std::wstring CommandLine(const std::vector<std::string>& argv) {
  std::wstring line;
  for (const std::string& arg : argv) {
    if (!line.empty()) line += L' ';
    AppendQuoted(line, WideFromUtf8(arg));
  }
  return line;
}

HANDLE NullDevice(DWORD access) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return ::CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                       0, nullptr);
}

// Starts argv with stdin and stderr on NUL and stdout on `out` (or NUL).
std::optional<PROCESS_INFORMATION> Spawn(const std::vector<std::string>& argv, HANDLE out) {
  if (argv.empty() || argv[0].empty()) return std::nullopt;
  const auto program = FindProgram(argv[0]);
  if (!program) return std::nullopt;
  std::wstring line = CommandLine(argv);
  const std::wstring application = WideFromUtf8(*program);
  HANDLE in = NullDevice(GENERIC_READ);
  HANDLE err = NullDevice(GENERIC_WRITE);
  HANDLE nullOut = out ? nullptr : NullDevice(GENERIC_WRITE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out ? out : nullOut;
  startup.hStdError = err;
  PROCESS_INFORMATION info{};
  const BOOL ok = ::CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, TRUE,
                                   CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
  ::CloseHandle(in);
  ::CloseHandle(err);
  if (nullOut) ::CloseHandle(nullOut);
  if (!ok) return std::nullopt;
  ::CloseHandle(info.hThread);
  return info;
}

BOOL CALLBACK CloseWindowOf(HWND window, LPARAM id) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(id)) ::PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

std::optional<ProcessId> StartProgram(const std::vector<std::string>& argv) {
  const auto info = Spawn(argv, nullptr);
  if (!info) return std::nullopt;
  Started& started = StartedPrograms();
  std::lock_guard lock(started.mutex);
  started.handles[info->dwProcessId] = info->hProcess;
  return static_cast<ProcessId>(info->dwProcessId);
}

std::optional<std::string> CaptureProgram(const std::vector<std::string>& argv, int timeoutMs) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::nullopt;
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  const auto info = Spawn(argv, writeEnd);
  ::CloseHandle(writeEnd);
  if (!info) {
    ::CloseHandle(readEnd);
    return std::nullopt;
  }
  std::string output;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  bool timedOut = false;
  for (;;) {
    DWORD available = 0;
    if (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr)) break;  // closed
    if (available > 0) {
      char buffer[4096];
      DWORD n = 0;
      if (!::ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) || n == 0) break;
      output.append(buffer, n);
      continue;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      timedOut = true;
      break;
    }
    // Nothing to read: wait a little for more, or for the program's end.
    ::WaitForSingleObject(info->hProcess, 10);
  }
  ::CloseHandle(readEnd);
  if (timedOut) ::TerminateProcess(info->hProcess, 1);
  ::WaitForSingleObject(info->hProcess, INFINITE);
  DWORD code = 1;
  ::GetExitCodeProcess(info->hProcess, &code);
  ::CloseHandle(info->hProcess);
  if (timedOut || code != 0) return std::nullopt;
  return output;
}

bool HasEnded(ProcessId id) {
  Started& started = StartedPrograms();
  std::lock_guard lock(started.mutex);
  const auto it = started.handles.find(static_cast<DWORD>(id));
  if (it == started.handles.end()) return true;
  if (::WaitForSingleObject(it->second, 0) != WAIT_OBJECT_0) return false;
  ::CloseHandle(it->second);
  started.handles.erase(it);
  return true;
}

void CloseProgram(ProcessId id) {
  ::EnumWindows(CloseWindowOf, static_cast<LPARAM>(id));
}

std::optional<std::string> FindProgram(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::wstring wide = WideFromUtf8(name);
  wchar_t found[MAX_PATH * 4];
  const DWORD n = ::SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH * 4, found, nullptr);
  if (n == 0 || n >= MAX_PATH * 4) return std::nullopt;
  const DWORD attributes = ::GetFileAttributesW(found);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return Utf8FromWide(std::wstring_view(found, n));
}

bool OpenWithDefaultProgram(const std::filesystem::path& file) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

long CurrentProcessId() {
  return static_cast<long>(::GetCurrentProcessId());
}

}  // namespace korva::platform
#endif
