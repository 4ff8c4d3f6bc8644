// Ctrl-C, kill and a closed terminal stop korva-cli without leaving the
// hidden temporary files of the writes under way behind.
#pragma once

#include <filesystem>
#include <vector>

#include "cli/cli_ui.h"

namespace korva::cli {

// From now on SIGINT, SIGTERM and SIGHUP remove the open temporaries and then
// end the program by that signal. Call once at start-up, before any other
// thread exists: the signals are taken by a thread of their own.
void RemoveTemporariesOnInterrupt();

// Names the temporaries an interrupted run left in `folders`, and removes
// those older than a day.
void CleanStaleTemporariesIn(const CliUi& ui, const std::vector<std::filesystem::path>& folders);

}  // namespace korva::cli
