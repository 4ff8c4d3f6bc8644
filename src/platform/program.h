// What a program asks about itself and its start: its own path, the user's
// settings folder, its arguments, its standard output and its stop signals.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korva::platform {

// The running program's own path (Linux: /proc/self/exe; Windows: the
// module's file name), else `argv0` made absolute.
std::filesystem::path ProgramPath(const char* argv0);

// The per-user settings folder: Linux $XDG_CONFIG_HOME/korva, else
// ~/.config/korva; Windows %APPDATA%\korva. None when the environment names
// no home.
std::optional<std::filesystem::path> UserSettingsFolder();

// The command-line arguments in UTF-8. On Windows the narrow argv holds the
// ANSI code page and loses what it cannot hold, so the wide command line is
// split again.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output and error carry bytes as they are: Windows would turn "\n"
// into CR LF in text mode, and CR LF into CR CR LF.
void UseBinaryStandardOutput();

// From now on a request to stop (POSIX: SIGINT, SIGTERM, SIGHUP; Windows:
// Ctrl-C, Ctrl-Break, a closed console) runs `cleanUp` on an ordinary thread,
// which may take locks, and then ends the program as the request asks. Call
// once at start-up, before any other thread exists.
void CallOnStopRequest(void (*cleanUp)());

// True when the program runs with the system's highest rights (POSIX root).
bool RunsAsSuperUser();

}  // namespace korva::platform
