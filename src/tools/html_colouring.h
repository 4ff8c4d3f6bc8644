// The colours of HTML shown in a pane: the tokens and colours of the RTF
// writer, worked out one line at a time so that a pane can colour only the
// lines it shows, however long the document.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "tools/html_rtf.h"
#include "tools/rtf_syntax.h"

namespace korva {

struct ColourSpan {
  std::size_t offset = 0;  // bytes into the line
  std::size_t length = 0;
  RgbColor colour = 0;
  bool bold = false;
};

// The colour the writer's table gives an index (0 is the automatic black).
RgbColor HtmlColourOfIndex(int colorIndex);

// Where the tokenizer stands after one line (without its break) that begins
// in `range`: where the next line begins.
HtmlRange HtmlRangeAfterLine(std::string_view line, HtmlRange range);

// The coloured spans of one line (without its break) that begins in `range`;
// `range` is left where the line ends. Blanks get no span.
std::vector<ColourSpan> ColourHtmlLine(std::string_view line, HtmlRange& range);

}  // namespace korva
