#include "publishing/sample_style_sheet.h"

#include <system_error>

#include "session/files.h"
#include "text/path_text.h"

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
  if (fs::exists(target, ec))
    return {false, Utf8FromPath(target) + " is in the way: it is no file"};
  const auto sample = FindSampleStyleSheet(programFolder);
  if (!sample) {
    return {false, "the sample style sheet minutes.css is neither in " +
                       Utf8FromPath(programFolder / "css") + " nor in " +
                       Utf8FromPath((programFolder / "../share/korva/css").lexically_normal())};
  }
  const ReadResult css = ReadFileBytes(*sample);
  if (css.error) return {false, "cannot read the sample style sheet " + css.error->Describe()};
  if (fs::create_directories(target.parent_path(), ec); ec) {
    return {false,
            "cannot create the folder " + Utf8FromPath(target.parent_path()) + ": " + ec.message()};
  }
  if (auto error = WriteFileAtomically(target, css.bytes)) {
    return {false, "cannot write the style sheet " + error->Describe()};
  }
  return {true, std::nullopt};
}

}  // namespace korva
