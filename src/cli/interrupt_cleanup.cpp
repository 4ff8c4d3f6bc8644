#include "cli/interrupt_cleanup.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <string_view>
#include <thread>

#include "session/files.h"

namespace korva::cli {

namespace {

sigset_t StopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

std::string Age(std::chrono::seconds age) {
  const long long s = age.count();
  if (s >= 2 * 86400) return std::to_string(s / 86400) + " days";
  if (s >= 2 * 3600) return std::to_string(s / 3600) + " hours";
  if (s >= 120) return std::to_string(s / 60) + " minutes";
  return std::to_string(s) + " seconds";
}

}  // namespace

void RemoveTemporariesOnInterrupt() {
  // Blocked here, the signals are inherited blocked by every later thread and
  // reach only the waiting one, which may take locks as no handler may.
  const sigset_t set = StopSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread([set] {
    int sig = 0;
    if (sigwait(&set, &sig) != 0) return;
    RemoveOpenTemporaries();
    // End as the signal asks, so the caller sees how the program ended.
    ::signal(sig, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, sig);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::raise(sig);
    ::_exit(128 + sig);
  }).detach();
}

void CleanStaleTemporariesIn(const CliUi& ui, const std::vector<std::filesystem::path>& folders) {
  constexpr std::string_view kWritten[] = {".html", ".css"};
  for (const std::filesystem::path& folder : folders) {
    for (const StaleTemporary& t :
         CleanStaleTemporaries(folder, kWritten, std::chrono::hours(24))) {
      const std::string what = "an interrupted run left the temporary file " + t.path.string() +
                               " (" + Age(t.age) + " old)";
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
