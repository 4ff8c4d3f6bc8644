#include "html/placeholders.h"

#include <cstring>

#include "html/tags.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {
const std::string& OrDefault(const std::string& value, const std::string& fallback) {
  return value.empty() ? fallback : value;
}

// True when byte `p` starts a character. The byte before a run of possible
// lead bytes ends a character, and the run itself pairs up lead and trail.
bool AtCharBoundary(std::string_view s, std::size_t p) {
  std::size_t run = 0;
  while (run < p && sjis::IsLeadByte(static_cast<unsigned char>(s[p - run - 1]))) ++run;
  return run % 2 == 0;
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Replaces every `word` (ASCII, not starting with a letter; letter case
// ignored) that starts on a character boundary by `value`, in place.
// Candidates come from memchr, so a whole document is one quick pass.
void ReplaceAsciiWord(std::string& s, std::string_view word, std::string_view value) {
  std::string out;
  std::size_t copied = 0, from = 0;
  while (from + word.size() <= s.size()) {
    const void* hit = std::memchr(s.data() + from, word[0], s.size() - from - word.size() + 1);
    if (!hit) break;
    const std::size_t p = static_cast<const char*>(hit) - s.data();
    bool match = true;
    for (std::size_t i = 1; i < word.size() && match; ++i) {
      match = FoldAscii(s[p + i]) == FoldAscii(word[i]);
    }
    if (!match || !AtCharBoundary(s, p)) {
      from = p + 1;
      continue;
    }
    if (out.empty()) out.reserve(s.size());
    out.append(s, copied, p - copied).append(value);
    copied = from = p + word.size();
  }
  if (copied == 0) return;
  out.append(s, copied);
  s = std::move(out);
}
}  // namespace

std::string ChangeAttmark(std::string_view text, const Settings& s, const Document& doc) {
  const std::string home(tags::kDefaultHomeHref), top(tags::kDefaultTopHref),
      list(tags::kDefaultListHref), css(tags::kDefaultCSSHref);
  // Order matters: a value that itself holds a later placeholder gets it
  // replaced by that later row ("@domain@" inside a link value stays, since
  // its row comes first).
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"@title@", OrDefault(s.BtnEditHEADTitle, doc.DocumentTitle)},
      {"@t-caption@", OrDefault(s.BtnEditLocalTopFrameCaption, doc.DocumentTitle)},
      {"@domain@", s.BtnEditWebDomain},
      {"@filename@", doc.DocumentTitle},
      {"@topcaption@", s.BtnEditLocalTopFrameCaption},
      {"@home@", OrDefault(s.BtnEditLocalReturn2Home, home)},
      {"@top@", OrDefault(s.BtnEditLocalReturn2Top, top)},
      {"@list@", OrDefault(s.BtnEditLocalReturn2list, list)},
      {"@css@", OrDefault(s.BtnEditLocalCSSFile, css)},
      {"@n-html@", doc.NormalFileName},
      {"@h-html@", doc.HorizontalFileName},
      {"@v-html@", doc.VerticalFileName},
  };
  std::string out(text);
  for (const auto& [word, value] : rows) ReplaceAsciiWord(out, word, value);
  return CleanAlternateChars(out);
}

std::string CleanupAlternatechar(std::string_view text) {
  return sjis::ReplaceAll(text, "＼"_sj, "");
}

std::string CleanAlternateChars(std::string_view text) {
  // "￣" is 0x81 0x50 and "＼" is 0x81 0x5F; other characters are copied in runs.
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0, from = 0;
  while (from + 1 < text.size()) {
    const void* hit = std::memchr(text.data() + from, '\x81', text.size() - from - 1);
    if (!hit) break;
    const std::size_t p = static_cast<const char*>(hit) - text.data();
    const char trail = text[p + 1];
    if ((trail != '\x50' && trail != '\x5F') || !AtCharBoundary(text, p)) {
      from = p + 1;
      continue;
    }
    out.append(text.substr(copied, p - copied));
    if (trail == '\x50') out += "\x81\x40";  // "　"
    copied = from = p + 2;
  }
  out.append(text.substr(copied));
  return out;
}

std::string DeleteLayoutMarker(std::string_view text) {
  std::string out(text);
  ReplaceAsciiWord(out, tags::kLayoutMarker, "");
  return out;
}

void GlobalHTMLVarClear(Document& doc, Ui& ui) {
  for (std::string* value :
       {&doc.MinutesFileName, &doc.DocumentTitle, &doc.SavedDocumentPath, &doc.SavedHTMLPath,
        &doc.ThreeFileNormalPath, &doc.ThreeFileVerticalPath, &doc.ThreeFileHorizontalPath,
        &doc.WebNormalPath, &doc.WebVerticalPath, &doc.WebHorizontalPath, &doc.NormalFileName,
        &doc.VerticalFileName, &doc.HorizontalFileName}) {
    value->clear();
  }
  doc.MarkCounts = BlockMarkCounts{};
  ui.SetLabelVisible("LabelMarkNotMatch", false);
}

void HTMLStringListClear(Document& doc) {
  for (StringList* list : {&doc.BodyHTMLList, &doc.DocumentHTMLList, &doc.NavHTMLList,
                           &doc.TwoPaneListHTMLList, &doc.NavWorkList, &doc.OutputFileList,
                           &doc.TwoPaneFrameList1, &doc.TwoPaneFrameList2, &doc.BrowseTempList1}) {
    list->clear();
  }
  doc.SpeakerSentenceSet.Clear();
}

}  // namespace korva
