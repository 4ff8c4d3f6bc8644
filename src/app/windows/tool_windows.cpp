#include "app/windows/tool_windows.h"

#include <QAction>
#include <QLayout>

#include "app/main_form.h"
#include "app/windows/about_box.h"
#include "app/windows/base_conv.h"
#include "app/windows/color_form.h"
#include "app/windows/forced_break_panel.h"
#include "app/windows/key_list.h"
#include "app/windows/preview_panes.h"
#include "app/windows/source_window.h"

namespace korva::app {

namespace {

PreviewPane* AddPreview(TAMainForm& form, const char* page, PreviewPane::Shows shows,
                        const char* name) {
  auto* host = form.findChild<QWidget*>(page);
  auto* pane = new PreviewPane(shows, name, host);
  host->layout()->addWidget(pane);
  return pane;
}

}  // namespace

ToolWindows::ToolWindows(TAMainForm& form)
    : QObject(&form),
      form_(form),
      source_(new TFormSOTSource(form)),
      palette_(new TColorForm(&form, form.ui())),
      baseConv_(new Tbaseconv(&form)),
      keyList_(new Tkeylist(&form, &form)),
      about_(new TAboutBox(&form)),
      breaks_(new ForcedBreakPanels(form)),
      previews_{AddPreview(form, "PGRightTab10Browser", PreviewPane::Shows::Document,
                           "WebBrowserResultRight"),
                AddPreview(form, "PGLeftTab10Browser", PreviewPane::Shows::LocalSet,
                           "WebBrowserResultLeft")} {
  // The key browsers use to show a page's source.
  form.findChild<QAction*>("MenuToolHTMLSource")
      ->setShortcut(QKeySequence(QStringLiteral("Ctrl+U")));
}

void ToolWindows::AfterRefresh() {
  const Document& doc = form_.document();
  breaks_->Follow(doc);
  for (PreviewPane* preview : previews_) preview->Follow(doc);
}

void ToolWindows::Show(QWidget* window) {
  if (window->isVisible()) window->raise();
  window->show();
  window->activateWindow();
}

}  // namespace korva::app
