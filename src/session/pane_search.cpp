#include "session/pane_search.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {

using namespace korva::literals;

namespace {

bool IsBlank(unsigned char c) {
  return c <= ' ';
}

// A quoted item from the opening quote at `i`; "" inside stands for one quote.
std::string ExtractQuoted(std::string_view text, std::size_t& i) {
  std::string item;
  ++i;
  while (i < text.size()) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        item += '"';
        i += 2;
        continue;
      }
      ++i;
      return item;
    }
    const std::size_t n = sjis::CharLength(text, i);
    item.append(text.substr(i, n));
    i += n;
  }
  return item;
}

// Integer at the start of `text` after blanks, 0 when there is none.
long long LeadingInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace

StringList ParseCommaText(std::string_view text) {
  StringList items;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    if (text[i] == '"') {
      items.push_back(ExtractQuoted(text, i));
    } else {
      const std::size_t from = i;
      while (i < text.size() && !IsBlank(static_cast<unsigned char>(text[i])) && text[i] != ',') {
        ++i;
      }
      items.emplace_back(text.substr(from, i - from));
    }
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      if (i + 1 == text.size()) items.emplace_back();
      ++i;
      skipBlanks();
    }
  }
  return items;
}

int EdictScan(std::string_view text, StringList& words, BlankRuns runs) {
  words.clear();
  std::string s = TrimControlAndSpaces(text);
  s = ZenkakuTrimLeft(s);
  s = sjis::ReplaceAll(s, "　"_sj, " ");
  if (runs == BlankRuns::Halving) {
    for (int pass = 0; pass < 3; ++pass) s = sjis::ReplaceAll(s, "  ", " ");
  } else {
    for (std::size_t run : {7, 6, 5, 3, 2}) s = sjis::ReplaceAll(s, std::string(run, ' '), " ");
  }
  s = sjis::ReplaceAll(s, " ", ",");
  if (!s.empty()) words = ParseCommaText(s);
  return static_cast<int>(words.size());
}

HighlightStyle SearchHighlightStyle(int wordIndex) {
  HighlightStyle style;
  switch (wordIndex) {
    case 0:
      style.bold = true;
      style.textColor = 0xFF0000;
      break;
    case 1:
      style.backColor = 0xD2691E;
      break;
    case 2:
      style.backColor = 0xADFF2F;
      break;
    case 3:
      style.backColor = 0xE9967A;
      break;
    case 4:
    case 7:
      style.backColor = 0xDAA520;
      break;
    case 5:
      style.backColor = 0x00FA9A;
      break;
    case 6:
      style.backColor = 0xEE82EE;
      break;
    default:
      style.textColor = 0x000080;
  }
  return style;
}

LineIndex::LineIndex(std::string_view text) {
  starts_.push_back(0);
  // Two byte searches, one per break character, each picked up again only
  // once passed: a long text is scanned at memchr's pace.
  const char* const data = text.data();
  const char* const end = data + text.size();
  auto next = [end](const char* from, char c) {
    if (from >= end) return end;
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* cr = next(data, '\r');
  const char* lf = next(data, '\n');
  for (const char* p = std::min(cr, lf); p < end; p = std::min(cr, lf)) {
    ends_.push_back(static_cast<std::size_t>(p - data));
    const char* after = p + 1;
    if (*p == '\r' && after < end && *after == '\n') ++after;
    starts_.push_back(static_cast<std::size_t>(after - data));
    if (cr < after) cr = next(after, '\r');
    if (lf < after) lf = next(after, '\n');
  }
  ends_.push_back(text.size());
}

std::size_t LineIndex::LineOf(std::size_t offset) const {
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
  return static_cast<std::size_t>(it - starts_.begin()) - 1;
}

std::string SearchResultEntry(std::size_t line, std::size_t column) {
  return PadNumber(static_cast<long long>(line), 4) + "/" +
         ZeroPadNumber(static_cast<long long>(column), 2);
}

namespace {

int HighlightWord(std::string_view paneText, const LineIndex& lines, std::string_view word,
                  StringList& list, int wordIndex, PaneSearchOutcome& outcome) {
  if (paneText.empty()) return -2;
  if (word.empty()) return -1;
  if (wordIndex == 0) list.clear();
  // "~" and "～" stand for blanks inside a word.
  std::string w = TrimControlAndSpaces(word);
  w = sjis::ReplaceAll(w, "~", " ");
  w = sjis::ReplaceAll(w, "～"_sj, " ");
  // A word of blanks only would match everywhere.
  if (TrimControlAndSpaces(w).empty()) return -1;

  const HighlightStyle style = SearchHighlightStyle(wordIndex);
  int count = 0;
  std::size_t p = Pos(w, paneText);  // 1-based
  const std::size_t first = p;
  while (p > 0) {
    outcome.highlights.push_back({p - 1, w.size(), style});
    const std::size_t caret = p;
    const std::size_t line = lines.LineOf(caret);
    list.push_back(SearchResultEntry(line + 1, caret - lines.LineStart(line)));
    ++count;
    p = SearchFrom(w, paneText, p + w.size());
  }
  if (first > 0) outcome.caret = first - 1;
  return count;
}

}  // namespace

int HighlightWordInPane(std::string_view paneText, std::string_view word, StringList& list,
                        int wordIndex, PaneSearchOutcome& outcome) {
  return HighlightWord(paneText, LineIndex(paneText), word, list, wordIndex, outcome);
}

PaneSearchOutcome RichEditSearchList(std::string_view paneText, const StringList& words,
                                     StringList& list) {
  PaneSearchOutcome outcome;
  if (words.empty()) return outcome;
  list.clear();
  const LineIndex lines(paneText);
  const std::size_t n = std::min(words.size(), kMaxSearchWords);
  for (std::size_t k = 0; k < n; ++k) {
    HighlightWord(paneText, lines, words[k], list, static_cast<int>(k), outcome);
  }
  return outcome;
}

ResultEntryClick ListBoxClick(std::string_view entry, int mode) {
  ResultEntryClick click;
  const std::size_t tab = entry.find('\t');
  if (mode == 1 && tab != std::string_view::npos) {
    click.description = std::string(entry.substr(0, tab));
    entry.remove_prefix(tab + 1);
    std::string_view described = click.description;
    if (const std::size_t dot = sjis::Find(described, ". "); dot != sjis::npos) {
      described.remove_prefix(dot + 2);
    }
    click.searchText = RemoveSpeakerMarks(described, 0);
  }
  click.label = std::string(entry);
  const std::size_t slash = entry.find('/');
  if (slash == std::string_view::npos) return click;
  const long long line = LeadingInteger(entry.substr(0, slash));
  std::string_view columnText = entry.substr(slash + 1);
  columnText = columnText.substr(0, columnText.find(' '));
  const long long column = LeadingInteger(columnText) - 1;
  click.line = static_cast<std::size_t>(std::max(line, 0LL));
  click.column = static_cast<std::size_t>(std::max(column, 0LL));
  return click;
}

std::size_t CaretForLine(std::string_view paneText, std::size_t line, std::size_t column) {
  const LineIndex lines(paneText);
  const std::size_t index = std::clamp<std::size_t>(line, 1, lines.LineCount()) - 1;
  return std::min(lines.LineStart(index) + column, lines.LineEnd(index));
}

bool tbRightGridSeachGoClick(const LineTable& table, std::string_view findText,
                             GridSearchState& state, Ui& ui) {
  const std::string text = TrimControlAndSpaces(findText);
  const bool cleared =
      table.RowCount() == 1 && table.Row(1).Designation.empty() && table.Row(1).Text.empty();
  if (cleared || text.empty()) return false;
  ui.SetStatusPanel(0, " [ " + std::to_string(state.start) + " / 1 ]");
  // Moving the current row above the last hit starts the search over.
  if (state.currentRow + 1 < state.start) state.start = 1;
  for (std::size_t r = std::max<std::size_t>(state.start, 1); r <= table.RowCount(); ++r) {
    const LineRow& row = table.Row(r);
    if (sjis::Contains(row.Designation, text) || sjis::Contains(row.Text, text)) {
      state.currentRow = r;
      state.start = r + 1;
      return true;
    }
  }
  state.start = 1;
  state.currentRow = 1;
  return false;
}

BottomMove BottomOfPane(std::size_t lineCount, std::size_t caretLine) {
  const std::size_t left = lineCount > caretLine ? lineCount - caretLine : 0;
  if (left < 6) return {left, lineCount > 0 ? lineCount - 1 : 0};
  return {left - 5, lineCount - 5};
}

}  // namespace korva
