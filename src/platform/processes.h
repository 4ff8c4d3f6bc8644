// Starting other programs without a shell: every argument reaches the
// program as it is (UTF-8), so paths with blanks or Japanese need no quoting.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korva::platform {

using ProcessId = int;

// Starts argv[0] (a path, or a name looked up on PATH) on its own, with its
// standard streams on the null device; on POSIX in a session of its own.
std::optional<ProcessId> StartProgram(const std::vector<std::string>& argv);
// Runs a program to its end and returns what it wrote to standard output, or
// nothing when it could not start, failed or ran longer than `timeoutMs`.
std::optional<std::string> CaptureProgram(const std::vector<std::string>& argv, int timeoutMs);
// True once a program StartProgram started has ended (and is reaped).
bool HasEnded(ProcessId id);
// Asks a started program, with the processes it started, to close.
void CloseProgram(ProcessId id);
// The full path of an executable program on PATH (on Windows also with
// ".exe" added).
std::optional<std::string> FindProgram(std::string_view name);

// Opens a file with the program the desktop associates with it (Windows:
// the shell's "open"). False when it failed, and always where the system has
// no such service (POSIX: the caller reads the desktop's settings itself).
#ifdef _WIN32
inline constexpr bool kShellOpensFiles = true;
#else
inline constexpr bool kShellOpensFiles = false;
#endif
bool OpenWithDefaultProgram(const std::filesystem::path& file);

// This program's process id, for names that must not clash between runs.
long CurrentProcessId();

}  // namespace korva::platform
