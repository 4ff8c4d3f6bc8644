// The preparation (下準備) as a command on the minutes open in the program:
// it proposes the changes for the text the minutes were opened or pasted
// into, and applies the ones the clerk chose there, analysing the text again
// as opening it does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "intake/open_minutes.h"
#include "prepare/prepare.h"
#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// A proposal and the text it was made for.
struct MinutesPreparation {
  std::string text;
  PrepareResult result;
};

// The text the command works on: the opened minutes file's pane, or the
// main pane when the minutes were pasted there.
const std::string& PreparationSourceText(const Document& doc);

// The changes proposed for the document's minutes text, read with the
// current settings. Nothing with a beep when there is no text, and nothing
// with a message saying so when no change is needed.
std::optional<MinutesPreparation> ProposeMinutesPreparation(const Settings& settings,
                                                            const Document& doc, Ui& ui);

// Applies the changes whose `chosen` entry is true to the text they were made
// for, keeping its line ends, and analyses it again as opening (or pasting)
// it does: the line table, the lists and the side files follow, the text
// counts as changed, and `makeHTMLGo` runs when the HTML had been generated
// or the option asks for it. False, with nothing changed, when nothing was
// chosen or the text is no longer the one the proposal was made for.
bool ApplyMinutesPreparation(Settings& settings, Document& doc, Ui& ui,
                             const MinutesPreparation& preparation, const std::vector<bool>& chosen,
                             const FollowUpCommand& makeHTMLGo = {});

// What the report says, one CP932 line a note, for the clerk.
std::vector<std::string> PrepareReportLines(const PrepareReport& report);

}  // namespace korva
