// Opening generated files in a browser: the desktop's default HTML program
// (found through the XDG settings) or Chrome/Chromium, and closing the
// browser that was started before.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "tools/process_launcher.h"

namespace korva {

// "file:///" and the path with "\" turned into "/", not percent-encoded. An
// absolute path that already begins with "/" gets "file://" only.
std::string FileNameToURL(std::string_view fullPath);

class HtmlOpener {
 public:
  virtual ~HtmlOpener() = default;
  // Paths are CP932 text like every path the commands handle.
  virtual bool OpenWithHTMLHandler(const std::string& fullPath) = 0;
  // Closes the browser the last OpenWithHTMLHandler started, if it still runs.
  virtual void CloseIE() = 0;
  // Opens the file's URL in "chrome.exe", which is Chromium or Google Chrome here.
  virtual bool OpenInChrome(const std::string& fullPath) = 0;
};

// Where desktop entries live: $XDG_DATA_HOME and $XDG_DATA_DIRS.
struct XdgDirs {
  std::string dataHome;
  std::vector<std::string> dataDirs;
};
XdgDirs XdgDirsFromEnvironment();

// The path of the desktop entry with this id, the user's own first.
std::optional<std::string> FindDesktopFile(const XdgDirs& dirs, std::string_view desktopId);
// The Exec value of the [Desktop Entry] group, with the string escapes undone.
std::optional<std::string> DesktopEntryExec(std::string_view contents);
// Splits an Exec value into arguments and puts `file` where its field code
// asks for one (at the end when it asks for none). Empty when the quoting is broken.
std::vector<std::string> ExpandExec(std::string_view exec, const std::string& file);

// The program names that stand for "chrome.exe", tried in order.
const std::vector<std::string>& ChromeProgramNames();

class XdgHtmlOpener : public HtmlOpener {
 public:
  XdgHtmlOpener(ProcessLauncher& launcher, XdgDirs dirs)
      : launcher_(launcher), dirs_(std::move(dirs)) {}

  bool OpenWithHTMLHandler(const std::string& fullPath) override;
  void CloseIE() override;
  bool OpenInChrome(const std::string& fullPath) override;

  // The command that would open `file` (UTF-8): the default handler's Exec
  // line, or xdg-open when there is none.
  std::vector<std::string> HandlerCommand(const std::string& file);

 private:
  ProcessLauncher& launcher_;
  XdgDirs dirs_;
  std::optional<ProcessId> lastStarted_;
};

// Windows: the shell opens a file with the program associated with it;
// Chrome is found and started as above.
class ShellHtmlOpener : public XdgHtmlOpener {
 public:
  using XdgHtmlOpener::XdgHtmlOpener;
  bool OpenWithHTMLHandler(const std::string& fullPath) override;
};

// The opener of the system the program runs on.
using DesktopHtmlOpener =
    std::conditional_t<platform::kShellOpensFiles, ShellHtmlOpener, XdgHtmlOpener>;

}  // namespace korva
