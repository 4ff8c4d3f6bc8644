#include "publishing/web_set.h"

#include <filesystem>
#include <system_error>

#include "html/document_html.h"
#include "html/placeholders.h"
#include "html/tags.h"
#include "publishing/folder_checks.h"
#include "publishing/frames.h"
#include "publishing/line_substitution.h"
#include "publishing/local_set.h"
#include "publishing/nav_list.h"
#include "publishing/two_pane.h"
#include "session/captions.h"
#include "session/files.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

const std::string& OrDefault(const std::string& value, const std::string& fallback) {
  return value.empty() ? fallback : value;
}

// The web set reports each file by its name alone: its folder is the web
// server's, not a place on this disk the user looks for.
void MessageWebFileSaved(const Document& doc, Ui& ui, const std::string& path) {
  MessageFileSaved(doc, ui, ExtractFileName(path));
}

}  // namespace

std::string WebChangeAttmark(std::string_view text, const Settings& s, const Document& doc) {
  const std::string css(tags::kDefaultCSSHref);
  const std::string home(tags::kDefaultHomeHref);
  const std::string top(tags::kDefaultTopHref);
  const std::string list(tags::kDefaultListHref);
  // The set's own file names go into hrefs percent-encoded; the address
  // settings are web addresses the user wrote and stay as they are.
  const std::string normal = EncodeLinkTarget(doc.NormalFileName);
  const std::string horizontal = EncodeLinkTarget(doc.HorizontalFileName);
  const std::string vertical = EncodeLinkTarget(doc.VerticalFileName);
  const std::pair<std::string_view, const std::string*> rows[] = {
      {"@title@", &OrDefault(s.BtnEditHEADTitle, doc.DocumentTitle)},
      {"@t-caption@", &OrDefault(s.BtnEditLocalTopFrameCaption, doc.DocumentTitle)},
      {"@filename@", &doc.DocumentTitle},
      {"@css@", &OrDefault(s.BtnEditWebCSSFile, css)},
      {"@home@", &OrDefault(s.BtnEditWebReturn2Home, home)},
      {"@top@", &OrDefault(s.BtnEditWebReturn2Top, top)},
      {"@list@", &OrDefault(s.BtnEditWebReturn2List, list)},
      {"@n-html@", &normal},
      {"@h-html@", &horizontal},
      {"@v-html@", &vertical},
  };
  std::string out(text);
  for (const auto& [word, value] : rows) {
    out = sjis::ReplaceAll(out, word, *value, sjis::Case::IgnoreAscii);
  }
  out = CleanAlternateChars(out);
  return sjis::ReplaceAll(out, "@domain@", s.BtnEditWebDomain, sjis::Case::IgnoreAscii);
}

void MakeWebNormalFile(const Settings& settings, const Document& doc, int kind, LineSink& out) {
  BuildNormalPage(
      settings, doc,
      {doc.WebHeadIncludeList, doc.WebTopFrameIncludeList, doc.WebSidelinkIncludeList, kHeadWeb},
      kind, out);
}

int SaveWebFrameHTML(const Settings& settings, Document& doc, Ui& ui, const std::string& path,
                     const LineProducer& produce) {
  const auto substitute = [&](std::string_view line) {
    return WebChangeAttmark(line, settings, doc);
  };
  if (HTMLSaveLines(settings, doc, ui, path, substitute, produce) != 0) return -1;
  if (!FileSet::Collecting()) MessageWebFileSaved(doc, ui, path);
  return 0;
}

int MakeWebUniteHTML(Settings& settings, Document& doc, Ui& ui) {
  doc.DocumentHTMLList.clear();
  MakeNavList(settings, doc);

  if (!FolderExists(settings.BtnEditWebHTMLFolder)) return -1;
  if (settings.ComboBoxWebHTMLFile.empty()) settings.ComboBoxWebHTMLFile = "dummy";
  const SetPaths p = MakeSetPaths(settings.BtnEditWebHTMLFolder, settings.ComboBoxWebHTMLFile);
  doc.WebNormalPath = p.normalPath;
  doc.WebVerticalPath = p.verticalPath;
  doc.WebHorizontalPath = p.horizontalPath;
  doc.NormalFileName = p.normalName;
  doc.VerticalFileName = p.verticalName;
  doc.HorizontalFileName = p.horizontalName;
  const int result = SaveWebFrameHTML(settings, doc, ui, doc.WebNormalPath, [&](LineSink& out) {
    MakeWebNormalFile(settings, doc, kHeadWeb, out);
  });
  // Only the normal file shows this list; the two-pane files have their own.
  StringList().swap(doc.NavHTMLList);
  return result;
}

int WebBuild2Pane(const Settings& settings, Document& doc, Ui& ui) {
  if (doc.WebHorizontalPath.empty()) return -1;
  ui.ShowPage("PageControlGlobalTab01Main");
  return SaveTwoPaneFiles(
      settings, doc,
      {doc.WebHeadIncludeList, doc.WebTopFrameIncludeList, doc.WebVerticalPath,
       doc.WebHorizontalPath, [&](const std::string& path, const LineProducer& lines) {
         return SaveWebFrameHTML(settings, doc, ui, path, lines);
       }});
}

int tbMakeWebHTMLClick(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (!doc.HasMinutes()) {
    ui.Beep();
    return -1;
  }
  if (!CheckWebFolderExists(settings.BtnEditWebHTMLFolder, ui)) {
    ui.Beep();
    return -1;
  }
  // Every set is made from the converted body; without one it would be empty.
  if (doc.BodyHTMLList.empty()) {
    ui.ShowPage("PGLeftTab08HTMLBody");
    ui.Beep();
    return -1;
  }
  ui.ShowPage("PageControlGlobalTab01Main");
  ui.SetWaitCursor(true);
  const PlainBodyLines plain(doc);
  const int written = SaveAsOneSet(
      doc, ui,
      [&] {
        return MakeWebUniteHTML(settings, doc, ui) == 0 && WebBuild2Pane(settings, doc, ui) == 0;
      },
      {&doc.WebNormalPath, &doc.WebVerticalPath, &doc.WebHorizontalPath}, MessageWebFileSaved);
  ui.SetWaitCursor(false);

  std::error_code ec;
  if (settings.CheckBoxOpenIEatSaved && !doc.WebNormalPath.empty() &&
      std::filesystem::is_regular_file(ToFsPath(doc.WebNormalPath), ec)) {
    ui.OpenInBrowser(doc.WebNormalPath);
  }
  ui.ShowPage("PGLeftTab05WebHEAD");
  return written;
}

}  // namespace korva
