#include "tools/browser.h"

#include <cstdlib>
#include <filesystem>

#include "session/files.h"
#include "text/codec.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

// \s, \n, \t, \r and \\ in desktop entry string values.
std::string UndoStringEscapes(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      switch (value[i + 1]) {
        case 's':
          out += ' ';
          ++i;
          continue;
        case 'n':
          out += '\n';
          ++i;
          continue;
        case 't':
          out += '\t';
          ++i;
          continue;
        case 'r':
          out += '\r';
          ++i;
          continue;
        case '\\':
          out += '\\';
          ++i;
          continue;
        default:
          break;
      }
    }
    out += value[i];
  }
  return out;
}

bool IsFileFieldCode(std::string_view arg) {
  return arg == "%f" || arg == "%F" || arg == "%u" || arg == "%U";
}

// Field codes other than the file ones are dropped; "%%" is a percent sign.
std::string ExpandOtherFieldCodes(std::string_view arg) {
  std::string out;
  for (std::size_t i = 0; i < arg.size(); ++i) {
    if (arg[i] == '%' && i + 1 < arg.size()) {
      if (arg[i + 1] == '%') out += '%';
      ++i;
      continue;
    }
    out += arg[i];
  }
  return out;
}

bool IsChromiumFamily(const std::string& program) {
  const std::string name = Utf8FromPath(PathFromUtf8(program).filename());
  return name.find("chrom") != std::string::npos;
}

std::string Utf8Path(const std::string& cp932Path) {
  return Cp932ToUtf8Lossy(cp932Path);
}

}  // namespace

std::string FileNameToURL(std::string_view fullPath) {
  const std::string path = sjis::ReplaceAll(fullPath, "\\", "/");
  return (path.starts_with('/') ? "file://" : "file:///") + path;
}

XdgDirs XdgDirsFromEnvironment() {
  XdgDirs dirs;
  const char* home = std::getenv("HOME");
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome) {
    dirs.dataHome = dataHome;
  } else if (home && *home) {
    dirs.dataHome = std::string(home) + "/.local/share";
  }
  const char* dataDirs = std::getenv("XDG_DATA_DIRS");
  std::string_view list = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
  while (!list.empty()) {
    const auto colon = list.find(':');
    if (colon != 0) dirs.dataDirs.emplace_back(list.substr(0, colon));
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return dirs;
}

std::optional<std::string> FindDesktopFile(const XdgDirs& dirs, std::string_view desktopId) {
  if (desktopId.empty() || desktopId.find('/') != std::string_view::npos) return std::nullopt;
  // "vendor-name.desktop" may also live in applications/vendor/name.desktop.
  std::vector<std::string> relative{std::string(desktopId)};
  if (const auto dash = desktopId.find('-'); dash != std::string_view::npos) {
    std::string nested(desktopId);
    nested[dash] = '/';
    relative.push_back(nested);
  }
  std::vector<std::string> bases;
  if (!dirs.dataHome.empty()) bases.push_back(dirs.dataHome);
  bases.insert(bases.end(), dirs.dataDirs.begin(), dirs.dataDirs.end());
  for (const auto& base : bases) {
    for (const auto& rel : relative) {
      std::string candidate = base + "/applications/" + rel;
      std::error_code ec;
      if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
  }
  return std::nullopt;
}

std::optional<std::string> DesktopEntryExec(std::string_view contents) {
  bool inEntry = false;
  for (const auto& rawLine : sjis::SplitLines(contents)) {
    const std::string_view line = TrimBlanks(rawLine);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    if (!inEntry) continue;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || TrimBlanks(line.substr(0, eq)) != "Exec") continue;
    const std::string value = UndoStringEscapes(TrimBlanks(line.substr(eq + 1)));
    if (value.empty()) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

std::vector<std::string> ExpandExec(std::string_view exec, const std::string& file) {
  // Split first: inside double quotes a backslash escapes " ` $ and \.
  std::vector<std::pair<std::string, bool>> args;  // text, was quoted
  std::size_t i = 0;
  while (i < exec.size()) {
    if (exec[i] == ' ' || exec[i] == '\t') {
      ++i;
      continue;
    }
    std::string arg;
    bool quoted = false;
    while (i < exec.size() && exec[i] != ' ' && exec[i] != '\t') {
      if (exec[i] == '"') {
        quoted = true;
        ++i;
        bool closed = false;
        while (i < exec.size()) {
          const char c = exec[i];
          if (c == '"') {
            closed = true;
            ++i;
            break;
          }
          if (c == '\\' && i + 1 < exec.size()) {
            const char next = exec[i + 1];
            if (next == '"' || next == '`' || next == '$' || next == '\\') {
              arg += next;
              i += 2;
              continue;
            }
          }
          arg += c;
          ++i;
        }
        if (!closed) return {};
      } else {
        arg += exec[i++];
      }
    }
    args.emplace_back(std::move(arg), quoted);
  }
  std::vector<std::string> argv;
  bool fileUsed = false;
  for (const auto& [arg, quoted] : args) {
    if (!quoted && IsFileFieldCode(arg)) {
      if (!fileUsed) argv.push_back(file);
      fileUsed = true;
      continue;
    }
    std::string expanded = quoted ? arg : ExpandOtherFieldCodes(arg);
    if (!expanded.empty() || quoted) argv.push_back(std::move(expanded));
  }
  if (argv.empty()) return {};
  if (!fileUsed) argv.push_back(file);
  return argv;
}

const std::vector<std::string>& ChromeProgramNames() {
  static const std::vector<std::string> names = {"chromium", "chromium-browser", "google-chrome",
                                                 "google-chrome-stable"};
  return names;
}

std::vector<std::string> XdgHtmlOpener::HandlerCommand(const std::string& file) {
  const auto answer = launcher_.Capture({"xdg-mime", "query", "default", "text/html"});
  if (answer) {
    const std::string desktopId(TrimBlanks(*answer));
    if (const auto path = FindDesktopFile(dirs_, desktopId)) {
      const ReadResult read = ReadFileBytes(*path);
      if (!read.error) {
        if (const auto exec = DesktopEntryExec(read.bytes)) {
          auto argv = ExpandExec(*exec, file);
          if (!argv.empty()) {
            if (IsChromiumFamily(argv.front())) argv.insert(argv.begin() + 1, "--start-maximized");
            return argv;
          }
        }
      }
    }
  }
  return {"xdg-open", file};
}

bool XdgHtmlOpener::OpenWithHTMLHandler(const std::string& fullPath) {
  const auto pid = launcher_.Start(HandlerCommand(Utf8Path(fullPath)));
  if (pid) lastStarted_ = pid;
  return pid.has_value();
}

void XdgHtmlOpener::CloseIE() {
  if (!lastStarted_) return;
  if (launcher_.IsRunning(*lastStarted_)) launcher_.Close(*lastStarted_);
  lastStarted_.reset();
}

bool ShellHtmlOpener::OpenWithHTMLHandler(const std::string& fullPath) {
  return platform::OpenWithDefaultProgram(ToFsPath(fullPath));
}

bool XdgHtmlOpener::OpenInChrome(const std::string& fullPath) {
  for (const auto& name : ChromeProgramNames()) {
    if (const auto program = launcher_.FindProgram(name)) {
      return launcher_.Start({*program, Utf8Path(FileNameToURL(fullPath))}).has_value();
    }
  }
  return false;
}

}  // namespace korva
