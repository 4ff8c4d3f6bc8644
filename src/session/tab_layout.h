// What bringing a tab forward by hand does to the layout of the main page:
// the width of the left page control, the right page that goes with some
// left pages, and the pane that gets coloured or its margins. Tabs brought
// forward by the commands themselves change none of this.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korva {

struct TabChangeEffect {
  std::optional<int> optionPanelHeight;  // PanelSettingProject
  std::optional<int> leftWidth;          // PGLeft, in pixels
  std::string showRightPage;             // a page of PGRight to bring forward
  std::string colourPane;                // a pane to colour as HTML
  std::string marginPane;                // a pane whose margins are set again
};

TabChangeEffect PGLeftChange(std::string_view pageName);
TabChangeEffect PGRightChange(std::string_view pageName);

// The margins every pane gets (pixels).
inline constexpr int kPaneLeftMargin = 54;
inline constexpr int kPaneRightMargin = 10;

}  // namespace korva
