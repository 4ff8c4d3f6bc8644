// Helpers for analysis tests: inputs are written in UTF-8 and converted, and
// results are compared in UTF-8 so that failures read well.
#pragma once

#include <string>
#include <vector>

#include "analysis/classifier.h"
#include "analysis/minutes_grid.h"
#include "session/document.h"
#include "settings/settings.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva::testing {

inline std::string U8(const std::string& cp932) {
  return Cp932ToUtf8Lossy(cp932);
}

inline std::vector<std::string> ToU8(const std::vector<std::string>& list) {
  std::vector<std::string> out;
  for (const auto& item : list) out.push_back(U8(item));
  return out;
}

inline std::vector<std::string> SjLines(const std::vector<std::string>& utf8Lines) {
  std::vector<std::string> out;
  for (const auto& line : utf8Lines) out.push_back(Sj(line));
  return out;
}

// Runs the classifier alone on lines as they stand.
inline LineTable Classify(const std::vector<std::string>& utf8Lines,
                          BlockMarkCounts* countsOut = nullptr) {
  LineTable table;
  BlockMarkCounts counts;
  MoveGrid2Roster(SjLines(utf8Lines), table, counts);
  if (countsOut) *countsOut = counts;
  return table;
}

// Loads lines as opening does and runs the whole analysis.
inline Document Analyse(const std::vector<std::string>& utf8Lines, int category = 0) {
  Settings settings;
  settings.RadioGroupCategory = category;
  Document doc;
  doc.MinutesTextList = SjLines(utf8Lines);
  LoadMinutesTextStringGrid(settings, doc);
  return doc;
}

// A row's columns in UTF-8, in table order.
struct RowU8 {
  std::string LineNo, Designation, Text, LineKind, SpeechNo, CategoryCode, BlockPos, KindLabel;
  bool operator==(const RowU8&) const = default;
};

inline RowU8 ToU8(const LineRow& row) {
  return {U8(row.LineNo),   U8(row.Designation),  U8(row.Text),     U8(row.LineKind),
          U8(row.SpeechNo), U8(row.CategoryCode), U8(row.BlockPos), U8(row.KindLabel)};
}

inline std::ostream& operator<<(std::ostream& os, const RowU8& r) {
  return os << "{" << r.LineNo << "|" << r.Designation << "|" << r.Text << "|" << r.LineKind << "|"
            << r.SpeechNo << "|" << r.CategoryCode << "|" << r.BlockPos << "|" << r.KindLabel
            << "}";
}

}  // namespace korva::testing
