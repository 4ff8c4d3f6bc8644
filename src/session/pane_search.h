// The search in the editor panes and in the line table: up to seven words
// highlighted in a pane, one result entry per match ("  12/05": line and
// column), clicks on entries turned into caret positions, and the line-table
// search that continues below its last hit. All text is CP932 and every
// position is a byte offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/line_table.h"
#include "session/ui.h"

namespace korva {

using StringList = std::vector<std::string>;

// Searches beyond the first seven words are ignored.
inline constexpr std::size_t kMaxSearchWords = 7;

// The list parse of comma text: items separated by commas or blanks, an
// item in double quotes may hold both ("" stands for one quote).
StringList ParseCommaText(std::string_view text);

enum class BlankRuns {
  Halving,      // "  " by " ", three times over (the panes)
  LongestFirst  // runs of 7, 6, 5, 3 and 2 by one (the HTML source window)
};

// Splits a search text into words (full-width spaces count as blanks) into
// `words`; returns the number of words.
int EdictScan(std::string_view text, StringList& words, BlankRuns runs = BlankRuns::Halving);

struct HighlightStyle {
  bool bold = false;
  std::optional<std::uint32_t> textColor;  // 0xRRGGBB
  std::optional<std::uint32_t> backColor;
};
// The colours of the k-th search word (0-based).
HighlightStyle SearchHighlightStyle(int wordIndex);

struct PaneHighlight {
  std::size_t offset = 0;
  std::size_t length = 0;
  HighlightStyle style;
};

// What a search leaves in the pane.
struct PaneSearchOutcome {
  std::vector<PaneHighlight> highlights;
  std::size_t caret = 0;  // the first match of the last word found, else 0
};

// Line starts of a pane text; breaks are CR LF, LF or CR.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text);
  std::size_t LineCount() const { return starts_.size(); }
  // 0-based line of a byte offset.
  std::size_t LineOf(std::size_t offset) const;
  std::size_t LineStart(std::size_t line) const { return starts_.at(line); }
  // Offset of the line's end (before its break).
  std::size_t LineEnd(std::size_t line) const { return ends_.at(line); }

 private:
  std::vector<std::size_t> starts_;
  std::vector<std::size_t> ends_;
};

// "  12/05": the 1-based line right-aligned in 4, "/", the 1-based column
// with at least two digits.
std::string SearchResultEntry(std::size_t line, std::size_t column);

// Highlights every match of one word, the next search starting one byte after
// the end of a match; appends an entry per match to `list` (cleared for the
// first word). Result: the number of matches, -2 for an empty pane, -1 for
// an empty word.
int HighlightWordInPane(std::string_view paneText, std::string_view word, StringList& list,
                        int wordIndex, PaneSearchOutcome& outcome);

// Searches the first seven words; does nothing without words.
PaneSearchOutcome RichEditSearchList(std::string_view paneText, const StringList& words,
                                     StringList& list);

// What clicking a result entry does.
struct ResultEntryClick {
  std::string label;                // LabelCommonLineNumber
  std::string description;          // LabelCoomonDescription (entries with a TAB, mode 1)
  std::string searchText;           // for ComboBoxHTMLSearch and ComboBoxGridSearch
  std::optional<std::size_t> line;  // 1-based, when the entry holds "/"
  std::size_t column = 0;           // 0-based
};
ResultEntryClick ListBoxClick(std::string_view entry, int mode);

// The caret offset of a 1-based line and 0-based column, kept inside the text.
std::size_t CaretForLine(std::string_view paneText, std::size_t line, std::size_t column);

// The line-table search: the next start row and the grid's current row.
struct GridSearchState {
  std::size_t start = 1;
  std::size_t currentRow = 1;
};
// Searches the Designation and Text columns from `start` down; a hit becomes
// the current row and the next search starts below it; a miss makes row 1
// current and starts over. Returns true on a hit.
bool tbRightGridSeachGoClick(const LineTable& table, std::string_view findText,
                             GridSearchState& state, Ui& ui);

// The Bottom button: how far to scroll down and the caret's new 0-based line.
struct BottomMove {
  std::size_t scrollBy;
  std::size_t caretLine;
};
BottomMove BottomOfPane(std::size_t lineCount, std::size_t caretLine);

}  // namespace korva
