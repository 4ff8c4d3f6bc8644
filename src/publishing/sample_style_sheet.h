// The sample style sheets that ship with the program (minutes.css for the
// published files, tryout.css for the trial document), and putting one where
// a set links it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korva {

// The sample `name` beside the program (css/ in the program's folder, where
// the build puts it), else where `cmake --install` puts it
// (../share/korva/css/); nullopt when neither has it.
std::optional<std::filesystem::path> FindSampleStyleSheet(
    const std::filesystem::path& programFolder, std::string_view name = "minutes.css");

struct SampleCopyResult {
  bool copied = false;               // false: a file was already there, or the error below
  std::optional<std::string> error;  // UTF-8, with the path and the system's reason
};

// Copies the sample minutes.css to `target` unless a file is there already,
// which is the user's and is never replaced.
SampleCopyResult ProvideSampleStyleSheet(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& target);

}  // namespace korva
