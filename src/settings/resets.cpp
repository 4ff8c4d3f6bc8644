#include "settings/resets.h"

#include "analysis/class_presets.h"
#include "analysis/minutes_grid.h"
#include "intake/file_reset.h"
#include "session/captions.h"
#include "settings/path_rules.h"

namespace korva {

void CheckBoxInitialize(Settings& s, int /*mode*/) {
  s.CheckBoxImmediateGo = true;
  s.CheckBoxSaveAtBuild = true;
  s.CheckBoxOpenIEatSaved = true;
  s.CheckBoxBindCSS = false;
  s.CheckBoxDontHighlight = false;
  s.CheckBoxOpenIEDontClose = false;
  s.CheckBoxAlternateBGColor = true;
  s.CheckBoxBGColorSpeakerBy = false;
  s.CheckBoxLeftLinkDuplicate = true;
}

void RadioGroupInitialize(Settings& s) {
  s.RadioGroupCategory = 0;
  s.RadioGroupSaveCharSet = 0;
}

void GlobalVarClear(Settings& s, Document& doc) {
  doc.LongTitle = "Velkorin( KORVA )";
  doc.ShortTitle = "KORVA";
  s.SavedProjectFileName.clear();
  doc.ProjectFileName.clear();
  doc.MinutesFileName.clear();
}

void CaptionAllClear(Settings& s) {
  for (std::string* edit :
       {&s.BtnEditRootFolder, &s.BtnEditHTMLSaveFolder, &s.BtnEdit3FileFolder, &s.ComboBoxHTMLFile,
        &s.BtnEditLocalCSSFile, &s.BtnEditLocalHeadInclude, &s.BtnEditLocalTopFrameInclude,
        &s.BtnEditLocalSidelinkInclude, &s.BtnEditLocalTopFrameCaption, &s.BtnEditLocalReturn2Home,
        &s.BtnEditLocalReturn2Top, &s.BtnEditLocalReturn2list, &s.BtnEditWebHeadInclude,
        &s.BtnEditWebTopframeInclude, &s.BtnEditWebCSSFile, &s.BtnEditWebDomain,
        &s.BtnEditWebReturn2Home, &s.BtnEditWebReturn2Top, &s.BtnEditWebReturn2List}) {
    edit->clear();
  }
}

void ClearTopFrameText(Settings& s) {
  s.BtnEditLocalTopFrameInclude.clear();
  s.BtnEditLocalTopFrameCaption.clear();
  s.BtnEditLocalReturn2Home.clear();
  s.BtnEditLocalReturn2Top.clear();
  s.BtnEditLocalReturn2list.clear();
}

void ProjectClear(Settings& s, Document& doc, Ui& ui, int mode) {
  if (mode != -1) return;
  ui.ShowPage("PGLeftTab02Project");
  LocalSettingsAllClear(s, doc, ui);
  WebSettingsAllClear(s, doc, ui);
}

void ReInitialize(Settings& s, Document& doc, Ui& ui) {
  doc.UIReady = false;
  FileReset(doc, ui, 0);
  ClearAllHTMLLocalFolder(s, doc, ui);
  RosterSettingsReinitialize(s);
  ProjectClear(s, doc, ui, 0);
  ClearTopFrameText(s);
  LocalSettingsAllClear(s, doc, ui);
  WebSettingsAllClear(s, doc, ui);
  // The preset runs MarkClassReinitialize after setting the class names.
  AssemblySpeakerClassReinitialize(s);
  AppTitleCaption(doc, ui, "", -1);
  doc.UIReady = true;
}

void ReleaseInitialize(Settings& s, Document& doc, Ui& ui) {
  doc.UIReady = false;
  GlobalVarClear(s, doc);
  RadioGroupInitialize(s);
  CheckBoxInitialize(s, 0);
  ClearAllHTMLLocalFolder(s, doc, ui);
  AssemblySpeakerClassReinitialize(s);
  RosterSettingsReinitialize(s);
  doc.MinutesTextStringGrid.Clear();
  for (StringList* list :
       {&doc.LocalHeadIncludeList, &doc.LocalTopFrameIncludeList, &doc.LocalSidelinkIncludeList,
        &doc.WebHeadIncludeList, &doc.WebTopFrameIncludeList, &doc.WebSidelinkIncludeList}) {
    list->clear();
  }
  CaptionAllClear(s);
  ProjectClear(s, doc, ui, 0);
  doc.UIReady = true;
}

int MenuSettingsReInitializeClick(Settings& s, Document& doc, Ui& ui, const FileWriter& writer) {
  s.MenuSettingsReInitialize = true;
  ReleaseInitialize(s, doc, ui);
  doc.ProjectFileName.clear();
  for (int panel = 0; panel <= 2; ++panel) ui.SetStatusPanel(panel, "");
  int result = 0;
  if (!doc.IniFileName.empty()) result = SaveIniSettings(doc.IniFileName, s, doc, ui, writer);
  ui.ShowPage("PGLeftTab02Project");
  ui.ShowPage("PGRightTab03SpeakerSettings");
  return result;
}

}  // namespace korva
