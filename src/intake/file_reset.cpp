#include "intake/file_reset.h"

#include "analysis/minutes_grid.h"
#include "html/placeholders.h"
#include "session/captions.h"

namespace korva {

void FileReset(Document& doc, Ui& ui, int mode) {
  StatusbarClearSaveMessage(doc, ui);
  doc.StringListAllClear();
  doc.MinutesReleased = false;
  // Labels and list boxes.
  for (auto& label : doc.IncludeFileLabels) label.clear();
  doc.LabelRightTab04CSSFilename.clear();
  doc.ListBoxGidaiHatsugen.clear();
  doc.ListBoxMunicipalRoster.clear();
  StringGridClear(doc);
  GlobalHTMLVarClear(doc, ui);
  // The panes that show what was generated go with what they were made from.
  doc.EditorCSSText.clear();
  doc.GeneratedHTMLText.clear();
  doc.NavOnePaneHTMLText.clear();
  doc.ConvertedPaneText.clear();
  // The include memos and their lists.
  for (StringList* list :
       {&doc.LocalHeadIncludeList, &doc.LocalTopFrameIncludeList, &doc.LocalSidelinkIncludeList,
        &doc.WebHeadIncludeList, &doc.WebTopFrameIncludeList, &doc.WebSidelinkIncludeList}) {
    list->clear();
  }
  ui.SetLabelVisible("LabelWarningSettingFolder", false);
  ui.SetLabelVisible("LabelWarningSettingWebFolder", false);
  if (mode == 0) {
    doc.EditorMainText.clear();
    doc.EditorMinutesText.clear();
    doc.TextModified = false;
    doc.LoadedLineCount = 0;
    doc.CurrentLineCount = 0;
  }
}

void Filenew(Document& doc, Ui& ui) {
  FileReset(doc, ui, 0);
  doc.MinutesTextList.clear();
  doc.CRLFPanelMode = 0;
  AppTitleCaption(doc, ui, "", 1);
  ui.ShowPage("PGLeftTab02Project");
}

bool REChange(Document& doc, Ui& ui, int mainPaneLineCount) {
  // The cleared line table and a one-line text both hold a single row.
  if (doc.MinutesTextStringGrid.RowCount() < 2) return false;
  doc.CurrentLineCount = mainPaneLineCount;
  ui.SetStatusPanel(0, "");
  doc.TextModified = true;
  if (doc.CurrentLineCount == doc.LoadedLineCount) return false;
  SetFormCaption(doc, ui, doc.MinutesFileName, 2);
  FileReset(doc, ui, 1);
  return true;
}

}  // namespace korva
