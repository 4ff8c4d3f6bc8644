#include "publishing/sample_style_sheet.h"

#include <system_error>

#include "session/files.h"

namespace korva {

namespace fs = std::filesystem;

std::optional<fs::path> FindSampleStyleSheet(const fs::path& programFolder, std::string_view name) {
  for (const fs::path& folder : {programFolder / "css", programFolder / "../share/korva/css"}) {
    std::error_code ec;
    const fs::path candidate = folder / name;
    if (fs::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  }
  return std::nullopt;
}

SampleCopyResult ProvideSampleStyleSheet(const fs::path& programFolder, const fs::path& target) {
  std::error_code ec;
  if (fs::is_regular_file(target, ec)) return {};
  if (fs::exists(target, ec)) return {false, target.string() + " is in the way: it is no file"};
  const auto sample = FindSampleStyleSheet(programFolder);
  if (!sample) {
    return {false, "the sample style sheet minutes.css is neither in " +
                       (programFolder / "css").string() + " nor in " +
                       (programFolder / "../share/korva/css").lexically_normal().string()};
  }
  const ReadResult css = ReadFileBytes(*sample);
  if (css.error) return {false, "cannot read the sample style sheet " + css.error->Describe()};
  if (fs::create_directories(target.parent_path(), ec); ec) {
    return {false,
            "cannot create the folder " + target.parent_path().string() + ": " + ec.message()};
  }
  if (auto error = WriteFileAtomically(target, css.bytes)) {
    return {false, "cannot write the style sheet " + error->Describe()};
  }
  return {true, std::nullopt};
}

}  // namespace korva
