#include "cli/interrupt_cleanup.h"

#include <string>
#include <string_view>

#include "platform/program.h"
#include "session/files.h"
#include "text/path_text.h"

namespace korva::cli {

namespace {

std::string Age(std::chrono::seconds age) {
  const long long s = age.count();
  if (s >= 2 * 86400) return std::to_string(s / 86400) + " days";
  if (s >= 2 * 3600) return std::to_string(s / 3600) + " hours";
  if (s >= 120) return std::to_string(s / 60) + " minutes";
  return std::to_string(s) + " seconds";
}

}  // namespace

void RemoveTemporariesOnInterrupt() {
  platform::CallOnStopRequest(RemoveOpenTemporaries);
}

void CleanStaleTemporariesIn(const CliUi& ui, const std::vector<std::filesystem::path>& folders) {
  constexpr std::string_view kWritten[] = {".html", ".css"};
  for (const std::filesystem::path& folder : folders) {
    for (const StaleTemporary& t :
         CleanStaleTemporaries(folder, kWritten, std::chrono::hours(24))) {
      const std::string what = "an interrupted run left the temporary file " +
                               Utf8FromPath(t.path) + " (" + Age(t.age) + " old)";
      if (t.removed) {
        ui.Note(what + "; removed");
      } else if (!t.error.empty()) {
        ui.Error(what + "; it cannot be removed: " + t.error);
      } else {
        ui.Note(what + "; kept, as a run still going may be writing it");
      }
    }
  }
}

}  // namespace korva::cli
