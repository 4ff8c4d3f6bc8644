#include "publishing/nav_file.h"

#include <filesystem>
#include <system_error>

#include "html/document_html.h"
#include "html/placeholders.h"
#include "publishing/folder_checks.h"
#include "publishing/nav_list.h"
#include "session/captions.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

std::string NavLinksToDocument(const std::string& text, const std::string& documentFileName) {
  const std::string moved = sjis::ReplaceAll(text, "href=\"#", "href=\"" + documentFileName + "#");
  return sjis::ReplaceAll(moved, "href=\"" + documentFileName + "#lf-", "href=\"#lf-");
}

int SaveNavHTML(const Settings& settings, Document& doc, Ui& ui, int kind) {
  if (kind != 9) return -1;
  const std::string& folder = settings.BtnEditHTMLSaveFolder;
  if (folder.empty()) return -1;
  const std::string base = ChangeFileExt(settings.ComboBoxHTMLFile, "");
  const std::string file = base + "-nav.html";
  doc.SavedHTMLPath = folder + file;
  if (doc.NavOnePaneHTMLText.empty()) return -1;
  // The list links to the ids of the single document, and its head links
  // the style sheet: both need resolving before the file can stand alone.
  const std::string text = NavLinksToDocument(ChangeAttmark(doc.NavOnePaneHTMLText, settings, doc),
                                              EncodeLinkTarget(SingleDocumentFileName(settings)));
  if (HTMLSave(settings, doc, ui, doc.SavedHTMLPath, text) != 0) return -1;
  StatusbarSaveHTML(ui, file);
  return 0;
}

int MenuTextMakeNAVOnePaneClick(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  const LineTable& grid = doc.MinutesTextStringGrid;
  const bool noMinutes = grid.RowCount() <= 1 && grid.Row(1).LineKind.empty();
  // Like every other command that cannot run for want of something: a beep.
  if (noMinutes || doc.SpeakerNavEntryList.empty()) {
    ui.Beep();
    return -1;
  }
  if (CheckSaveHTMLFolderAndFile(settings, ui) != 0) {
    ui.Beep();
    ui.ShowPage("PageControlGlobalTab01Main");
    ui.ShowPage("PGLeftTab02Project");
    return -1;
  }
  ui.ShowPage("PGRightTab11NavOnePane");
  doc.DocumentHTMLList.clear();
  AddHead(doc, doc.DocumentHTMLList, doc.LocalHeadIncludeList, kHeadStandard);
  doc.SavedHTMLPath.clear();

  doc.NavHTMLList.clear();
  MakeNavHTML(settings, doc);
  doc.DocumentHTMLList.insert(doc.DocumentHTMLList.end(), doc.NavHTMLList.begin(),
                              doc.NavHTMLList.end());
  AddFoot(doc.DocumentHTMLList, kHeadStandard);
  doc.NavOnePaneHTMLText = sjis::JoinLines(doc.DocumentHTMLList, true);
  ui.ShowPage("PGLeftTab08HTMLBody");

  if (SaveNavHTML(settings, doc, ui, kHeadStandard) != 0) return -1;
  std::error_code ec;
  if (settings.CheckBoxOpenIEatSaved &&
      std::filesystem::is_regular_file(ToFsPath(doc.SavedHTMLPath), ec)) {
    ui.OpenInBrowser(doc.SavedHTMLPath);
  }
  return 0;
}

}  // namespace korva
