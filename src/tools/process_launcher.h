// Starting other programs without a shell: every argument reaches the
// program as it is, so paths with blanks or Japanese need no quoting.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.h"

namespace korva {

using ProcessId = platform::ProcessId;

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts argv[0] (a path, or a name looked up on PATH) on its own, with its
  // standard streams on the null device.
  virtual std::optional<ProcessId> Start(const std::vector<std::string>& argv) = 0;
  // Runs a program to its end and returns what it wrote to standard output,
  // or nothing when it could not start, failed or ran too long.
  virtual std::optional<std::string> Capture(const std::vector<std::string>& argv) = 0;
  virtual bool IsRunning(ProcessId id) = 0;
  // Asks a started program (with the processes it started) to close.
  virtual void Close(ProcessId id) = 0;
  // The full path of an executable program on PATH.
  virtual std::optional<std::string> FindProgram(std::string_view name) = 0;
};

// The system's own way of starting programs; reaps the programs it started.
class SystemProcessLauncher : public ProcessLauncher {
 public:
  explicit SystemProcessLauncher(int captureTimeoutMs = 5000) : timeoutMs_(captureTimeoutMs) {}
  ~SystemProcessLauncher() override;

  std::optional<ProcessId> Start(const std::vector<std::string>& argv) override;
  std::optional<std::string> Capture(const std::vector<std::string>& argv) override;
  bool IsRunning(ProcessId id) override;
  void Close(ProcessId id) override;
  std::optional<std::string> FindProgram(std::string_view name) override;

 private:
  void ReapFinished();
  int timeoutMs_;
  std::vector<ProcessId> started_;
};

}  // namespace korva
