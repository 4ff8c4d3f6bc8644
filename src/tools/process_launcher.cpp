#include "tools/process_launcher.h"

#include <algorithm>

namespace korva {

SystemProcessLauncher::~SystemProcessLauncher() {
  ReapFinished();
}

void SystemProcessLauncher::ReapFinished() {
  std::erase_if(started_, [](ProcessId id) { return platform::HasEnded(id); });
}

std::optional<ProcessId> SystemProcessLauncher::Start(const std::vector<std::string>& argv) {
  ReapFinished();
  const auto pid = platform::StartProgram(argv);
  if (!pid) return std::nullopt;
  started_.push_back(*pid);
  return *pid;
}

std::optional<std::string> SystemProcessLauncher::Capture(const std::vector<std::string>& argv) {
  return platform::CaptureProgram(argv, timeoutMs_);
}

bool SystemProcessLauncher::IsRunning(ProcessId id) {
  ReapFinished();
  return std::find(started_.begin(), started_.end(), id) != started_.end();
}

void SystemProcessLauncher::Close(ProcessId id) {
  // Only programs this launcher started and that still run.
  if (IsRunning(id)) platform::CloseProgram(id);
}

std::optional<std::string> SystemProcessLauncher::FindProgram(std::string_view name) {
  return platform::FindProgram(name);
}

}  // namespace korva
