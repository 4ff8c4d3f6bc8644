#include "tools/browser_commands.h"

#include <filesystem>

#include "publishing/folder_checks.h"
#include "session/captions.h"
#include "settings/dialogs.h"
#include "text/path_text.h"

namespace korva {

namespace {

// Loaded minutes and existing output folders, else a beep (and, for the
// folders, the project page).
bool ReadyToPreview(Settings& settings, Document& doc, Ui& ui) {
  if (!doc.MinutesLoaded) {
    ui.Beep();
    return false;
  }
  if (CheckSaveHTMLFolderAndFile(settings, ui) != 0) {
    ui.ShowPage("PageControlGlobalTab01Main");
    ui.ShowPage("PGLeftTab02Project");
    ui.Beep();
    return false;
  }
  return true;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(ToFsPath(path), ec);
}

int OpenUnlessKept(const Settings& settings, HtmlOpener& opener, const std::string& path) {
  if (!settings.CheckBoxOpenIEDontClose) opener.CloseIE();
  return opener.OpenWithHTMLHandler(path) ? 0 : -1;
}

}  // namespace

std::string TrialDocumentPath(const Settings& settings) {
  return settings.BtnEditHTMLSaveFolder + ChangeFileExt(settings.ComboBoxHTMLFile, ".html");
}

int tbOpenIEClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener) {
  StatusbarClearSaveMessage(doc, ui);
  if (!ReadyToPreview(settings, doc, ui)) return -1;
  return OpenUnlessKept(settings, opener, TrialDocumentPath(settings));
}

int tbMake2OpenIEClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener) {
  StatusbarClearSaveMessage(doc, ui);
  if (!ReadyToPreview(settings, doc, ui)) return -1;
  if (!FileExists(doc.ThreeFileNormalPath)) {
    ui.Beep();
    return -1;
  }
  return OpenUnlessKept(settings, opener, doc.ThreeFileNormalPath);
}

int tbOpenChromeClick(Settings& settings, Document& doc, Ui& ui, HtmlOpener& opener) {
  StatusbarClearSaveMessage(doc, ui);
  if (!ReadyToPreview(settings, doc, ui)) return -1;
  if (!FileExists(doc.ThreeFileNormalPath)) {
    ui.Beep();
    return -1;
  }
  return opener.OpenInChrome(doc.ThreeFileNormalPath) ? 0 : -1;
}

int tbOpenFileWithChromeClick(Document& doc, Ui& ui, HtmlOpener& opener) {
  StatusbarClearSaveMessage(doc, ui);
  const FileDialog& dialog = StandardDialog(DialogKind::HtmlOpen);
  const auto chosen = ui.ChooseOpenFile(dialog.title, dialog.filter, "dummy.html");
  if (!chosen) return -1;
  return opener.OpenInChrome(*chosen) ? 0 : -1;
}

int ShowGeneratedFile(HtmlOpener& opener, const std::string& path) {
  opener.CloseIE();
  return opener.OpenWithHTMLHandler(path) ? 0 : -1;
}

}  // namespace korva
