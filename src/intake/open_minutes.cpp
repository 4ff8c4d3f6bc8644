#include "intake/open_minutes.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "analysis/minutes_grid.h"
#include "analysis/speaker_lists.h"
#include "intake/file_reset.h"
#include "intake/html_file_name.h"
#include "session/captions.h"
#include "session/files.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

const std::string kCrLf = "\r\n";

bool FileExists(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::is_regular_file(ToFsPath(name), ec);
}

bool FolderExists(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::is_directory(ToFsPath(name), ec);
}

// Reads a file; with a Ui, a failure is reported naming the file.
std::optional<std::string> ReadSideFile(const std::string& file, Ui* ui) {
  ReadResult read = ReadFileBytes(ToFsPath(file));
  if (read.error) {
    if (ui) ui->Warning("【 "_sj + file + " 】を読み込めません： "_sj + Sj(read.error->reason));
    return std::nullopt;
  }
  return std::move(read.bytes);
}

void AddComboItem(StringList& items, const std::string& text) {
  if (!text.empty() && std::find(items.begin(), items.end(), text) == items.end()) {
    items.push_back(text);
  }
}

bool ContainsMeetingWord(std::string_view text) {
  for (const auto* word : {&"開会"_sj, &"開議"_sj, &"閉会"_sj, &"散会"_sj, &"延会"_sj}) {
    if (sjis::Contains(text, *word)) return true;
  }
  return false;
}

void LoadIncludeFiles(const Settings& s, Document& doc) {
  const std::string* names[6] = {&s.BtnEditLocalHeadInclude,     &s.BtnEditLocalTopFrameInclude,
                                 &s.BtnEditLocalSidelinkInclude, &s.BtnEditWebHeadInclude,
                                 &s.BtnEditWebTopframeInclude,   &s.BtnEditWebSidelinkInclude};
  StringList* lists[6] = {&doc.LocalHeadIncludeList,     &doc.LocalTopFrameIncludeList,
                          &doc.LocalSidelinkIncludeList, &doc.WebHeadIncludeList,
                          &doc.WebTopFrameIncludeList,   &doc.WebSidelinkIncludeList};
  for (int i = 0; i < 6; ++i) {
    if (LoadMemoFromFile(*names[i], *lists[i], 0, doc.IncludeFileLabels[i]) != 0) {
      doc.IncludeFileLabels[i].clear();
    }
  }
}

bool LocalCSSAvailable(const Settings& s) {
  return !s.BtnEditLocalCSSFile.empty() && FileExists(s.LabelLocalCSSbsoluteRelativePath);
}

void ApplyHTMLBaseNameToWebBox(Settings& settings, const std::string& htmlBaseName) {
  if (!settings.CheckBoxWebSaveThisname || settings.ComboBoxWebHTMLFile.empty()) {
    settings.ComboBoxWebHTMLFile = htmlBaseName;
  }
}

}  // namespace

int PaneLineCount(std::string_view text) {
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      ++lines;
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      ++lines;
    }
  }
  return lines;
}

int LoadMemoFromFile(const std::string& file, StringList& memo, int mode, std::string& label) {
  if (mode == 1) {
    memo.clear();
    label.clear();
  }
  if (FileExists(file)) {
    if (auto bytes = ReadSideFile(file, nullptr)) {
      label = "【 "_sj + file + " 】"_sj;
      memo = sjis::SplitLines(*bytes);
      return 0;
    }
  }
  memo.clear();
  label.clear();
  return mode == 1 ? 0 : -1;
}

int LoadCSSFromFile(const std::string& file, std::string& editor, int mode, std::string& label) {
  if (mode == 1) {
    editor.clear();
    label.clear();
    return 0;
  }
  if (FileExists(file)) {
    if (auto bytes = ReadSideFile(file, nullptr)) {
      label = file;
      editor = std::move(*bytes);
      return 0;
    }
  }
  editor.clear();
  label.clear();
  return -1;
}

int CheckTryOutCSS(const Settings& settings, Document& doc, Ui& ui) {
  // A trial copy must never bind the text of a sheet that is no longer there.
  doc.TryOutCSSList.clear();
  const std::string& folder = settings.BtnEditHTMLSaveFolder;
  if (folder.empty()) return -1;
  const std::string file = IncludeTrailingSeparator(folder) + "tryout.css";
  if (FileExists(file)) {
    if (auto bytes = ReadSideFile(file, &ui)) {
      doc.TryOutCSSList = sjis::SplitLines(*bytes);
      return 0;
    }
    return -1;
  }
  ui.Information("【 "_sj + "tryout.css" + " 】が"_sj + kCrLf + kCrLf + "フォルダー【 "_sj +
                 folder + " 】"_sj + "に存在しません。"_sj + kCrLf + kCrLf +
                 "保存する［ ｈｔｍｌ ］ファイルと、同じ［ フォルダー ］に"_sj + kCrLf + kCrLf +
                 "             【  tryout.css  】"_sj + kCrLf + kCrLf + "　入れてください。"_sj);
  return -1;
}

int OpenMinutesText(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                    std::string_view bytes) {
  return OpenMinutesText(settings, doc, ui, name, std::string(bytes));
}

int OpenMinutesText(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                    std::string&& bytes, OpenKeeps keeps) {
  FileReset(doc, ui, 0);
  ui.SetWaitCursor(true);
  ui.ShowPage("PGRightTab06MinutesText");
  doc.EditorMinutesText = std::move(bytes);
  // A text without lines is an empty text.
  if (keeps != OpenKeeps::TextOnly) doc.MinutesTextList = sjis::SplitLines(doc.EditorMinutesText);
  if (doc.EditorMinutesText.empty()) {
    ui.Warning("【 "_sj + name + " 】には会議録の行がありません（空のファイルです）。"_sj);
  }
  doc.LoadedLineCount = doc.CurrentLineCount = PaneLineCount(doc.EditorMainText);
  if (keeps == OpenKeeps::LinesAndAnalysis) LoadMinutesTextStringGrid(settings, doc);

  doc.MinutesFileName = name;
  BuildCategoty(doc);
  SetFormCaption(doc, ui, name, 0);
  doc.HTMLBaseName = GetSaveHTMLFilename(name);
  ApplyHTMLBaseNameToWebBox(settings, doc.HTMLBaseName);

  LoadIncludeFiles(settings, doc);
  if (LocalCSSAvailable(settings)) {
    LoadCSSFromFile(settings.LabelLocalCSSbsoluteRelativePath, doc.EditorCSSText, 0,
                    doc.LabelRightTab04CSSFilename);
  }
  if (CheckTryOutCSS(settings, doc, ui) != 0) return -1;

  if (LocalCSSAvailable(settings)) {
    if (auto css = ReadSideFile(settings.LabelLocalCSSbsoluteRelativePath, &ui)) {
      doc.LocalCSSList = sjis::SplitLines(*css);
    }
  }
  ui.ShowPage("PGLeftTab02Project");
  ui.ShowPage("PGRightTab06MinutesText");
  doc.MinutesLoaded = true;
  return 0;
}

int OpenFile(Settings& settings, Document& doc, Ui& ui, const std::string& name) {
  std::optional<std::string> bytes = ReadSideFile(name, &ui);
  if (!bytes) return -1;
  return OpenMinutesText(settings, doc, ui, name, std::move(*bytes));
}

void MenuFileOpenClick(Settings& settings, Document& doc, Ui& ui,
                       const FollowUpCommand& makeHTMLGo) {
  StatusbarClearSaveMessage(doc, ui);
  ui.ShowPage("PageControlGlobalTab01Main");
  const std::optional<std::string> chosen = ui.ChooseOpenFile(
      "開く"_sj, "会議録テキスト・ファイル（ *.txt ）|*.txt|すべてのファイル（*.*）|*.*"_sj, "");
  if (chosen) OpenChosenMinutesFile(settings, doc, ui, *chosen, makeHTMLGo);
}

void OpenChosenMinutesFile(Settings& settings, Document& doc, Ui& ui, const std::string& chosen,
                           const FollowUpCommand& makeHTMLGo) {
  // A file that cannot be read leaves everything as it was.
  std::optional<std::string> bytes = ReadSideFile(chosen, &ui);
  if (!bytes) return;
  doc.LastOpenResult = OpenMinutesText(settings, doc, ui, chosen, std::move(*bytes));
  doc.TextModified = false;
  AddComboItem(doc.ComboBoxHTMLFileItems, settings.ComboBoxHTMLFile);
  doc.HTMLBaseName = GetSaveHTMLFilename(doc.MinutesFileName);
  if (!settings.CheckBoxLocalSaveThisname || settings.ComboBoxHTMLFile.empty()) {
    settings.ComboBoxHTMLFile = doc.HTMLBaseName;
    settings.ComboBoxWebHTMLFile = doc.HTMLBaseName;
  }
  ui.SetWaitCursor(false);
  if (CheckProcessMarkCount(doc).balanced) {
    if (settings.CheckBoxImmediateGo && doc.MinutesLoaded && makeHTMLGo) {
      makeHTMLGo(settings, doc, ui);
    }
  } else {
    ui.ShowPage("PGLeftTab11MWarningAndError");
    ui.SetLabelVisible("LabelMarkNotMatch", true);
  }
}

void tbOpenOldClick(Settings& settings, Document& doc, Ui& ui, const FollowUpCommand& makeHTMLGo) {
  StatusbarClearSaveMessage(doc, ui);
  if (FileExists(doc.MinutesFileName)) {
    const std::string name = doc.MinutesFileName;
    OpenFile(settings, doc, ui, name);
    if (settings.CheckBoxImmediateGo && doc.MinutesLoaded && makeHTMLGo) {
      makeHTMLGo(settings, doc, ui);
    }
  }
  ui.SetWaitCursor(false);
}

int PasteTextFromWebpage(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                         std::string_view clipboardText) {
  FileReset(doc, ui, 0);
  ui.SetWaitCursor(true);
  doc.EditorMainText = std::string(clipboardText);
  doc.MinutesTextList = sjis::SplitLines(clipboardText);
  doc.LoadedLineCount = doc.CurrentLineCount = PaneLineCount(doc.EditorMainText);
  LoadMinutesTextStringGrid(settings, doc);
  doc.MinutesFileName = name;
  BuildCategoty(doc);
  SetFormCaption(doc, ui, name, 0);
  doc.HTMLBaseName = GetSaveHTMLFilename(name);
  settings.ComboBoxHTMLFile = doc.HTMLBaseName;
  ui.ShowPage("PGLeftTab01Main");
  return 0;
}

void tbMainDocumePasteClick(Settings& settings, Document& doc, Ui& ui,
                            const FollowUpCommand& makeHTMLGo) {
  StatusbarClearSaveMessage(doc, ui);
  const std::string text = ui.ClipboardText();
  if (!ContainsMeetingWord(text)) return;
  if (!FolderExists(settings.BtnEditHTMLSaveFolder)) return;
  settings.ComboBoxHTMLFile = "dummy";
  PasteTextFromWebpage(settings, doc, ui, "", text);
  doc.TextModified = false;
  AddComboItem(doc.ComboBoxHTMLFileItems, settings.ComboBoxHTMLFile);
  settings.ComboBoxHTMLFile.clear();
  ui.SetWaitCursor(false);
  if (settings.CheckBoxImmediateGo && doc.MinutesLoaded && makeHTMLGo) {
    makeHTMLGo(settings, doc, ui);
  }
}

std::string GetFromClipboard(Ui& ui, std::size_t maxLength) {
  std::string text = ui.ClipboardText();
  return text.size() <= maxLength ? text : std::string();
}

}  // namespace korva
