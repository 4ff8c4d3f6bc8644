// Ctrl-C, kill and a closed terminal stop korva-cli without leaving the
// hidden temporary files of the writes under way behind.
#pragma once

#include <filesystem>
#include <vector>

#include "cli/cli_ui.h"

namespace korva::cli {

// From now on a request to stop (Ctrl-C, kill, a closed terminal) removes the
// open temporaries and then ends the program as asked. Call once at start-up,
// before any other thread exists.
void RemoveTemporariesOnInterrupt();

// Names the temporaries an interrupted run left in `folders`, and removes
// those older than a day.
void CleanStaleTemporariesIn(const CliUi& ui, const std::vector<std::filesystem::path>& folders);

}  // namespace korva::cli
