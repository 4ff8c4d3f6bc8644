// The help pages of the main window and the short description under the tool bar.
#pragma once

#include <QString>
#include <vector>

namespace korva::app {

struct HelpPage {
  const char* name;  // objectName of the page
  QString caption;   // the tab's caption
  QString html;
};

const std::vector<HelpPage>& HelpPages();
QString InitialDescriptionHtml();

}  // namespace korva::app
