// The user's settings: the values of the named controls, with their designer
// defaults. Members carry the control names so that the INI store, the
// desktop widgets (objectName) and `--set NAME=VALUE` all meet on one name.
// Text values are CP932.
#pragma once

#include <string>

namespace korva {

struct Settings {
  Settings();

  // Basic settings: folders and files of the local set.
  std::string BtnEditRootFolder;
  std::string BtnEditHTMLSaveFolder;
  std::string BtnEdit3FileFolder;
  std::string ComboBoxHTMLFile;
  std::string BtnEditLocalCSSFile;  // relative to the three-file folder, "/" separated
  std::string BtnEditLocalHeadInclude;
  std::string BtnEditLocalTopFrameInclude;
  std::string BtnEditLocalSidelinkInclude;
  std::string BtnEditLocalTopFrameCaption;
  std::string BtnEditLocalReturn2Home;  // relative to the three-file folder
  std::string BtnEditLocalReturn2Top;
  std::string BtnEditLocalReturn2list;
  std::string BtnEditHEADTitle;

  // Absolute paths resolved from the relative settings above (shown in labels).
  std::string LabelLocalCSSbsoluteRelativePath;
  std::string LabelLocalReturn2HomePath;
  std::string LabelLocalReturn2TopPath;
  std::string LabelLocalReturn2listPath;

  // Web set.
  std::string BtnEditWebHTMLFolder;
  std::string ComboBoxWebHTMLFile;
  std::string BtnEditWebHeadInclude;
  std::string BtnEditWebTopframeInclude;
  std::string BtnEditWebSidelinkInclude;
  std::string BtnEditWebCSSFile;
  std::string BtnEditWebDomain;
  std::string BtnEditWebReturn2Home;
  std::string BtnEditWebReturn2Top;
  std::string BtnEditWebReturn2List;

  // Structural class names and ids of the generated HTML.
  std::string ComboBoxID_Header;
  std::string ComboBoxP_Class_First;
  std::string ComboBoxP_Class_Cont;
  std::string ComboBoxH3_ID;
  std::string ComboBoxP_annotate;
  std::string ComboBoxUL_ID;
  std::string ComboBoxLI_ID;
  std::string ComboBoxBQ_ID;
  std::string ComboBoxPQ_ID;
  std::string ComboBoxDOC_ID;

  // Speaker class slots: class name and mark per slot.
  std::string ComboBoxClassWSC, ComboBoxClassWSQ, ComboBoClassBRL, ComboBoxClassWDC;
  std::string ComboBoxClassWRL, ComboBoxClassBTU, ComboBoxCalssWTU, ComboBoxClassWSS;
  std::string ComboBoxClassBFS, ComboBoxClassBFC, ComboBoxClassBTD, ComboBoxClassWTD;
  std::string ComboBoxMarkWSC, ComboBoxMarkWSQ, ComboBoxMarkBRL, ComboBoxMarkWDC;
  std::string ComboBoxMarkWRL, ComboBoxMarkBTU, ComboBoxMarkWTU, ComboBoxMarkWSS;
  std::string ComboBoxMarkBFS, ComboBoxMarkBFC, ComboBoxMarkBTD, ComboBoxMarkWTD;

  // Navigation list head lines.
  std::string ComboBoxSubjectTitle;
  std::string ComboBoxLeftGoTop;
  std::string ComboBoxLeftGoBottom;

  // Roster layout, annotation and quotation indents, document colours.
  int SpinEditYakushokuPos = 4;
  int SpinEditShimeiPos = 32;
  int SpinEditYakushokuPos2 = 56;
  int SpinEditShimeiPos2 = 68;
  int SpinEditAnnotateLeadingZSP = 24;
  int SpinEditQuotationLeadingZSP = 0;
  int SpinEditDocumentColorCount = 0;

  // Forced-line-break tool (not saved).
  int SpinEditLowerLimit = 16;
  int SpinEditLineLimit = 60;

  // Titles the clerk adds per meeting category 0..6 ("副区長 2, 区長 1": a
  // title and its speaker category code), looked up before the title table
  // of the category. Empty in files written before they existed.
  std::string EditExtraTitlesAssembly, EditExtraTitlesDiet, EditExtraTitlesCooperative;
  std::string EditExtraTitlesMeeting, EditExtraTitlesDiscuss, EditExtraTitlesHearing;
  std::string EditExtraTitlesTrial;

  // Meeting category 0..7 and the save character set (0 Shift_JIS, 1 UTF-8).
  int RadioGroupCategory = 0;
  int RadioGroupSaveCharSet = 0;

  // Options.
  bool CheckBoxImmediateGo = true;
  bool CheckBoxSaveAtBuild = true;
  bool CheckBoxOpenIEatSaved = true;
  bool CheckBoxBindCSS = false;
  bool CheckBoxDontHighlight = false;
  bool CheckBoxOpenIEDontClose = false;
  bool CheckBoxAlternateBGColor = true;
  bool CheckBoxBGColorSpeakerBy = false;
  bool CheckBoxLeftLinkDuplicate = true;
  bool CheckBoxLocalSaveThisname = false;
  bool CheckBoxWebSaveThisname = false;
  bool CheckBoxChageHSP = false;
  bool CheckBoxRemoveHSP = false;
  bool CheckBoxCRLF2Br = false;

  // Menu items whose checks are saved.
  bool MenuViewMaximized = false;
  bool MenuViewStayOnTop = false;
  bool MenuSettingsReInitialize = false;

  // Values of the document state that the settings file carries.
  std::string SavedProjectFileName;  // [File] Project
  std::string SavedDefaultFolder;    // [File] DefaultFolder
  std::string SavedMinutesFileName;  // [File] Global
  int FormPositionTop = 100;
  int FormPositionLeft = 100;
  int FormPositionWidth = 500;
  int FormPositionHeight = 300;
  int PaneWidth = 230;
};

// The extra titles of meeting category `category`; empty for "一般文書" (7)
// and anything out of range.
const std::string& ExtraTitlesText(const Settings& settings, int category);

}  // namespace korva
