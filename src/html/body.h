// Conversion of the line table into the HTML body: one paragraph element per
// remark with the speaker's class, headings, notes and the marked blocks.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/minutes_grid.h"
#include "session/document.h"
#include "session/line_sink.h"
#include "settings/settings.h"

namespace korva {

// Converts MinutesTextStringGrid into BodyHTMLList (which the caller emptied)
// and adds the speaker legend to SpeakerSentenceSet. Uses doc.LineIdPrefix,
// doc.AnnotationIndent, doc.QuotationLeadSpaces and advances
// doc.DocumentColorCounter. A roster block whose closing row is missing is
// laid out at the end. Returns 0.
int MakeContentsHTML(const Settings& settings, Document& doc);

// The same conversion for rows handed on one at a time, in order, as a
// streamed analysis does: the body's lines go to `out` as they are made.
// Finish ends the body after the last row.
class BodyConverter final : public RowConsumer {
 public:
  BodyConverter(const Settings& settings, Document& doc, LineSink& out);
  ~BodyConverter() override;
  void Row(std::size_t r, const LineRow& row, std::string_view nextKind) override;
  void Finish();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// The id of a body line: prefix + row padded with "0" to at least four digits.
std::string LineId(std::string_view prefix, std::size_t row);

// n div 2 ideographic spaces; 26 when n < 1.
std::string MakeZleadingSP(int n);
// n ideographic spaces; none when n < 1.
std::string MakeZSP(int n);
// (width - byte length of name) half-width spaces when that is 1..100, else 11.
std::string MakeHSPSeparator(std::string_view name, int width);

}  // namespace korva
