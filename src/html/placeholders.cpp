#include "html/placeholders.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "html/tags.h"
#include "text/literal.h"
#include "text/path_text.h"
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
// Byte offsets of every `word` (ASCII, not starting with a letter; letter
// case ignored) that starts on a character boundary. Candidates come from
// memchr, so a whole document is one quick pass.
std::vector<std::size_t> FindAsciiWord(std::string_view s, std::string_view word) {
  std::vector<std::size_t> hits;
  std::size_t from = 0;
  while (from + word.size() <= s.size()) {
    const void* hit = std::memchr(s.data() + from, word[0], s.size() - from - word.size() + 1);
    if (!hit) break;
    const std::size_t p = static_cast<const char*>(hit) - s.data();
    bool match = true;
    for (std::size_t i = 1; i < word.size() && match; ++i) {
      match = FoldAscii(s[p + i]) == FoldAscii(word[i]);
    }
    if (match && AtCharBoundary(s, p)) {
      hits.push_back(p);
      from = p + word.size();
    } else {
      from = p + 1;
    }
  }
  return hits;
}

// Replaces those occurrences by `value` within `s` itself: moving forward
// when the text shrinks, backward from the end when it grows.
void ReplaceAsciiWord(std::string& s, std::string_view word, std::string_view value) {
  if (value.size() <= word.size()) {
    // Found and compacted in the same pass.
    std::size_t written = 0, copied = 0, from = 0;
    char* d = s.data();
    while (from + word.size() <= s.size()) {
      const void* hit = std::memchr(d + from, word[0], s.size() - from - word.size() + 1);
      if (!hit) break;
      const std::size_t p = static_cast<const char*>(hit) - d;
      bool match = true;
      for (std::size_t i = 1; i < word.size() && match; ++i) {
        match = FoldAscii(d[p + i]) == FoldAscii(word[i]);
      }
      // The end of the last match starts a character (the word is ASCII), and
      // the bytes from there on are still the text's own.
      std::size_t known = copied;
      if (!match || !sjis::StartsCharacter(s, known, p)) {
        from = p + 1;
        continue;
      }
      std::memmove(d + written, d + copied, p - copied);
      written += p - copied;
      std::memcpy(d + written, value.data(), value.size());
      written += value.size();
      copied = from = p + word.size();
    }
    if (copied == 0) return;
    std::memmove(d + written, d + copied, s.size() - copied);
    s.resize(written + s.size() - copied);
    return;
  }
  const std::vector<std::size_t> hits = FindAsciiWord(s, word);
  if (hits.empty()) return;
  const std::size_t oldSize = s.size();
  s.resize(oldSize + hits.size() * (value.size() - word.size()));
  std::size_t end = oldSize, write = s.size();
  for (std::size_t i = hits.size(); i-- > 0;) {
    const std::size_t tail = end - (hits[i] + word.size());
    write -= tail;
    std::memmove(s.data() + write, s.data() + hits[i] + word.size(), tail);
    write -= value.size();
    std::memcpy(s.data() + write, value.data(), value.size());
    end = hits[i];
  }
}
}  // namespace

void ChangeAttmarkInPlace(std::string& text, const Settings& s, const Document& doc) {
  const std::string home(tags::kDefaultHomeHref), top(tags::kDefaultTopHref),
      list(tags::kDefaultListHref), css(tags::kDefaultCSSHref);
  // The link values name files: those go into hrefs percent-encoded.
  std::string encoded[7];
  auto link = [&encoded, n = 0](std::string_view value) mutable -> std::string_view {
    if (!NeedsLinkEncoding(value)) return value;
    encoded[n] = EncodeLinkTarget(value);
    return encoded[n++];
  };
  // Order matters: a value that itself holds a later placeholder gets it
  // replaced by that later row ("@domain@" inside a link value stays, since
  // its row comes first).
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"@title@", OrDefault(s.BtnEditHEADTitle, doc.DocumentTitle)},
      {"@t-caption@", OrDefault(s.BtnEditLocalTopFrameCaption, doc.DocumentTitle)},
      {"@domain@", s.BtnEditWebDomain},
      {"@filename@", doc.DocumentTitle},
      {"@topcaption@", s.BtnEditLocalTopFrameCaption},
      {"@home@", link(OrDefault(s.BtnEditLocalReturn2Home, home))},
      {"@top@", link(OrDefault(s.BtnEditLocalReturn2Top, top))},
      {"@list@", link(OrDefault(s.BtnEditLocalReturn2list, list))},
      {"@css@", link(OrDefault(s.BtnEditLocalCSSFile, css))},
      {"@n-html@", link(doc.NormalFileName)},
      {"@h-html@", link(doc.HorizontalFileName)},
      {"@v-html@", link(doc.VerticalFileName)},
  };
  // One scan tells which words occur at all; "@" is the trail byte of every
  // "　", so a pass per word would stop at each of them twelve times.
  std::vector<bool> present(std::size(rows), false);
  for (std::size_t from = 0; from < text.size();) {
    const void* hit = std::memchr(text.data() + from, '@', text.size() - from);
    if (!hit) break;
    const std::size_t p = static_cast<const char*>(hit) - text.data();
    from = p + 1;
    // Every word goes on with a letter; most "@" here are trail bytes.
    const char next = p + 1 < text.size() ? FoldAscii(text[p + 1]) : '\0';
    if (next < 'a' || next > 'z') continue;
    for (std::size_t r = 0; r < std::size(rows); ++r) {
      const std::string_view word = rows[r].first;
      if (!present[r] && text.size() - p >= word.size() &&
          std::equal(word.begin(), word.end(), text.begin() + p,
                     [](char w, char t) { return w == FoldAscii(t); })) {
        present[r] = true;
      }
    }
  }
  bool valuesBroughtAt = false;
  for (std::size_t r = 0; r < std::size(rows); ++r) {
    const auto& [word, value] = rows[r];
    if (!present[r] && !valuesBroughtAt) continue;
    ReplaceAsciiWord(text, word, value);
    // A value holding "@" may bring a later word along: search those fully.
    if (value.find('@') != std::string_view::npos) valuesBroughtAt = true;
  }
  CleanAlternateCharsInPlace(text);
}

std::string ChangeAttmark(std::string_view text, const Settings& s, const Document& doc) {
  std::string out(text);
  ChangeAttmarkInPlace(out, s, doc);
  return out;
}

namespace {
// Steps through `text` character by character and reports every "￣"
// (0x81 0x50) and "＼" (0x81 0x5F) with its offset; stepping forward keeps
// each check constant-time however long the runs of double-byte text are.
template <class OnMark>
void ForEachAlternateChar(std::string_view text, OnMark onMark) {
  // Both are 0x81 followed by 0x50 or 0x5F: the far rarer second bytes are
  // searched for, and the 0x81 before one must start a character.
  std::size_t known = 0;  // a character start at or before the next candidate
  std::size_t next50 = text.find('\x50', 1), next5F = text.find('\x5F', 1);
  while (next50 != std::string_view::npos || next5F != std::string_view::npos) {
    const std::size_t q = std::min(next50, next5F);
    (q == next50 ? next50 : next5F) = text.find(text[q], q + 1);
    const std::size_t p = q - 1;
    if (p < known || text[p] != '\x81' || !sjis::StartsCharacter(text, known, p)) continue;
    onMark(p, text[q]);
    known = q + 1;
  }
}
}  // namespace

void CleanAlternateCharsInPlace(std::string& text) {
  // The text never grows, so it is compacted where it stands.
  std::size_t copied = 0, written = 0;
  char* d = text.data();
  ForEachAlternateChar(text, [&](std::size_t p, char trail) {
    std::memmove(d + written, d + copied, p - copied);
    written += p - copied;
    if (trail == '\x50') {
      d[written++] = '\x81';
      d[written++] = '\x40';
    }
    copied = p + 2;
  });
  const std::size_t tail = text.size() - copied;
  std::memmove(d + written, d + copied, tail);
  text.resize(written + tail);
}

void AppendCleanAlternateChars(std::string& out, std::string_view text) {
  std::size_t copied = 0;
  ForEachAlternateChar(text, [&](std::size_t p, char trail) {
    out.append(text.substr(copied, p - copied));
    if (trail == '\x50') out.append("\x81\x40");
    copied = p + 2;
  });
  out.append(text.substr(copied));
}

std::string CleanupAlternatechar(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  ForEachAlternateChar(text, [&](std::size_t p, char trail) {
    if (trail != '\x5F') return;  // "￣" stays here
    out.append(text.substr(copied, p - copied));
    copied = p + 2;
  });
  out.append(text.substr(copied));
  return out;
}

std::string CleanAlternateChars(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendCleanAlternateChars(out, text);
  return out;
}

void DeleteLayoutMarkerInPlace(std::string& text) {
  ReplaceAsciiWord(text, tags::kLayoutMarker, "");
}

std::string DeleteLayoutMarker(std::string_view text) {
  std::string out(text);
  DeleteLayoutMarkerInPlace(out);
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
                           &doc.TwoPaneListHTMLList, &doc.NavWorkList, &doc.BrowseTempList1}) {
    list->clear();
  }
  doc.SpeakerSentenceSet.Clear();
}

}  // namespace korva
