// Building the line table from the loaded minutes text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/classifier.h"
#include "session/document.h"
#include "settings/settings.h"

namespace korva {

// The cleared state of the line table: one empty row.
void StringGridClear(Document& doc);

// Empties the lists derived from the text, then classifies MinutesTextList
// into MinutesTextStringGrid and runs the speaker analysis with the meeting
// category of `settings` and its extra titles. Returns -1 (changing nothing)
// for a text without lines.
int LoadMinutesTextStringGrid(const Settings& settings, Document& doc);

// Background colour (0xRRGGBB) of the Text cell of a row with this category code.
std::uint32_t CategoryCodeColour(std::string_view categoryCode);

// Background of a grid cell (0-based column): only a Text cell that holds
// more than blanks takes its category's colour; everything else is white.
std::uint32_t GridCellColour(const LineRow& row, int column);

}  // namespace korva
