#include "html/placeholders.h"

#include "html/tags.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;
using sjis::Case;

namespace {
const std::string& OrDefault(const std::string& value, const std::string& fallback) {
  return value.empty() ? fallback : value;
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
  for (const auto& [word, value] : rows)
    out = sjis::ReplaceAll(out, word, value, Case::IgnoreAscii);
  return CleanAlternateChars(out);
}

std::string CleanupAlternatechar(std::string_view text) {
  return sjis::ReplaceAll(text, "＼"_sj, "", Case::IgnoreAscii);
}

std::string CleanAlternateChars(std::string_view text) {
  return CleanupAlternatechar(sjis::ReplaceAll(text, "￣"_sj, "　"_sj, Case::IgnoreAscii));
}

std::string DeleteLayoutMarker(std::string_view text) {
  return sjis::ReplaceAll(text, tags::kLayoutMarker, "", Case::IgnoreAscii);
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
