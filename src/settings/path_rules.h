// The folder, file and include-file settings: how each pick button gets its
// value from the Ui, checks it and stores it, and the group commands that
// clear or copy them. Every pick that changes a setting saves the settings
// file at once when IniFileName is set.
#pragma once

#include <string>
#include <string_view>

#include "session/document.h"
#include "session/ui.h"
#include "settings/ini_settings.h"
#include "settings/settings.h"

namespace korva {

// --- path text (CP932) -----------------------------------------------------

// `relative` (with "/" or "\") resolved against `folder`, normalised.
std::string ResolveAgainstFolder(const std::string& folder, const std::string& relative);
// `path` relative to `folder`, with "/" separators ("" when there is none).
std::string RelativeToFolder(const std::string& folder, const std::string& path);
// True when `path` is `root` itself or lies below it (whole path components).
bool IsInsideFolder(const std::string& root, const std::string& path);
// True when the file name ends in ".css" in any letter case.
bool HasCssExtension(const std::string& path);

// --- root-folder checks ----------------------------------------------------

// CheckRootFolder, then whether the folder of `path` lies inside the root folder.
bool CheckRootFolderExists(const Settings& settings, Ui& ui, const std::string& path);

// --- pick buttons (0 changed, -1 nothing changed) ---------------------------

int sbSaveRootFolderClick(Settings& s, Document& doc, Ui& ui);
int sbSaveHTMLFolderClick(Settings& s, Document& doc, Ui& ui);
int SpeedButton1Click(Settings& s, Document& doc, Ui& ui);
int BtnEditRootFolderButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditHTMLSaveFolderButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEdit3FileFolderButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalCSSFileButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalReturn2HomeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalReturn2TopButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalReturn2listButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalHeadIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalTopFrameIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditLocalSidelinkIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebHeadIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebTopframeIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebSidelinkIncludeButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebHTMLFolderButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebCSSFileButtonClick(Settings& s, Document& doc, Ui& ui);
int BtnEditWebDomainButtonClick(Settings& s, Ui& ui);
int BtnEditWebReturn2HomeButtonClick(Settings& s, Ui& ui);
int BtnEditWebReturn2TopButtonClick(Settings& s, Ui& ui);
int BtnEditWebReturn2ListButtonClick(Settings& s, Ui& ui);
int sbLocalTopFrameCaptionPasteClick(Settings& s, Ui& ui);
// The user typed a new HTML file name.
int ComboBoxHTMLFileChange(Settings& s, Document& doc, Ui& ui, const std::string& text);

// The six include files, in the order of Document::IncludeFileLabels.
enum class IncludeFile {
  LocalHead,
  LocalTopFrame,
  LocalSidelink,
  WebHead,
  WebTopFrame,
  WebSidelink
};

// The clear button beside an include file: empties the setting, its lines and
// its label, and shows its include tab.
void ClearIncludeFile(Settings& s, Document& doc, Ui& ui, IncludeFile which);

// The clear button beside a folder, file or link setting (`name` is its
// control): empties it, and the absolute path shown beside a relative one;
// an include file goes as ClearIncludeFile says. False for any other name.
bool ClearPathSetting(Settings& s, Document& doc, Ui& ui, std::string_view name);

// Saves the style sheet pane to the file it was loaded from, or to a name
// asked for when it came from none. An empty pane is not written.
int SaveCSSPane(Document& doc, Ui& ui, const FileWriter& writer = WriteFileAtomically);

// --- group commands ----------------------------------------------------------

void LocalSettingsAllClear(Settings& s, Document& doc, Ui& ui);
void WebSettingsAllClear(Settings& s, Document& doc, Ui& ui);
void WebSettingsAllPaste(Settings& s);
void ClearAllHTMLLocalFolder(Settings& s, Document& doc, Ui& ui);

// --- sample values, filled in by clicking the label beside a setting --------

enum class Sample {
  WebCSSRelative,
  WebCSSDomain,
  WebHome,
  WebTopRelative,
  WebTopDomain,
  WebList,
  WebDomain,
  LocalHome,
  LocalTop,
  LocalList,
  PageTitle,
  TopFrameCaption,
};
void ApplySample(Settings& s, Sample sample);

}  // namespace korva
