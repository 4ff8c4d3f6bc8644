#include "analysis/minutes_grid.h"

#include <charconv>

#include "analysis/class_presets.h"
#include "analysis/classifier.h"
#include "analysis/extra_titles.h"
#include "analysis/speaker_lists.h"
#include "text/string_helpers.h"

namespace korva {

void StringGridClear(Document& doc) {
  doc.MinutesTextStringGrid.Clear();
}

int LoadMinutesTextStringGrid(const Settings& settings, Document& doc) {
  if (doc.MinutesTextList.empty()) return -1;

  // Everything derived from an earlier text goes; the text itself stays.
  StringList text = std::move(doc.MinutesTextList);
  doc.StringListAllClear();
  doc.MinutesTextList = std::move(text);
  doc.ListBoxGidaiHatsugen.clear();
  doc.ListBoxMunicipalRoster.clear();
  // The counters describe this text only, however often it is loaded.
  doc.MarkCounts = BlockMarkCounts{};

  // Each row is completed right after its classification, in one pass.
  const std::vector<YakushokuTable> extraTitles = ExtraTitlesOf(settings);
  LineTableCompleter completer(doc, settings.RadioGroupCategory, LineTableCompleter::Steps::All,
                               extraTitles);
  ClassifyMinutesLines(doc.MinutesTextList, doc.MinutesTextStringGrid, doc.MarkCounts,
                       [&completer](std::size_t r, LineRow& row) { completer.Row(r, row); });
  return 0;
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
