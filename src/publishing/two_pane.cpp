#include "publishing/two_pane.h"

#include <algorithm>
#include <span>
#include <vector>

#include "html/document_html.h"
#include "html/tags.h"
#include "publishing/frames.h"
#include "publishing/line_substitution.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

const char* LayoutClassPrefix(int mode) {
  switch (mode) {
    case kPaneHorizontal:
      return "h2pane-";
    case kPaneVertical:
      return "v2pane-";
    default:
      return "";
  }
}

// ASCII letters compare without case; `word` is ASCII.
bool MatchesIgnoringCase(std::string_view s, std::size_t pos, std::string_view word) {
  if (pos + word.size() > s.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (sjis::AsciiLower(s[pos + i]) != sjis::AsciiLower(word[i])) return false;
  }
  return true;
}

// Replaces the first `from` of `s` at or after `begin`, a character start.
void ReplaceFirstInPlace(std::string& s, std::size_t begin, std::string_view from,
                         std::string_view to) {
  // Bytes that are not there at all are not there as characters either; a
  // byte search says so far sooner.
  if (std::string_view(s).find(from, begin) == std::string_view::npos) return;
  const std::size_t at = sjis::Find(s, from, begin);
  if (at != sjis::npos) s.replace(at, from.size(), to);
}

// Kinds of the edits of a pane's body line, kept in the low bit of each
// edit beside the byte position in the line.
constexpr std::size_t kPrefixId = 0;       // the id=" there, written in lower case, gets the prefix
constexpr std::size_t kReplaceMarker = 1;  // the layout marker there gives way to the class prefix
constexpr std::string_view kId = "id=\"";

}  // namespace

PaneFrame TopPane() {
  return {"<div id=\"minutescontents-top\">", "</div><!-- //div id=\"minutescontents-top\"  -->"};
}
PaneFrame BottomPane() {
  return {"<div id=\"minutescontents-bottom\">", "</div><!-- minutescontents-bottom -->"};
}
PaneFrame LeftPane() {
  return {"<div id=\"minutescontents-left\">", "</div><!-- //div id=\"minutescontents-left\"  -->"};
}
PaneFrame RightPane() {
  return {"<div id=\"minutescontents-right\">", "</div><!-- minutescontents-right -->"};
}

void FindPaneEdits(std::string_view line, std::vector<std::size_t>& edits) {
  // Both patterns hold a byte that is never a trail byte ("=" of id=", the
  // "%" that opens the marker): find those, then check the pattern around
  // them and that it starts a character.
  const std::string_view marker = tags::kLayoutMarker;
  std::size_t nextEq = line.find('=');
  std::size_t nextPct = line.find('%');
  // Each kind of candidate comes in rising order and keeps its own known boundary.
  std::size_t knownEq = 0, knownPct = 0;
  while (nextEq != std::string_view::npos || nextPct != std::string_view::npos) {
    if (nextEq < nextPct) {
      const std::size_t pos = nextEq;
      if (pos >= 2 && MatchesIgnoringCase(line, pos - 2, kId) &&
          sjis::StartsCharacter(line, knownEq, pos - 2)) {
        edits.push_back((pos - 2) << 1 | kPrefixId);
      }
      nextEq = line.find('=', pos + 1);
    } else {
      const std::size_t pos = nextPct;
      if (MatchesIgnoringCase(line, pos, marker) && sjis::StartsCharacter(line, knownPct, pos)) {
        edits.push_back(pos << 1 | kReplaceMarker);
        const std::size_t after = pos + marker.size();
        nextPct = line.find('%', after);
        if (nextEq < after) nextEq = line.find('=', after);
      } else {
        nextPct = line.find('%', pos + 1);
      }
    }
  }
}

void ApplyPaneEdits(std::string& out, std::string_view line, std::span<const std::size_t> edits,
                    int mode, std::string_view idPrefix) {
  const std::string_view layout = LayoutClassPrefix(mode);
  std::size_t copied = 0;
  for (const std::size_t edit : edits) {
    const std::size_t at = edit >> 1;
    out.append(line, copied, at - copied);
    if ((edit & 1) == kPrefixId) {
      out.append(kId).append(idPrefix);
      copied = at + kId.size();
    } else {
      out.append(layout);
      copied = at + tags::kLayoutMarker.size();
    }
  }
  out.append(line, copied, std::string_view::npos);
}

void AppendTwoPaneBodyLine(std::string& out, std::string_view line, int mode,
                           std::string_view idPrefix) {
  std::vector<std::size_t> edits;
  FindPaneEdits(line, edits);
  ApplyPaneEdits(out, line, edits, mode, idPrefix);
}

void AddTwoPaneNavLines(LineSink& out, const std::string& line, bool duplicate, bool plain) {
  // The edits replace whole characters by characters without "@", "￣" or
  // "＼", so the lines made from a plain line are plain.
  const auto start = [&]() -> std::string& {
    return plain ? out.StartPlainLine() : out.StartLine();
  };
  if (!duplicate) {
    start().append(line);
    return;
  }
  // Each line is edited where it is written: the list is written once per
  // file, and a copy per line would cost an allocation each time.
  std::string& first = start();
  std::size_t begin = first.size();
  first.append(line);
  ReplaceFirstInPlace(first, begin, "rb-", "lt-");
  const std::string_view firstLine = std::string_view(first).substr(begin);
  if (firstLine.find("lf-") != std::string_view::npos &&
      (sjis::Contains(firstLine, "lf-top") || sjis::Contains(firstLine, "lf-bottom"))) {
    return;
  }
  std::string& second = start();
  begin = second.size();
  second.append(line);
  ReplaceFirstInPlace(second, begin, "rb-", "lt-");
  ReplaceFirstInPlace(second, begin, "▼"_sj, "　　"_sj);
  ReplaceFirstInPlace(second, begin, "▽"_sj, "　　"_sj);
  constexpr std::string_view kNumberEnd = ".&nbsp;";
  // "." is below 0x40, never the second byte of a character: a byte search finds it.
  const std::size_t at = std::string_view(second).find(kNumberEnd, begin);
  if (at != std::string_view::npos)
    second.replace(begin, at + kNumberEnd.size() - begin, "　　　　　　"_sj);
  ReplaceFirstInPlace(second, begin, "lt-", "rb-");
}

namespace {

// What both files of a set take alike from the body and the list: where each
// body line changes (both panes change it at the same places, whatever the
// prefixes) and which list lines need no placeholder substitution. Found
// once for the two files, as is whether a body line needs it (BodyPlainLines).
struct PaneSources {
  std::vector<std::size_t> edits;
  std::vector<std::size_t> editsEnd;  // per body line: where its edits end
  std::vector<bool> navPlain;         // per line of TwoPaneListHTMLList
};

PaneSources FindPaneSources(const Document& doc) {
  const StringList& body = doc.BodyHTMLList;
  PaneSources sources;
  sources.editsEnd.resize(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    FindPaneEdits(body[i], sources.edits);
    sources.editsEnd[i] = sources.edits.size();
  }
  const StringList& nav = doc.TwoPaneListHTMLList;
  sources.navPlain.resize(nav.size());
  for (std::size_t i = 0; i < nav.size(); ++i) sources.navPlain[i] = !MayNeedSubstitution(nav[i]);
  return sources;
}

// The body once in each pane, framed.
void AddBothPanes(LineSink& out, const Document& doc, const PaneSources& sources, int mode,
                  std::pair<const PaneFrame*, const std::string*> first,
                  std::pair<const PaneFrame*, const std::string*> second) {
  const bool plainPrefixes = !MayNeedSubstitution(*first.second) &&
                             !MayNeedSubstitution(*second.second) &&
                             !MayNeedSubstitution(LayoutClassPrefix(mode));
  const StringList& body = doc.BodyHTMLList;
  const std::span<const std::size_t> edits(sources.edits);
  for (const auto& [frame, prefix] : {first, second}) {
    out.Add(frame->open);
    for (std::size_t i = 0; i < body.size(); ++i) {
      const std::size_t editsBegin = i == 0 ? 0 : sources.editsEnd[i - 1];
      const bool plain = plainPrefixes && doc.BodyPlainLines[i];
      ApplyPaneEdits(plain ? out.StartPlainLine() : out.StartLine(), body[i],
                     edits.subspan(editsBegin, sources.editsEnd[i] - editsBegin), mode, *prefix);
    }
    out.Add(frame->close);
  }
}

// Writes the lines of one two-pane file to `out` (placeholders left for the save).
void Make2PaneList(const Settings& settings, const Document& doc, const PaneSources& sources,
                   LineSink& out, const StringList& headList, int mode, const PaneFrame& first,
                   const PaneFrame& second, const StringList& topFrameList) {
  // The short parts around the panes and the list are assembled apart.
  StringList part;
  if (!headList.empty()) {
    part = headList;
  } else {
    AddHead(doc, part, headList, mode);
  }
  AppendLines(part, {"<div id=\"wrapper\">", "<div id=\"container\">", "<div id=\"contents\">",
                     "<div id=\"toplink\">", "<div class=\"tf-main\">"});
  AddTopFrame(part, topFrameList, kHeadStandard);
  AppendLines(
      part, {"</div><!--  //<div tf-main          -->", "</div><!--  //<div id=\"toplink\"  -->"});

  out.AddAll(part);
  const std::string firstPrefix = "lt-", secondPrefix = "rb-";
  AddBothPanes(out, doc, sources, mode, {&first, &firstPrefix}, {&second, &secondPrefix});

  part.clear();
  AppendLines(part, {"</div><!-- contents -->", "</div><!-- container -->",
                     "<div id=\"leftnormallink\">", "<div class=\"lf-main\">"});
  out.AddAll(part);
  // Written again for each file rather than held: the list is as long as
  // the body has speeches.
  const StringList& nav = doc.TwoPaneListHTMLList;
  for (std::size_t i = 0; i < nav.size(); ++i) {
    AddTwoPaneNavLines(out, nav[i], settings.CheckBoxLeftLinkDuplicate, sources.navPlain[i]);
  }
  part.clear();
  AppendLines(part, {"</div><!-- // lf-main -->", "</div><!-- // leftnormallink -->",
                     "</div><!-- wrapper -->"});
  AppendPageEnd(settings, doc, part);
  out.AddAll(part);
}

}  // namespace

int SaveTwoPaneFiles(const Settings& settings, Document& doc, const TwoPaneSet& set) {
  const PlainBodyLines plain(doc);
  const PaneSources sources = FindPaneSources(doc);
  const auto file = [&](int mode, const PaneFrame& first, const PaneFrame& second) {
    return [&, mode](LineSink& out) {
      Make2PaneList(settings, doc, sources, out, set.headList, mode, first, second,
                    set.topFrameList);
    };
  };
  const int vertical = set.save(set.verticalPath, file(kPaneVertical, TopPane(), BottomPane()));
  const int horizontal =
      set.save(set.horizontalPath, file(kPaneHorizontal, LeftPane(), RightPane()));
  return vertical == 0 && horizontal == 0 ? 0 : -1;
}

}  // namespace korva
