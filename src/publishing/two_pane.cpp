#include "publishing/two_pane.h"

#include <algorithm>
#include <cctype>
#include <cstring>

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
    const unsigned char a = static_cast<unsigned char>(s[pos + i]);
    const unsigned char b = static_cast<unsigned char>(word[i]);
    if (std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
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

std::string TwoPaneBodyLine(const std::string& line, int mode, const std::string& idPrefix) {
  // Both patterns hold a byte that is never a trail byte ("=" of id=", the
  // "%" that opens the marker): find those, then check the pattern around
  // them and that it starts a character.
  const std::string_view marker = tags::kLayoutMarker;
  const std::string_view layout = LayoutClassPrefix(mode);
  std::string out;
  std::size_t copied = 0;
  const char* data = line.data();
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    // Jump to the next "=" or "%".
    const void* eq = std::memchr(data + pos, '=', line.size() - pos);
    const void* pct = std::memchr(data + pos, '%', line.size() - pos);
    if (eq == nullptr && pct == nullptr) break;
    const char* next = eq == nullptr ? static_cast<const char*>(pct)
                       : pct == nullptr
                           ? static_cast<const char*>(eq)
                           : std::min(static_cast<const char*>(eq), static_cast<const char*>(pct));
    pos = next - data;
    if (*next == '=' && pos >= 2 && MatchesIgnoringCase(line, pos - 2, "id=\"") &&
        IsCharBoundary(line, pos - 2)) {
      out.append(line, copied, pos - 2 - copied).append("id=\"").append(idPrefix);
      copied = pos + 2;
      pos += 1;
    } else if (*next == '%' && MatchesIgnoringCase(line, pos, marker) &&
               IsCharBoundary(line, pos)) {
      out.append(line, copied, pos - copied).append(layout);
      copied = pos + marker.size();
      pos = copied - 1;
    }
  }
  if (copied == 0) return line;
  out.append(line, copied, std::string::npos);
  return out;
}

StringList TwoPaneNavLines(const std::string& line, bool duplicate) {
  if (!duplicate) return {line};
  const std::string first = sjis::ReplaceFirst(line, "rb-", "lt-");
  if (sjis::Contains(first, "lf-top") || sjis::Contains(first, "lf-bottom")) return {first};
  std::string second = sjis::ReplaceFirst(first, "▼"_sj, "　　"_sj);
  second = sjis::ReplaceFirst(second, "▽"_sj, "　　"_sj);
  const std::string numberEnd = ".&nbsp;";
  const std::size_t at = sjis::Find(second, numberEnd);
  if (at != sjis::npos) second = "　　　　　　"_sj + second.substr(at + numberEnd.size());
  second = sjis::ReplaceFirst(second, "lt-", "rb-");
  return {first, second};
}

int Make2PaneList(const Settings& settings, Document& doc, StringList& out,
                  const StringList& headList, int mode, const std::string& firstPrefix,
                  const std::string& secondPrefix, const PaneFrame& first, const PaneFrame& second,
                  const StringList& topFrameList) {
  out.clear();
  if (!headList.empty()) {
    out = headList;
  } else {
    AddHead(doc, out, headList, mode);
  }
  AppendLines(out, {"<div id=\"wrapper\">", "<div id=\"container\">", "<div id=\"contents\">",
                    "<div id=\"toplink\">", "<div class=\"tf-main\">"});
  AddTopFrame(out, topFrameList, kHeadStandard);
  AppendLines(
      out, {"</div><!--  //<div tf-main          -->", "</div><!--  //<div id=\"toplink\"  -->"});

  for (const auto& [frame, prefix] : {std::pair{&first, &firstPrefix}, {&second, &secondPrefix}}) {
    out.push_back(frame->open);
    for (const std::string& line : doc.BodyHTMLList) {
      out.push_back(TwoPaneBodyLine(line, mode, *prefix));
    }
    out.push_back(frame->close);
  }

  AppendLines(out, {"</div><!-- contents -->", "</div><!-- container -->",
                    "<div id=\"leftnormallink\">", "<div class=\"lf-main\">"});
  for (const std::string& line : doc.TwoPaneListHTMLList) {
    for (std::string& written : TwoPaneNavLines(line, settings.CheckBoxLeftLinkDuplicate)) {
      out.push_back(std::move(written));
    }
  }
  AppendLines(out, {"</div><!-- // lf-main -->", "</div><!-- // leftnormallink -->",
                    "</div><!-- wrapper -->"});
  AppendPageEnd(settings, doc, out);
  return 0;
}

}  // namespace korva
