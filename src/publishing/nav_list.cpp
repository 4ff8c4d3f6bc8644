#include "publishing/nav_list.h"

#include <optional>
#include <string_view>

#include "publishing/speaker_class.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

const std::string& IdHeader(Settings& settings) {
  if (ZenkakuTrim(settings.ComboBoxID_Header).empty()) settings.ComboBoxID_Header = "pid-";
  return settings.ComboBoxID_Header;
}

// The parts of an entry's line that the single document's list (mode 0)
// and the two-pane list (mode 1) share; only the link's pane prefix differs.
struct NavLine {
  std::string lead;       // number column and mark, or the agenda mark
  std::string_view row;   // line number the link points at
  std::string className;  // of the shown text
  std::string shown;
  bool firstPane = true;  // mode 1 links into the first pane ("lt-")
};

std::optional<NavLine> SpeakerLine(Settings& settings, std::string_view entry, int number) {
  const std::size_t slash = sjis::Find(entry, "/");
  if (slash == sjis::npos) return std::nullopt;
  const std::string_view head = entry.substr(0, slash);
  const std::size_t percent = sjis::Find(head, "%");
  if (percent == sjis::npos) return std::nullopt;
  const std::string code(head.substr(percent + 1));
  SpeakerClassMark cm = SpeakerClassAndMark(settings, code);
  NavLine line;
  line.lead = "&nbsp;&nbsp;" + NbspPadNumber(number, 4) + ".&nbsp;" + cm.mark;
  line.row = entry.substr(slash + 1);
  line.shown = cm.className == settings.ComboBoxDOC_ID
                   ? "　"_sj
                   : RemoveSpeakerMarks(head.substr(0, percent), 0);
  line.className = std::move(cm.className);
  line.firstPane = code == "3" || code == "4" || code == "5";
  return line;
}

std::optional<NavLine> AgendaLine(Settings& settings, std::string_view entry) {
  const std::size_t slash = sjis::Find(entry, "/");
  if (slash == sjis::npos) return std::nullopt;
  const std::string_view text = entry.substr(0, slash);
  NavLine line;
  line.lead = "&nbsp;&nbsp;" + (sjis::Contains(text, "▽"_sj)
                                    ? "&nbsp;&nbsp;&nbsp;&nbsp;" + settings.ComboBoxMarkWTD
                                    : settings.ComboBoxMarkBTD);
  line.row = entry.substr(slash + 1);
  line.className = "subject";
  line.shown = RemoveSpeakerMarks(text, 0);
  return line;
}

std::optional<NavLine> ParseNavEntry(Settings& settings, std::string_view entry, int number) {
  return sjis::Contains(entry, "%") ? SpeakerLine(settings, entry, number)
                                    : AgendaLine(settings, entry);
}

std::string LinkLine(Settings& settings, const NavLine& line, int mode) {
  const std::string_view prefix = mode == 0 ? "" : line.firstPane ? "lt-" : "rb-";
  const std::string& idHeader = IdHeader(settings);
  std::string out;
  out.reserve(line.lead.size() + prefix.size() + idHeader.size() + line.row.size() +
              line.className.size() + line.shown.size() + 48);
  out.append(line.lead).append("<a href=\"#").append(prefix).append(idHeader).append(line.row);
  out.append("\"><span class=\"").append(line.className).append("\">").append(line.shown);
  out.append("</span></a>");
  return out;
}

const std::string& OrDefault(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

}  // namespace

std::string GetNavSubSpeakerMarkAndLink(Settings& settings, const std::string& entry, int mode,
                                        int number) {
  const std::optional<NavLine> line = ParseNavEntry(settings, entry, number);
  return line ? LinkLine(settings, *line, mode) : std::string();
}

int MakeNavList(Settings& settings, Document& doc) {
  const std::string lead = "&nbsp;&nbsp;&nbsp;";
  const std::string headLine = lead + "<a id=\"lf-top\"><span class=\"lf-top\">" +
                               OrDefault(settings.ComboBoxSubjectTitle, "議題・発言者"_sj) +
                               "</span></a>";
  const std::string jumpLine = lead + "<a href=\"#lf-bottom\"><span class=\"lf-bottom\">" +
                               OrDefault(settings.ComboBoxLeftGoBottom, "最終行へ"_sj) +
                               "</span></a>";
  const std::string endLine =
      lead + "<a id=\"lf-bottom\" href=\"#lf-top\"><span class=\"lf-bottom\">" +
      OrDefault(settings.ComboBoxLeftGoTop, "先頭へ戻る"_sj) + "</span></a>";

  StringList* lists[] = {&doc.NavHTMLList, &doc.TwoPaneListHTMLList};
  for (StringList* list : lists) {
    *list = {"<pre class=\"leftnav\">", "", "", headLine, "", jumpLine, ""};
  }

  // Only the first entry naming the chair is listed; the chair presides
  // throughout, and a vice-chair's title holds the same word.
  int number = 1;
  bool chairListed = false;
  for (const std::string& entry : doc.SpeakerNavEntryList) {
    if (sjis::Contains(entry, "議長"_sj)) {
      if (chairListed) continue;
      chairListed = true;
    }
    // Parsed once for both lists.
    const std::optional<NavLine> line = ParseNavEntry(settings, entry, number);
    doc.NavHTMLList.push_back(line ? LinkLine(settings, *line, 0) : std::string());
    doc.TwoPaneListHTMLList.push_back(line ? LinkLine(settings, *line, 1) : std::string());
    if (sjis::Contains(entry, "%")) ++number;
  }

  for (StringList* list : lists) {
    list->insert(list->end(), {"", endLine, "", "</pre>"});
  }
  return 0;
}

int MakeNavHTML(Settings& settings, Document& doc) {
  if (!doc.SpeakerNavEntryList.empty()) MakeNavList(settings, doc);
  return 0;
}

}  // namespace korva
