// Helpers for the HTML tests: line tables written in UTF-8 and bodies read
// back as UTF-8, so that expectations stay readable.
#pragma once

#include <string>
#include <vector>

#include "session/document.h"
#include "text/codec.h"
#include "text/literal.h"

namespace korva::testing {

struct Row {
  std::string kind;
  std::string text;         // UTF-8
  std::string designation;  // UTF-8
  std::string code;
  std::string speechNo;
  std::string blockPos;
};

inline void FillTable(Document& doc, const std::vector<Row>& rows) {
  LineTable& table = doc.MinutesTextStringGrid;
  table.Resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    LineRow& r = table.Row(i + 1);
    r.LineNo = std::to_string(i + 1);
    r.LineKind = rows[i].kind;
    r.Text = Sj(rows[i].text);
    r.Designation = Sj(rows[i].designation);
    r.CategoryCode = rows[i].code;
    r.SpeechNo = rows[i].speechNo;
    r.BlockPos = rows[i].blockPos;
  }
}

inline std::vector<std::string> ToUtf8(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(Cp932ToUtf8(line));
  return out;
}

// `n` ideographic spaces in UTF-8.
inline std::string Zs(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += "　";
  return out;
}

}  // namespace korva::testing
