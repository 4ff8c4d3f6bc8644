#include "intake/file_reset.h"

#include "analysis/minutes_grid.h"
#include "html/placeholders.h"
#include "session/captions.h"

namespace korva {

void FileReset(Document& doc, Ui& ui, int mode) {
  StatusbarClearSaveMessage(doc, ui);
  doc.StringListAllClear();
  // Labels and list boxes.
  for (auto& label : doc.IncludeFileLabels) label.clear();
  doc.LabelRightTab04CSSFilename.clear();
  doc.ListBoxGidaiHatsugen.clear();
  doc.ListBoxMunicipalRoster.clear();
  StringGridClear(doc);
  GlobalHTMLVarClear(doc, ui);
  doc.EditorCSSText.clear();
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

}  // namespace korva
