// The HTML tokenizer behind the colouring and the RTF writer: the tokens put
// back together are the input, the line-by-line tokenizer of the panes gives
// the same tokens as the whole text, and the RTF is one balanced group.
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "text/sjis.h"
#include "tools/html_colouring.h"
#include "tools/html_rtf.h"

namespace korva::fuzz {
namespace {

struct Token {
  std::string_view text;
  HtmlToken kind;
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
    tokens.push_back({token, whole.TokenId()});
    rebuilt.append(token);
  }
  if (rebuilt != html) return "the tokens do not rebuild the input";

  // The panes: each line from where the one before left the tokenizer.
  std::vector<Token> byLine;
  HtmlRange range = HtmlRange::Text;
  std::size_t lineEnd = 0;
  bool badSpan = false;
  sjis::ForEachLine(html, [&](std::size_t begin, std::size_t end) {
    // The break before this line is one token of the whole text.
    if (begin > lineEnd)
      byLine.push_back({std::string_view(html).substr(lineEnd, begin - lineEnd), HtmlToken::Space});
    const std::string_view line = std::string_view(html).substr(begin, end - begin);
    TqlxHTMLRTF tokenizer;
    for (tokenizer.StartLine(line, range); !tokenizer.AtEnd(); tokenizer.Next()) {
      byLine.push_back({tokenizer.GetToken(), tokenizer.TokenId()});
    }
    HtmlRange coloured = range;
    for (const ColourSpan& span : ColourHtmlLine(line, coloured)) {
      if (span.length == 0 || span.offset + span.length > line.size()) badSpan = true;
    }
    range = tokenizer.Range();
    lineEnd = end;
  });
  if (badSpan) return "a colour span reaches outside its line";
  if (lineEnd < html.size()) {
    byLine.push_back({std::string_view(html).substr(lineEnd), HtmlToken::Space});
  }
  // Line breaks: the whole text may join a break with blanks next to it.
  std::string wholeText, lineText;
  for (const Token& t : tokens) {
    if (t.kind != HtmlToken::Space) wholeText.append(t.text).push_back(static_cast<char>(t.kind));
  }
  for (const Token& t : byLine) {
    if (t.kind != HtmlToken::Space) lineText.append(t.text).push_back(static_cast<char>(t.kind));
  }
  if (wholeText != lineText) return "the line-by-line tokens differ from the whole text's";

  if (!BalancedGroups(HtmlToRtf(html))) return "the RTF groups do not balance";
  return {};
}

}  // namespace korva::fuzz
