// The HTML tokenizer behind the colouring and the RTF writer: the tokens put
// back together are the input, the panes' line-by-line colouring gives the
// whole text's tokens and colours, and the RTF is one balanced group.
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "text/sjis.h"
#include "tools/html_colouring.h"
#include "tools/html_rtf.h"

namespace korva::fuzz {
namespace {

struct Token {
  std::size_t offset;
  std::string_view text;
  HtmlToken kind;
  int colourIndex;
};

struct Span {
  std::size_t offset, length;
  RgbColor colour;
  bool bold;
  bool operator==(const Span&) const = default;
};

// Walks an RTF text: control words and symbols are skipped whole, so an
// escaped brace is no group.
bool BalancedGroups(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return false;
      if (depth == 0 && i + 1 != rtf.size()) return false;
    }
  }
  return depth == 0;
}

}  // namespace

std::string HtmlTokens(std::string_view input) {
  const std::string html(input);
  TqlxHTMLRTF whole;
  whole.SetText(html);
  std::vector<Token> tokens;
  std::string rebuilt;
  for (; !whole.AtEnd(); whole.Next()) {
    const std::string_view token = whole.GetToken();
    if (token.empty()) return "an empty token at byte " + std::to_string(rebuilt.size());
    tokens.push_back({rebuilt.size(), token, whole.TokenId(), whole.GetTokenKind()});
    rebuilt.append(token);
  }
  if (rebuilt != html) return "the tokens do not rebuild the input";

  // The panes: each line coloured from where the one before left the
  // tokenizer gives the whole text's tokens, blanks left out, and colours.
  std::vector<Span> wholeSpans, lineSpans;
  for (const Token& t : tokens) {
    if (t.kind == HtmlToken::Space) continue;
    const int index =
        t.colourIndex == kBoldColorIndex ? t.colourIndex : TokenColorIndex(t.colourIndex, t.text);
    wholeSpans.push_back(
        {t.offset, t.text.size(), HtmlColourOfIndex(index), index == kBoldColorIndex});
  }
  HtmlRange range = HtmlRange::Text;
  bool rangesAgree = true;
  sjis::ForEachLine(html, [&](std::size_t begin, std::size_t end) {
    const std::string_view line = std::string_view(html).substr(begin, end - begin);
    const HtmlRange after = HtmlRangeAfterLine(line, range);
    for (const ColourSpan& span : ColourHtmlLine(line, range)) {
      lineSpans.push_back({begin + span.offset, span.length, span.colour, span.bold});
    }
    rangesAgree = rangesAgree && after == range;
  });
  if (!rangesAgree) return "the range after a line differs between the colouring and its skip";
  if (lineSpans != wholeSpans) return "the line-by-line colours differ from the whole text's";

  if (!BalancedGroups(HtmlToRtf(html))) return "the RTF groups do not balance";
  return {};
}

}  // namespace korva::fuzz
