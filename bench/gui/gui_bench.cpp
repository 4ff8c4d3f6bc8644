// korva-gui-bench MINUTES: how the main window copes with large minutes.
// Opens the file and generates the document with both HTML panes on screen
// and coloured, then scrolls the right HTML pane from top to bottom a page at
// a time, and reports the wall time of the first, the longest pause of the
// event loop during the second, and the peak memory of the process.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <tuple>

#include "app/main_form.h"
#include "app/tab_pages.h"
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
  QScrollBar* bar = pane->verticalScrollBar();
  qint64 longestStall = 0;
  int steps = 0;
  timer.restart();
  for (int value = 0; value <= bar->maximum(); value += bar->pageStep(), ++steps) {
    QElapsedTimer step;
    step.start();
    bar->setValue(value);
    pane->viewport()->repaint();
    longestStall = std::max({longestStall, step.elapsed(), Settle()});
  }
  const qint64 scrollTotal = timer.elapsed();
  const auto size = std::filesystem::file_size(minutes);
  const long peak = PeakKiB();
  std::cout << "minutes: " << size << " bytes, " << pane->LineCount() << " lines of HTML\n"
            << "open + generate, both HTML panes shown and coloured: " << openAndGenerate
            << " ms (target <= 1500)\n"
            << "scrolling the HTML pane top to bottom: " << steps << " pages in " << scrollTotal
            << " ms, longest stall " << longestStall << " ms (target <= 200)\n"
            << "peak memory: " << peak << " KiB = " << (peak * 1024.0 / size)
            << " x the minutes (target <= 25; " << peakBefore << " KiB before opening)\n";
  return 0;
}
