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

// The analysis of LoadMinutesTextStringGrid without keeping the table: the
// lists and counts of `doc` are filled the same way (with `lists` None, only
// the counts), and each row goes to `rows` instead of MinutesTextStringGrid,
// which is left as it was. Reads MinutesTextList, or with `text` the lines
// of that text (MinutesTextList is then neither read nor changed). Returns
// the number of lines; for none it changes nothing.
enum class StreamLists { All, None };
std::size_t StreamMinutesAnalysis(const Settings& settings, Document& doc, RowConsumer& rows,
                                  StreamLists lists = StreamLists::All);
std::size_t StreamMinutesAnalysis(const Settings& settings, Document& doc, std::string_view text,
                                  RowConsumer& rows, StreamLists lists = StreamLists::All);

// Background colour (0xRRGGBB) of the Text cell of a row with this category code.
std::uint32_t CategoryCodeColour(std::string_view categoryCode);

// Background of a grid cell (0-based column): only a Text cell that holds
// more than blanks takes its category's colour; everything else is white.
std::uint32_t GridCellColour(const LineRow& row, int column);

}  // namespace korva
