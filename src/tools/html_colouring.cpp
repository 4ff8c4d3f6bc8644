#include "tools/html_colouring.h"

#include <array>

namespace korva {

namespace {

// The table a new writer starts with; the RTF of the panes keeps it.
constexpr std::array<RgbColor, 11> kPaneColours = {0x008000, 0x800000, 0xFF0000, 0xFF0000,
                                                   0x0000FF, 0x008000, 0xFF00FF, 0x0000FF,
                                                   0x000000, 0x000000, 0x000000};

}  // namespace

RgbColor HtmlColourOfIndex(int colorIndex) {
  if (colorIndex < 1 || colorIndex > static_cast<int>(kPaneColours.size())) return 0x000000;
  return kPaneColours[static_cast<std::size_t>(colorIndex - 1)];
}

HtmlRange HtmlRangeAfterLine(std::string_view line, HtmlRange range) {
  TqlxHTMLRTF tokenizer;
  for (tokenizer.StartLine(line, range); !tokenizer.AtEnd(); tokenizer.Next()) {
  }
  return tokenizer.Range();
}

std::vector<ColourSpan> ColourHtmlLine(std::string_view line, HtmlRange& range) {
  std::vector<ColourSpan> spans;
  TqlxHTMLRTF tokenizer;
  for (tokenizer.StartLine(line, range); !tokenizer.AtEnd(); tokenizer.Next()) {
    if (tokenizer.TokenId() == HtmlToken::Space) continue;
    const std::string_view token = tokenizer.GetToken();
    const int kindIndex = tokenizer.GetTokenKind();
    const int index = kindIndex == kBoldColorIndex ? kindIndex : TokenColorIndex(kindIndex, token);
    spans.push_back({static_cast<std::size_t>(token.data() - line.data()), token.size(),
                     HtmlColourOfIndex(index), index == kBoldColorIndex});
  }
  range = tokenizer.Range();
  return spans;
}

}  // namespace korva
