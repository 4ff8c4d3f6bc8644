// What the settings pages need from the main window: the settings and the
// document they show, the Ui the core commands talk through, and the way the
// window runs a command (edited panes and every control read first, the
// controls and views renewed after). Pages register how they show the
// document; the window asks them to after every command.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "intake/open_minutes.h"
#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

class QWidget;

namespace korva::app {

class PageHost {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;
  PageHost(Settings& settings_, Document& doc_, Ui& ui_, QWidget& window_, Runner run_,
           FollowUpCommand regenerate_)
      : settings(settings_),
        doc(doc_),
        ui(ui_),
        window(window_),
        run(std::move(run_)),
        regenerate(std::move(regenerate_)) {}

  Settings& settings;
  Document& doc;
  Ui& ui;
  QWidget& window;
  // The window's RunCommand.
  Runner run;
  // Generating the document again, after a category or class change.
  FollowUpCommand regenerate;

  // Runs a core command over the settings, the document and the Ui.
  void Run(const std::function<void(Settings&, Document&, Ui&)>& command) {
    run([this, command] { command(settings, doc, ui); });
  }
  void OnRefresh(std::function<void()> refresher) { refreshers_.push_back(std::move(refresher)); }
  void Refresh() const {
    for (const auto& refresher : refreshers_) refresher();
  }

 private:
  std::vector<std::function<void()>> refreshers_;
};

// The builders, one per page (or group of pages), each filling the page the
// main window made for it.
void BuildBasicSettingsPage(QWidget* page, PageHost& host);
void BuildLocalSettingsPage(QWidget* page, PageHost& host);
void BuildWebSettingsPage(QWidget* page, PageHost& host);
void BuildSpeakerClassPage(QWidget* page, PageHost& host);
void BuildRosterPage(QWidget* page, PageHost& host);
void BuildDocumentPage(QWidget* page, PageHost& host);
void BuildWarningsPage(QWidget* page, PageHost& host);
void BuildHtmlHeadPage(QWidget* page, PageHost& host);
void BuildSpeakerSettingsPage(QWidget* page, PageHost& host);
void BuildLocalIncludePage(QWidget* page, PageHost& host);
void BuildWebIncludePage(QWidget* page, PageHost& host);
void BuildSidelinkIncludePage(QWidget* page, PageHost& host);
void BuildCssPage(QWidget* page, PageHost& host);
void BuildOptionPanel(QWidget* panel, PageHost& host);

}  // namespace korva::app
