// Runs the built korva-cli (or any shell command) as a script would: its exit
// status, standard output and standard error apart.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "session/files.h"

namespace korva::testing {

struct CliRun {
  int status = -1;  // the exit status; -1 when the command did not exit normally
  std::string out, err;
  // Both streams, for messages that may go to either.
  std::string All() const { return out + err; }
};

// `s` in single quotes for the shell.
inline std::string ShellQuote(const std::string& s) {
  std::string quoted = "'";
  for (const char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
inline std::string ShellQuote(const std::filesystem::path& p) {
  return ShellQuote(p.string());
}

// Runs `command` through the shell, catching its output in a scratch folder.
inline CliRun RunShell(const std::string& command) {
  char folder[] = "/tmp/korva-run-XXXXXX";
  if (::mkdtemp(folder) == nullptr) return {};
  const std::filesystem::path out = std::filesystem::path(folder) / "out";
  const std::filesystem::path err = std::filesystem::path(folder) / "err";
  const int raw = std::system((command + " >" + ShellQuote(out) + " 2>" + ShellQuote(err)).c_str());
  CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(out).bytes,
             ReadFileBytes(err).bytes};
  std::filesystem::remove_all(folder);
  return run;
}

// Runs the built korva-cli with `args`, which are quoted for the shell already.
inline CliRun RunCli(const std::string& args) {
  return RunShell(ShellQuote(std::string(KORVA_CLI_PATH)) + " " + args);
}

}  // namespace korva::testing
