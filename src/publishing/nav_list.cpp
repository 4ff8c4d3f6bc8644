#include "publishing/nav_list.h"

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

std::string LinkLine(const std::string& lead, const std::string& prefix,
                     const std::string& idHeader, const std::string& row,
                     const std::string& className, const std::string& text) {
  return lead + "<a href=\"#" + prefix + idHeader + row + "\">" + "<span class=\"" + className +
         "\">" + text + "</span>" + "</a>";
}

std::string SpeakerLine(Settings& settings, const std::string& entry, int mode, int number) {
  const std::size_t slash = sjis::Find(entry, "/");
  if (slash == sjis::npos) return {};
  const std::string head = entry.substr(0, slash);
  const std::size_t percent = sjis::Find(head, "%");
  if (percent == sjis::npos) return {};
  const std::string name = head.substr(0, percent);
  const std::string code = head.substr(percent + 1);
  const std::string row = entry.substr(slash + 1);

  const SpeakerClassMark cm = SpeakerClassAndMark(settings, code);
  std::string prefix = (code == "3" || code == "4" || code == "5") ? "lt-" : "rb-";
  if (mode == 0) prefix.clear();
  std::string shown = RemoveSpeakerMarks(name, 0);
  if (cm.className == settings.ComboBoxDOC_ID) shown = "　"_sj;
  const std::string& idHeader = IdHeader(settings);
  const std::string numberColumn = "&nbsp;&nbsp;" + NbspPadNumber(number, 4) + ".&nbsp;";
  return LinkLine(numberColumn + cm.mark, prefix, idHeader, row, cm.className, shown);
}

std::string AgendaLine(Settings& settings, const std::string& entry, int mode) {
  const std::size_t slash = sjis::Find(entry, "/");
  if (slash == sjis::npos) return {};
  const std::string text = entry.substr(0, slash);
  const std::string row = entry.substr(slash + 1);
  const std::string mark = sjis::Contains(text, "▽"_sj)
                               ? "&nbsp;&nbsp;&nbsp;&nbsp;" + settings.ComboBoxMarkWTD
                               : settings.ComboBoxMarkBTD;
  const std::string& idHeader = IdHeader(settings);
  return LinkLine("&nbsp;&nbsp;" + mark, mode == 0 ? "" : "lt-", idHeader, row, "subject",
                  RemoveSpeakerMarks(text, 0));
}

const std::string& OrDefault(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

}  // namespace

std::string GetNavSubSpeakerMarkAndLink(Settings& settings, const std::string& entry, int mode,
                                        int number) {
  if (sjis::Contains(entry, "%")) return SpeakerLine(settings, entry, mode, number);
  return AgendaLine(settings, entry, mode);
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
    doc.NavHTMLList.push_back(GetNavSubSpeakerMarkAndLink(settings, entry, 0, number));
    doc.TwoPaneListHTMLList.push_back(GetNavSubSpeakerMarkAndLink(settings, entry, 1, number));
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
