#include "publishing/local_set.h"

#include <filesystem>
#include <system_error>

#include "html/document_html.h"
#include "html/placeholders.h"
#include "publishing/folder_checks.h"
#include "publishing/line_substitution.h"
#include "publishing/nav_list.h"
#include "publishing/two_pane.h"
#include "session/captions.h"
#include "session/files.h"
#include "settings/ini_settings.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(ToFsPath(path), ec);
}

void ShowFolderWarning(Ui& ui) {
  ui.SetLabelVisible(kFolderWarningLabel, true);
  ui.ShowPage("PGLeftTab02Project");
}

void OpenWhenAsked(const Settings& settings, Ui& ui, const std::string& path) {
  if (settings.CheckBoxOpenIEatSaved && FileExists(path)) ui.OpenInBrowser(path);
}

// Every set is made from the converted body; without one it would be empty.
bool HasBody(const Document& doc, Ui& ui) {
  if (!doc.BodyHTMLList.empty()) return true;
  ui.ShowPage("PGLeftTab08HTMLBody");
  ui.Beep();
  return false;
}

}  // namespace

SetPaths MakeSetPaths(const std::string& folder, const std::string& fileName) {
  std::string base = ChangeFileExt(fileName, "");
  if (base.empty()) base = "dummy";
  SetPaths p;
  p.normalName = base + "-n.html";
  p.verticalName = base + "-v.html";
  p.horizontalName = base + "-h.html";
  p.normalPath = folder + p.normalName;
  p.verticalPath = folder + p.verticalName;
  p.horizontalPath = folder + p.horizontalName;
  return p;
}

int SaveAsOneSet(const Document& doc, Ui& ui, const std::function<bool()>& write,
                 std::initializer_list<const std::string*> paths, SavedReport reportSaved) {
  FileSet set;
  if (!write()) {
    // Nothing of the set was replaced; no file of it may stand reported as saved.
    StatusbarClearSaveMessage(doc, ui);
    return -1;
  }
  if (auto error = set.Commit()) {
    StatusbarClearSaveMessage(doc, ui);
    ui.Warning(SaveFailedMessage(*error));
    return -1;
  }
  for (const std::string* path : paths) reportSaved(doc, ui, *path);
  return 0;
}

int SaveFrameHTML(const Settings& settings, Document& doc, Ui& ui, const std::string& path,
                  const LineProducer& produce) {
  const auto substitute = [&](std::string_view line) { return ChangeAttmark(line, settings, doc); };
  return HTMLSaveLines(settings, doc, ui, path, substitute, produce);
}

int MakeUniteHTML(Settings& settings, Document& doc, Ui& ui) {
  doc.DocumentHTMLList.clear();
  AddHead(doc, doc.DocumentHTMLList, doc.LocalHeadIncludeList, kHeadLocal);
  MakeNavList(settings, doc);

  // The files go into the three-file folder, so it must exist as well as the
  // HTML-save folder; an unset folder would otherwise mean the working directory.
  if (!FolderExists(settings.BtnEditHTMLSaveFolder) || !FolderExists(settings.BtnEdit3FileFolder)) {
    return -1;
  }
  const SetPaths p = MakeSetPaths(settings.BtnEdit3FileFolder, settings.ComboBoxHTMLFile);
  doc.ThreeFileNormalPath = p.normalPath;
  doc.ThreeFileVerticalPath = p.verticalPath;
  doc.ThreeFileHorizontalPath = p.horizontalPath;
  doc.NormalFileName = p.normalName;
  doc.VerticalFileName = p.verticalName;
  doc.HorizontalFileName = p.horizontalName;
  // The page is made as it is written: a copy of the body would double the memory.
  const int result = SaveFrameHTML(settings, doc, ui, doc.ThreeFileNormalPath, [&](LineSink& out) {
    MakeNormalFile(settings, doc, kHeadLocal, out);
  });
  // Only the normal file shows this list; the two-pane files have their own.
  StringList().swap(doc.NavHTMLList);
  return result;
}

int LocalBuild2Pane(const Settings& settings, Document& doc, Ui& ui) {
  if (doc.ThreeFileHorizontalPath.empty()) return -1;
  ui.ShowPage("PageControlGlobalTab01Main");
  return SaveTwoPaneFiles(
      settings, doc,
      {doc.LocalHeadIncludeList, doc.LocalTopFrameIncludeList, doc.ThreeFileVerticalPath,
       doc.ThreeFileHorizontalPath, [&](const std::string& path, const LineProducer& lines) {
         return SaveFrameHTML(settings, doc, ui, path, lines);
       }});
}

int tbBuildTwoPaneClick(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (!doc.HasMinutes() || !CheckRootFolder(settings, ui)) {
    ui.Beep();
    return -1;
  }
  if (CheckSaveHTMLFolderAndFile(settings, ui) != 0) {
    ui.ShowPage("PageControlGlobalTab01Main");
    ShowFolderWarning(ui);
    ui.Beep();
    return -1;
  }
  ui.ShowPage("PageControlGlobalTab01Main");
  if (settings.BtnEdit3FileFolder.empty() || settings.BtnEditLocalCSSFile.empty() ||
      !FolderExists(settings.BtnEdit3FileFolder)) {
    ShowFolderWarning(ui);
    return -1;
  }
  if (!Check3FileCSS(settings, ui)) return -1;
  if (!HasBody(doc, ui)) return -1;
  // The style sheet is bound into the files from the checked file itself.
  if (settings.CheckBoxBindCSS) {
    const ReadResult css = ReadFileBytes(ToFsPath(settings.LabelLocalCSSbsoluteRelativePath));
    if (css.error) {
      ui.Warning(settings.LabelLocalCSSbsoluteRelativePath + "\r\n" + Sj(css.error->reason));
      return -1;
    }
    doc.LocalCSSList = sjis::SplitLines(css.bytes);
  }

  ui.SetWaitCursor(true);
  const PlainBodyLines plain(doc);
  const int written = SaveAsOneSet(
      doc, ui,
      [&] {
        return MakeUniteHTML(settings, doc, ui) == 0 && LocalBuild2Pane(settings, doc, ui) == 0;
      },
      {&doc.ThreeFileNormalPath, &doc.ThreeFileVerticalPath, &doc.ThreeFileHorizontalPath},
      MessageFileSaved);
  ui.SetWaitCursor(false);

  OpenWhenAsked(settings, ui, doc.ThreeFileNormalPath);
  ui.ShowPage("PGLeftTab03LocalSetting");
  return written;
}

int MenuTextMakeNormalClick(Settings& settings, Document& doc, Ui& ui) {
  if (!HasBody(doc, ui)) return -1;
  if (MakeUniteHTML(settings, doc, ui) != 0) {
    // A failed write has been reported by the writer; a missing folder is shown here.
    if (!FolderExists(settings.BtnEditHTMLSaveFolder) ||
        !FolderExists(settings.BtnEdit3FileFolder)) {
      ShowFolderWarning(ui);
    }
    ui.Beep();
    return -1;
  }
  OpenWhenAsked(settings, ui, doc.ThreeFileNormalPath);
  return 0;
}

}  // namespace korva
