// Choosing a meeting category: apply its class preset and re-analyse the
// open minutes with it.
#pragma once

#include "intake/open_minutes.h"

namespace korva {

// Applies the preset of the current category; when the open minutes file
// still exists, opens it again and runs `makeBodyOnly` (the regeneration).
void MenuSettingsExampleClick(Settings& settings, Document& doc, Ui& ui,
                              const FollowUpCommand& makeBodyOnly = {});

// Selects category `index`; once the window is ready (doc.UIReady) the
// preset and re-analysis follow as in MenuSettingsExampleClick.
void RadioGroupCategoryClick(Settings& settings, Document& doc, Ui& ui, int index,
                             const FollowUpCommand& makeBodyOnly = {});

}  // namespace korva
