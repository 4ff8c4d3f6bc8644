// Runs the built korva-cli (or any shell command) as a script would: its exit
// status, standard output and standard error apart. The shell is sh on POSIX
// and cmd.exe on Windows; the helpers below quote for the one in use.
#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/processes.h"
#include "session/files.h"
#include "text/path_text.h"

namespace korva::testing {

struct CliRun {
  int status = -1;  // the exit status; -1 when the command did not exit normally
  std::string out, err;
  // Both streams, for messages that may go to either.
  std::string All() const { return out + err; }
};

#ifdef _WIN32
inline constexpr bool kWindows = true;
#else
inline constexpr bool kWindows = false;
#endif

// `s` quoted for the shell: single quotes for sh, double quotes for cmd.exe
// (which file names never hold there).
inline std::string ShellQuote(const std::string& s) {
  if (kWindows) return "\"" + s + "\"";
  std::string quoted = "'";
  for (const char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
inline std::string ShellQuote(const std::filesystem::path& p) {
  return ShellQuote(Utf8FromPath(p.lexically_normal().make_preferred()));
}

// A program file's name as the system wants it ("NAME.exe" on Windows).
inline std::string ProgramFileName(const std::string& name) {
  return kWindows ? name + ".exe" : name;
}

// What to put before a command so that it runs with NAME set to `value`.
inline std::string WithEnvironment(const std::string& name, const std::filesystem::path& value) {
  if (kWindows) return "set \"" + name + "=" + Utf8FromPath(value.lexically_normal()) + "\" && ";
  return "env " + name + "=" + ShellQuote(value) + " ";
}

// Runs `command` through the shell, catching its output in a scratch folder.
inline CliRun RunShell(const std::string& command) {
  static int runs = 0;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("korva-run-" + std::to_string(platform::CurrentProcessId()) + "-" + std::to_string(++runs));
  std::filesystem::create_directories(folder);
  const std::filesystem::path out = folder / "out";
  const std::filesystem::path err = folder / "err";
  const std::string line = command + " >" + ShellQuote(out) + " 2>" + ShellQuote(err);
#ifdef _WIN32
  // cmd.exe takes the outer quotes off the whole line; the inner ones stay.
  const std::wstring wide = PathFromUtf8("\"" + line + "\"").native();
  const int status = ::_wsystem(wide.c_str());
#else
  const int raw = std::system(line.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  CliRun run{status, ReadFileBytes(out).bytes, ReadFileBytes(err).bytes};
  std::filesystem::remove_all(folder);
  return run;
}

// Runs the built korva-cli with `args`, which are quoted for the shell already.
inline CliRun RunCli(const std::string& args) {
  return RunShell(ShellQuote(PathFromUtf8(KORVA_CLI_PATH)) + " " + args);
}

}  // namespace korva::testing
