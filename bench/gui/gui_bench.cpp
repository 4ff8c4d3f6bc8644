// korva-gui-bench MINUTES: how the main window copes with large minutes.
// Opens the file and generates the document with both HTML panes on screen
// and coloured, then scrolls the right HTML pane from top to bottom a page at
// a time, and reports the wall time of the first, the longest pause of the
// event loop during the second, and the peak memory of the process. Then the
// same for the HTML source window: opening it on the body HTML, coloured,
// and scrolling it. Times are wall and CPU time: on a machine shared with
// other work the wall time also counts the waits for a core.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <tuple>

#include "app/main_form.h"
#include "app/tab_pages.h"
#include "app/windows/source_window.h"
#include "app/windows/tool_windows.h"
#include "session/files.h"

namespace {

long PeakKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Runs the event loop until nothing is left to do; gives the longest single
// pass in milliseconds.
qint64 Settle() {
  qint64 longest = 0;
  for (int idle = 0; idle < 3;) {
    QElapsedTimer pass;
    pass.start();
    QApplication::processEvents(QEventLoop::AllEvents);
    const qint64 took = pass.elapsed();
    longest = std::max(longest, took);
    idle = took < 2 ? idle + 1 : 0;
  }
  return longest;
}

qint64 CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

struct Scrolling {
  int steps;
  qint64 total;
  qint64 longestStall;
  qint64 longestStallCpu;
};

// Scrolls a pane from top to bottom a page at a time.
Scrolling ScrollThrough(korva::app::TRichEditEx* pane) {
  QScrollBar* bar = pane->verticalScrollBar();
  Scrolling result{0, 0, 0, 0};
  QElapsedTimer timer;
  timer.start();
  for (int value = 0; value <= bar->maximum(); value += bar->pageStep(), ++result.steps) {
    QElapsedTimer step;
    step.start();
    const qint64 cpu = CpuMs();
    bar->setValue(value);
    pane->viewport()->repaint();
    result.longestStall = std::max({result.longestStall, step.elapsed(), Settle()});
    result.longestStallCpu = std::max(result.longestStallCpu, CpuMs() - cpu);
  }
  result.total = timer.elapsed();
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: korva-gui-bench MINUTES SETTINGS_TEMPLATE\n";
    return 2;
  }
  const std::filesystem::path minutes = std::filesystem::absolute(argv[1]);
  QTemporaryDir work;
  const std::filesystem::path root = work.path().toStdString();
  std::filesystem::create_directories(root / "html");
  std::ofstream(root / "html/tryout.css") << "p {}\n";
  std::string settings = korva::ReadFileBytes(argv[2]).bytes;
  const std::string folder = (root / "html").string() + "/";
  // Keys are looked for from their section on: "Folder=" is in three of them.
  for (const auto& [section, key, value] :
       {std::tuple<std::string, std::string, std::string>{"[Local]", "Root=", root.string() + "/"},
        {"[Local]", "Save=", folder},
        {"[Local]", "Folder=", folder},
        {"[CheckBox]", "ImmediateGo=", "0"},
        {"[CheckBox]", "OpenIEatSaved=", "0"}}) {
    const std::size_t at = settings.find("\r\n" + key, settings.find(section));
    const std::size_t end = settings.find("\r\n", at + 2);
    settings.replace(at + 2, end - at - 2, key + value);
  }
  std::ofstream(root / "korva.inf", std::ios::binary) << settings;
  korva::app::TAMainForm form(root / "korva");
  form.resize(1600, 1000);
  form.show();
  if (!form.FormShow(std::nullopt)) return 1;
  Settle();

  const long peakBefore = PeakKiB();
  QElapsedTimer timer;
  timer.start();
  form.OpenDroppedFile(QString::fromStdString(minutes.string()));
  form.tbMakeHTMLGoClick();
  Settle();
  const qint64 openAndGenerate = timer.elapsed();

  korva::app::TRichEditEx* pane = form.Pane("EditorBodyHTML");
  const auto [steps, scrollTotal, longestStall, longestStallCpu] = ScrollThrough(pane);
  const long peak = PeakKiB();

  timer.restart();
  const qint64 cpuBefore = CpuMs();
  form.tbNewWindowForHTMLSrcClick();
  Settle();
  const qint64 sourceOpen = timer.elapsed();
  const qint64 sourceOpenCpu = CpuMs() - cpuBefore;
  korva::app::TRichEditEx* source = form.Tools().Source()->Pane();
  const auto [sourceSteps, sourceTotal, sourceStall, sourceStallCpu] = ScrollThrough(source);
  const auto size = std::filesystem::file_size(minutes);
  std::cout << "minutes: " << size << " bytes, " << pane->LineCount() << " lines of HTML\n"
            << "open + generate, both HTML panes shown and coloured: " << openAndGenerate
            << " ms (target <= 1500)\n"
            << "scrolling the HTML pane top to bottom: " << steps << " pages in " << scrollTotal
            << " ms, longest stall " << longestStall << " ms, " << longestStallCpu
            << " ms CPU (target <= 200)\n"
            << "HTML source window, opened on the body HTML and coloured: " << sourceOpen << " ms, "
            << sourceOpenCpu << " ms CPU, for " << source->LineCount()
            << " lines (target <= 1000)\n"
            << "scrolling the source window top to bottom: " << sourceSteps << " pages in "
            << sourceTotal << " ms, longest stall " << sourceStall << " ms, " << sourceStallCpu
            << " ms CPU (target <= 200)\n"
            << "peak memory before the source window: " << peak
            << " KiB = " << (peak * 1024.0 / size) << " x the minutes (target <= 25; " << peakBefore
            << " KiB before opening), " << PeakKiB() << " KiB with it\n";
  return 0;
}
