// The line classifier: gives every minutes line its kind, splits speaker
// lines into designation and speech, and counts the block marks.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/line_table.h"
#include "session/document.h"

namespace korva {

// Classifies the prepared lines (line r of the text is preparedLines[r - 1])
// into rows 1..N of `target`, incrementing `counts` for every block mark.
// Returns -1 and leaves `target` untouched when there are no lines, else 0.
int MoveGrid2Roster(const std::vector<std::string>& preparedLines, LineTable& target,
                    BlockMarkCounts& counts);

// The classification of one line after another, top to bottom: the rules'
// state carries from line to line, and the block marks are counted into
// `counts`. A line only ever changes its own row and the previous row's
// BlockPos (when it closes a quotation or paragraph block).
class LineClassifier {
 public:
  explicit LineClassifier(BlockMarkCounts& counts) : counts_(counts) {}
  // `row` must be empty but for its LineNo; `previous` is the row of the line
  // before, or null for the first line.
  void Classify(std::string_view preparedLine, LineRow& row, LineRow* previous);

 private:
  struct State {
    bool InComment = false;
    bool InProceedings = false;
    bool AfterClosing = false;
    bool InRoster = false;
    bool InPlainText = false;
    bool InEnumeration = false;
    bool InRawHTML = false;
    bool InQuote = false;
    bool QuoteStarted = false;
    bool InParagraph = false;
    bool ParagraphStarted = false;
    bool NoteOpen = false;
  };
  State state_;
  BlockMarkCounts& counts_;
};

// Row r's LineNo: r padded with spaces to four characters.
void SetLineNo(LineRow& row, std::size_t r);

// A text line as the classifier sees it: trailing blanks removed, and one
// single leading space dropped (two leading spaces stay).
std::string PrepareMinutesLine(std::string_view line);
std::string_view PreparedMinutesLine(std::string_view line);

// MoveGrid2Roster over the lines as loaded, preparing each one on the way.
// `rowDone(r, row)` runs as soon as row r is classified; the classifier only
// touches an earlier row's BlockPos afterwards.
int ClassifyMinutesLines(const std::vector<std::string>& lines, LineTable& target,
                         BlockMarkCounts& counts,
                         const std::function<void(std::size_t, LineRow&)>& rowDone = {});

}  // namespace korva
