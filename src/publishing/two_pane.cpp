#include "publishing/two_pane.h"

#include <algorithm>

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

void ReplaceFirstInPlace(std::string& s, std::string_view from, std::string_view to) {
  const std::size_t at = sjis::Find(s, from);
  if (at != sjis::npos) s.replace(at, from.size(), to);
}

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

void AppendTwoPaneBodyLine(std::string& out, std::string_view line, int mode,
                           std::string_view idPrefix) {
  // Both patterns hold a byte that is never a trail byte ("=" of id=", the
  // "%" that opens the marker): find those, then check the pattern around
  // them and that it starts a character.
  const std::string_view marker = tags::kLayoutMarker;
  const std::string_view layout = LayoutClassPrefix(mode);
  std::size_t copied = 0;
  std::size_t nextEq = line.find('=');
  std::size_t nextPct = line.find('%');
  while (nextEq != std::string_view::npos || nextPct != std::string_view::npos) {
    if (nextEq < nextPct) {
      const std::size_t pos = nextEq;
      if (pos >= 2 && MatchesIgnoringCase(line, pos - 2, "id=\"") &&
          IsCharBoundary(line, pos - 2)) {
        out.append(line, copied, pos - 2 - copied).append("id=\"").append(idPrefix);
        copied = pos + 2;
      }
      nextEq = line.find('=', pos + 1);
    } else {
      const std::size_t pos = nextPct;
      if (MatchesIgnoringCase(line, pos, marker) && IsCharBoundary(line, pos)) {
        out.append(line, copied, pos - copied).append(layout);
        copied = pos + marker.size();
        nextPct = line.find('%', copied);
        if (nextEq < copied) nextEq = line.find('=', copied);
      } else {
        nextPct = line.find('%', pos + 1);
      }
    }
  }
  out.append(line, copied, std::string_view::npos);
}

void AddTwoPaneNavLines(LineSink& out, const std::string& line, bool duplicate) {
  if (!duplicate) {
    out.Add(line);
    return;
  }
  std::string first = line;
  ReplaceFirstInPlace(first, "rb-", "lt-");
  out.Add(first);
  if (sjis::Contains(first, "lf-top") || sjis::Contains(first, "lf-bottom")) return;
  std::string& second = first;
  ReplaceFirstInPlace(second, "▼"_sj, "　　"_sj);
  ReplaceFirstInPlace(second, "▽"_sj, "　　"_sj);
  constexpr std::string_view kNumberEnd = ".&nbsp;";
  const std::size_t at = sjis::Find(second, kNumberEnd);
  if (at != sjis::npos) second.replace(0, at + kNumberEnd.size(), "　　　　　　"_sj);
  ReplaceFirstInPlace(second, "lt-", "rb-");
  out.Add(second);
}

int Make2PaneList(const Settings& settings, Document& doc, LineSink& out,
                  const StringList& headList, int mode, const std::string& firstPrefix,
                  const std::string& secondPrefix, const PaneFrame& first, const PaneFrame& second,
                  const StringList& topFrameList) {
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
  for (const auto& [frame, prefix] : {std::pair{&first, &firstPrefix}, {&second, &secondPrefix}}) {
    out.Add(frame->open);
    for (const std::string& line : doc.BodyHTMLList) {
      AppendTwoPaneBodyLine(out.StartLine(), line, mode, *prefix);
    }
    out.Add(frame->close);
  }

  part.clear();
  AppendLines(part, {"</div><!-- contents -->", "</div><!-- container -->",
                     "<div id=\"leftnormallink\">", "<div class=\"lf-main\">"});
  out.AddAll(part);
  for (const std::string& line : doc.TwoPaneListHTMLList) {
    AddTwoPaneNavLines(out, line, settings.CheckBoxLeftLinkDuplicate);
  }
  part.clear();
  AppendLines(part, {"</div><!-- // lf-main -->", "</div><!-- // leftnormallink -->",
                     "</div><!-- wrapper -->"});
  AppendPageEnd(settings, doc, part);
  out.AddAll(part);
  return 0;
}

int SaveTwoPaneFiles(const Settings& settings, Document& doc, const TwoPaneSet& set) {
  const auto file = [&](int mode, const PaneFrame& first, const PaneFrame& second) {
    return [&, mode](LineSink& out) {
      Make2PaneList(settings, doc, out, set.headList, mode, "lt-", "rb-", first, second,
                    set.topFrameList);
    };
  };
  const int vertical = set.save(set.verticalPath, file(kPaneVertical, TopPane(), BottomPane()));
  const int horizontal =
      set.save(set.horizontalPath, file(kPaneHorizontal, LeftPane(), RightPane()));
  return vertical == 0 && horizontal == 0 ? 0 : -1;
}

}  // namespace korva
