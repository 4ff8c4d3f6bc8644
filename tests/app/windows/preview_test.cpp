// The browser preview: the generated document and the local set in Qt
// WebEngine panes that follow each generation, and the browser buttons with
// a launcher that only records.
#include <memory>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include "app/app_fixture.h"
#include "app/windows/web_preview.h"
#include "tools/process_launcher.h"

namespace korva::testing {

namespace {

class FakeLauncher : public ProcessLauncher {
 public:
  std::vector<std::vector<std::string>> started;
  std::vector<ProcessId> closed;

  std::optional<ProcessId> Start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return next_++;
  }
  // No default-browser query answers: the file goes to xdg-open.
  std::optional<std::string> Capture(const std::vector<std::string>&) override {
    return std::nullopt;
  }
  bool IsRunning(ProcessId) override { return true; }
  void Close(ProcessId id) override { closed.push_back(id); }
  std::optional<std::string> FindProgram(std::string_view name) override {
    return "/opt/" + std::string(name);
  }

 private:
  ProcessId next_ = 100;
};

// The text of the <title> element of a saved CP932 document.
QString TitleOf(const std::filesystem::path& file) {
  const std::string bytes = ReadFileBytes(file).bytes;
  const std::size_t start = bytes.find("<title>") + 7;
  return QString::fromStdString(
      Cp932ToUtf8Lossy(bytes.substr(start, bytes.find("</title>") - start)));
}

// True once the view shows a page at a path ending in `ending`, fully loaded.
// Asked of the page itself: a load signal of the page before may still be
// on its way when the next one starts.
bool ShowsLoaded(QWebEngineView* view, const QString& ending) {
  auto answer = std::make_shared<QVariant>();
  view->page()->runJavaScript(QStringLiteral("document.readyState + ' ' + location.pathname"),
                              [answer](const QVariant& result) { *answer = result; });
  if (!QTest::qWaitFor([&] { return answer->isValid(); }, 5000)) return false;
  const QString text = answer->toString();
  return text.startsWith(QStringLiteral("complete ")) && text.endsWith(ending);
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void PreviewLoadsTheGeneratedDocument();
  void PreviewShowsTheLocalSetInTwoPanes();
  void PreviewButtonsOpenTheRightFiles();

 private:
  // Opens the sample and generates the document.
  void Generate();
  QWebEngineView* View(const char* name) const {
    return window_->form->findChild<QWebEngineView*>(name);
  }

  std::unique_ptr<AppFolder> folder_;
  std::unique_ptr<Window> window_;
};

void PreviewTest::init() {
  folder_ = std::make_unique<AppFolder>();
  auto values = folder_->QuietSettings();
  values["CheckBox/SaveAtBuild"] = "1";
  folder_->WriteSettings(values);
  // The sample style sheet lays out the two panes.
  std::filesystem::copy_file(std::filesystem::path(SourceDir()) / "examples/css/minutes.css",
                             folder_->Html() / "css/minutes.css",
                             std::filesystem::copy_options::overwrite_existing);
}

void PreviewTest::cleanup() {
  window_.reset();
  folder_.reset();
}

void PreviewTest::Generate() {
  window_ = std::make_unique<Window>(*folder_);
  QVERIFY(window_->Start());
  window_->prompter.paths.push_back(Utf8ToCp932(folder_->CopySample().string()));
  window_->Trigger("tbOpenFile");
  window_->Trigger("tbMakeHTMLGo");
}

void PreviewTest::PreviewLoadsTheGeneratedDocument() {
  Generate();
  // Nothing starts a browser before the preview is asked for.
  QVERIFY(!View("WebBrowserResultRight"));
  window_->Trigger("MenuToolPreview");
  QWebEngineView* view = View("WebBrowserResultRight");
  QVERIFY(view);
  QTRY_VERIFY(view->isVisible());
  QSignalSpy finished(view, &QWebEngineView::loadFinished);
  const std::filesystem::path saved = folder_->Html() / "r0612t1-1.html";
  QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 1, 30000);
  QVERIFY(finished.last().at(0).toBool());
  QCOMPARE(view->url(), QUrl::fromLocalFile(QString::fromStdString(saved.string())));
  QCOMPARE(view->title(), TitleOf(saved));
  QVERIFY(!view->title().isEmpty());

  // A new generation rewrites the file: the pane loads it again.
  window_->Trigger("tbMakeHTMLGo");
  QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 2, 30000);
  QVERIFY(finished.last().at(0).toBool());
  // A new file leaves the pane blank.
  window_->Trigger("tbNewFile");
  QTRY_COMPARE_WITH_TIMEOUT(view->url(), QUrl(QStringLiteral("about:blank")), 30000);
}

void PreviewTest::PreviewShowsTheLocalSetInTwoPanes() {
  Generate();
  window_->Trigger("tbBuildTwoPane");
  window_->Trigger("MenuToolPreview");
  QWebEngineView* view = View("WebBrowserResultLeft");
  QVERIFY(view);
  QTRY_VERIFY_WITH_TIMEOUT(ShowsLoaded(view, "r0612t1-1-n.html"), 30000);
  QTest::mouseClick(window_->form->findChild<QRadioButton*>("RadioPreviewVertical"),
                    Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(ShowsLoaded(view, "r0612t1-1-v.html"), 30000);
  QVariant sizes;
  view->page()->runJavaScript(
      "JSON.stringify(['minutescontents-top', 'minutescontents-bottom'].map(id => {"
      "  const pane = document.getElementById(id);"
      "  if (!pane) return null;"
      "  const box = pane.getBoundingClientRect();"
      "  return [box.width, box.height]; }))",
      [&sizes](const QVariant& result) { sizes = result; });
  QTRY_VERIFY_WITH_TIMEOUT(sizes.isValid(), 30000);
  const QString json = sizes.toString();
  QVERIFY2(!json.contains("null"), qPrintable(json));
  for (const QString& number : QString(json).remove('[').remove(']').split(',')) {
    QVERIFY2(number.toDouble() > 0, qPrintable(json));
  }
}

void PreviewTest::PreviewButtonsOpenTheRightFiles() {
  // Each run keeps or closes the browser it started before.
  for (const bool keep : {false, true}) {
    auto values = folder_->FolderSettings();
    values["CheckBox/ImmediateGo"] = "0";
    values["CheckBox/OpenIEDontClose"] = keep ? "1" : "0";
    folder_->WriteSettings(values);
    Generate();
    window_->Trigger("tbBuildTwoPane");
    FakeLauncher launcher;
    XdgHtmlOpener opener(launcher, XdgDirs{});
    window_->form->ui().SetOpener(opener);
    const std::string html = folder_->Html().string() + "/";
    window_->Trigger("tbOpenIE");
    window_->Trigger("tbOpenIE");
    window_->Trigger("tbMake2OpenIE");
    window_->Trigger("tbOpenChrome");
    const std::vector<std::vector<std::string>> started = {
        {"xdg-open", html + "r0612t1-1.html"},
        {"xdg-open", html + "r0612t1-1.html"},
        {"xdg-open", html + "r0612t1-1-n.html"},
        {"/opt/chromium", "file://" + html + "r0612t1-1-n.html"}};
    QCOMPARE(launcher.started, started);
    const std::vector<ProcessId> closed =
        keep ? std::vector<ProcessId>() : std::vector<ProcessId>{100, 101};
    QCOMPARE(launcher.closed, closed);
    window_->form->ui().SetOpener(window_->opener);
  }
}

}  // namespace korva::testing

int main(int argc, char* argv[]) {
  korva::app::PrepareWebEngine();
  QApplication app(argc, argv);
  korva::app::UseWebEnginePreview();
  korva::testing::PreviewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "preview_test.moc"
