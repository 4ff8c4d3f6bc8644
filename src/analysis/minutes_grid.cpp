#include "analysis/minutes_grid.h"

#include <charconv>

#include "analysis/class_presets.h"
#include "analysis/classifier.h"
#include "analysis/extra_titles.h"
#include "analysis/speaker_lists.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {

void StringGridClear(Document& doc) {
  doc.MinutesTextStringGrid.Clear();
}

namespace {

// Everything derived from an earlier text goes; the text itself stays.
void ClearAnalysis(Document& doc) {
  StringList text = std::move(doc.MinutesTextList);
  doc.StringListAllClear();
  doc.MinutesTextList = std::move(text);
  doc.ListBoxGidaiHatsugen.clear();
  doc.ListBoxMunicipalRoster.clear();
  // The counters describe this text only, however often it is loaded.
  doc.MarkCounts = BlockMarkCounts{};
}

// Classifies and completes the lines `forEachLine` gives, in two rows that
// take turns: a row is handed on once the next line is classified (which
// may close a block and so change the row before it), the last at the end.
template <typename ForEachLine>
std::size_t StreamRows(const Settings& settings, Document& doc, ForEachLine forEachLine,
                       RowConsumer& rows, StreamLists lists) {
  ClearAnalysis(doc);
  LineClassifier classifier(doc.MarkCounts);
  const std::vector<YakushokuTable> extraTitles = ExtraTitlesOf(settings);
  LineTableCompleter completer(doc, settings.RadioGroupCategory,
                               lists == StreamLists::All ? LineTableCompleter::Steps::All
                                                         : LineTableCompleter::Steps::RowsOnly,
                               extraTitles);
  LineRow slots[2];
  std::size_t r = 0;
  forEachLine([&](std::string_view line) {
    ++r;
    LineRow& row = slots[r % 2];
    LineRow& previous = slots[(r + 1) % 2];
    row.Clear();
    SetLineNo(row, r);
    classifier.Classify(PreparedMinutesLine(line), row, r > 1 ? &previous : nullptr);
    completer.Row(r, row);
    if (r > 1) rows.Row(r - 1, previous, row.LineKind);
  });
  if (r > 0) rows.Row(r, slots[r % 2], {});
  return r;
}

}  // namespace

int LoadMinutesTextStringGrid(const Settings& settings, Document& doc) {
  if (doc.MinutesTextList.empty()) return -1;
  ClearAnalysis(doc);
  // Each row is completed right after its classification, in one pass.
  const std::vector<YakushokuTable> extraTitles = ExtraTitlesOf(settings);
  LineTableCompleter completer(doc, settings.RadioGroupCategory, LineTableCompleter::Steps::All,
                               extraTitles);
  ClassifyMinutesLines(doc.MinutesTextList, doc.MinutesTextStringGrid, doc.MarkCounts,
                       [&completer](std::size_t r, LineRow& row) { completer.Row(r, row); });
  return 0;
}

std::size_t StreamMinutesAnalysis(const Settings& settings, Document& doc, RowConsumer& rows,
                                  StreamLists lists) {
  if (doc.MinutesTextList.empty()) return 0;
  return StreamRows(
      settings, doc,
      [&doc](const auto& take) {
        for (const std::string& line : doc.MinutesTextList) take(line);
      },
      rows, lists);
}

std::size_t StreamMinutesAnalysis(const Settings& settings, Document& doc, std::string_view text,
                                  RowConsumer& rows, StreamLists lists) {
  if (text.empty()) return 0;
  return StreamRows(
      settings, doc,
      [text](const auto& take) {
        sjis::ForEachLine(text, [&](std::size_t begin, std::size_t end) {
          take(text.substr(begin, end - begin));
        });
      },
      rows, lists);
}

std::uint32_t CategoryCodeColour(std::string_view categoryCode) {
  static constexpr std::uint32_t kColours[10] = {0xFFFFFF, 0xE6E6FA, 0xFA8072, 0xFFFF00, 0xFFB6C1,
                                                 0x99FFCC, 0xE6E6FA, 0xFFE4B5, 0xF0E68C, 0xFAF0E6};
  int code = 0;
  const char* end = categoryCode.data() + categoryCode.size();
  auto [ptr, ec] = std::from_chars(categoryCode.data(), end, code);
  if (ec != std::errc() || ptr != end) code = 0;
  return code >= 0 && code < 10 ? kColours[code] : 0xFFFFFF;
}

std::uint32_t GridCellColour(const LineRow& row, int column) {
  constexpr int kTextColumn = 2;
  if (column != kTextColumn || ZenkakuTrim(row.Text).empty()) return 0xFFFFFF;
  return CategoryCodeColour(row.CategoryCode);
}

}  // namespace korva
