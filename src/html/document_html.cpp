#include "html/document_html.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "analysis/minutes_grid.h"
#include "html/placeholders.h"
#include "html/tags.h"
#include "intake/charset_label.h"
#include "intake/open_minutes.h"
#include "publishing/folder_checks.h"
#include "publishing/frames.h"
#include "publishing/line_substitution.h"
#include "session/captions.h"
#include "session/files.h"
#include "session/line_sink.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

void AppendStandardHead(const Document& doc, StringList& list, std::string_view cssLink) {
  for (std::string_view line : {tags::kDocType, tags::kHtmlOpen, tags::kHeadOpen}) {
    list.emplace_back(line);
  }
  list.push_back(doc.TitleElement);
  for (std::string_view line :
       {tags::kCharsetMeta, tags::kStyleTypeMeta, cssLink, tags::kHeadClose, tags::kBodyOpen}) {
    list.emplace_back(line);
  }
}

// The id prefix of the coming generation: a blank setting becomes "pid-".
void TakeLineIdPrefix(Settings& settings, Document& doc) {
  if (TrimAllSpaces(settings.ComboBoxID_Header).empty()) settings.ComboBoxID_Header = "pid-";
  doc.LineIdPrefix = TrimAllSpaces(settings.ComboBoxID_Header);
}

void ShowFolderSettings(Ui& ui) {
  ui.SetLabelVisible(kFolderWarningLabel, true);
  ui.ShowPage("PageControlGlobalTab01Main");
  ui.ShowPage("PGLeftTab02Project");
}

// Shows the body page; false, with the folder settings shown, when the HTML
// save folder or file cannot be used.
bool ShowBodyPageIfFoldersReady(Settings& settings, Ui& ui) {
  ui.ShowPage("PGLeftTab08HTMLBody");
  if (CheckSaveHTMLFolderAndFile(settings, ui) == 0) return true;
  ShowFolderSettings(ui);
  ui.Beep();
  return false;
}

// What a body conversion takes from the settings, on emptied lists.
void PrepareBodyConversion(const Settings& settings, Document& doc) {
  doc.AnnotationIndent = MakeZleadingSP(settings.SpinEditAnnotateLeadingZSP);
  doc.QuotationLeadSpaces = MakeZSP(settings.SpinEditQuotationLeadingZSP);
  HTMLStringListClear(doc);
}

bool FileExists(const std::string& cp932Path) {
  std::error_code ec;
  return !cp932Path.empty() && std::filesystem::is_regular_file(ToFsPath(cp932Path), ec);
}

bool LoadLines(const std::string& cp932Path, StringList& into) {
  ReadResult read = ReadFileBytes(ToFsPath(cp932Path));
  if (read.error) return false;
  into = sjis::SplitLines(read.bytes);
  return true;
}

int WarnNotSaved(Ui& ui, const std::string& path, const std::string& reason) {
  ui.Warning("【 "_sj + path + " 】が 開けません！"_sj + "\r\n" + reason);
  return -1;
}

bool NamesAFile(const std::string& path) {
  return !TrimAllSpaces(path).empty() && !sjis::EndsWith(path, "\\") && !sjis::EndsWith(path, "/");
}

}  // namespace

int AddHead(const Document& doc, StringList& list, const StringList& includeList, int kind) {
  if (kind == kHeadLocal && includeList.empty()) kind = kHeadStandard;
  switch (kind) {
    case kHeadLocal:
      list.clear();
      LoadHeadFromFile(list, includeList);
      break;
    case kHeadWeb:
    case kHeadWebTwoPane:
      if (includeList.empty()) {
        AppendStandardHead(doc, list, tags::kCssLinkPlaceholder);
      } else {
        LoadHeadFromFile(list, includeList);
      }
      break;
    case kHeadTrial:
      AppendStandardHead(doc, list, tags::kCssLinkTryOut);
      break;
    case kHeadStandard:
      AppendStandardHead(doc, list, tags::kCssLinkPlaceholder);
      break;
    default:
      break;
  }
  return 0;
}

int LoadHeadFromFile(StringList& list, const StringList& source) {
  list.insert(list.end(), source.begin(), source.end());
  return 0;
}

int AddFoot(StringList& list, int kind) {
  if (kind == kHeadLocal) {
    AppendLines(list, {tags::kDivClose, tags::kBodyClose, tags::kHtmlClose});
  } else if (kind == kHeadTrial || kind == kHeadStandard) {
    AppendLines(list, {tags::kBodyClose, tags::kHtmlClose});
  }
  return 0;
}

int AddStyle(StringList& list, const StringList& css) {
  if (!css.empty()) {
    list.emplace_back(tags::kStyleOpen);
    list.insert(list.end(), css.begin(), css.end());
    list.emplace_back(tags::kStyleClose);
  }
  AppendLines(list, {tags::kBodyClose, tags::kHtmlClose});
  return 0;
}

int BuildHTML(Settings& settings, Document& doc, int kind) {
  TakeLineIdPrefix(settings, doc);
  if (TrimAllSpaces(settings.ComboBoxDOC_ID).empty()) settings.ComboBoxDOC_ID = "sentence";
  MakeContentsHTML(settings, doc);
  // The document goes straight into its text: head, cleaned body, foot, each
  // line followed by CR LF. A list of it as well would only double the memory.
  StringList head, foot;
  AddHead(doc, head, doc.LocalHeadIncludeList, kHeadStandard);
  AddFoot(foot, kind);
  std::size_t size = 0;
  for (const StringList* part : {&head, &doc.BodyHTMLList, &foot}) {
    for (const auto& line : *part) size += line.size() + 2;
  }
  std::string& text = doc.GeneratedHTMLText;
  text.clear();
  text.reserve(size);
  for (const auto& line : head) text.append(line).append("\r\n");
  for (const auto& line : doc.BodyHTMLList) {
    AppendCleanAlternateChars(text, line);
    text.append("\r\n");
  }
  for (const auto& line : foot) text.append(line).append("\r\n");
  StringList().swap(doc.DocumentHTMLList);
  return 0;
}

int MakeHTMLBody(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  const LineTable& table = doc.MinutesTextStringGrid;
  // The cleared table and a one-line table both have one row; only the
  // cleared one has no line number.
  if (table.RowCount() <= 1 && table.Row(1).LineNo.empty()) {
    ui.Beep();
    return -1;
  }
  if (!ShowBodyPageIfFoldersReady(settings, ui)) return -1;
  PrepareBodyConversion(settings, doc);
  ui.SetWaitCursor(true);
  BuildHTML(settings, doc, kHeadStandard);
  ui.SetWaitCursor(false);
  if (settings.CheckBoxSaveAtBuild) return SaveHTML(settings, doc, ui, kHeadStandard);
  return 0;
}

int MenuTextMakeBodyOnlyClick(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (doc.MinutesTextList.empty() || !CheckRootFolder(settings, ui)) {
    ui.Beep();
    return -1;
  }
  ui.SetWaitCursor(true);
  ui.ShowPage("PageControlGlobalTab01Main");
  const int result = MakeHTMLBody(settings, doc, ui);
  ui.SetWaitCursor(false);
  return result;
}

int tbMakeHTMLGoClick(Settings& settings, Document& doc, Ui& ui) {
  ui.SetWaitCursor(true);
  const int result = MenuTextMakeBodyOnlyClick(settings, doc, ui);
  ui.SetWaitCursor(false);
  return result;
}

std::size_t ConvertBodyInOnePass(Settings& settings, Document& doc, RowConsumer* alsoRows) {
  // What MakeHTMLBody and BuildHTML take from the settings before converting.
  PrepareBodyConversion(settings, doc);
  TakeLineIdPrefix(settings, doc);
  if (TrimAllSpaces(settings.ComboBoxDOC_ID).empty()) settings.ComboBoxDOC_ID = "sentence";
  ListAppend body(doc.BodyHTMLList);
  BodyConverter converter(settings, doc, body);
  std::vector<RowConsumer*> consumers = {&converter};
  if (alsoRows) consumers.push_back(alsoRows);
  RowFanOut rows(std::move(consumers));
  const std::size_t count = doc.MinutesTextList.empty()
                                ? StreamMinutesAnalysis(settings, doc, doc.EditorMinutesText, rows)
                                : StreamMinutesAnalysis(settings, doc, rows);
  converter.Finish();
  if (!doc.BodyHTMLList.empty()) doc.BodyHTMLList.back().shrink_to_fit();
  doc.BodyHTMLList.shrink_to_fit();
  return count;
}

int AcceptConvertedBody(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (!doc.HasMinutes()) {
    ui.Beep();
    return -1;
  }
  return ShowBodyPageIfFoldersReady(settings, ui) ? 0 : -1;
}

namespace {

// The lines of the single document as SaveHTML writes them, made into pieces
// of the saved file as they come: a body line first loses the program's own
// alternate characters (as BuildHTML cleans the body), then every line has
// its placeholders resolved and its layout markers deleted. Lines are
// written into the piece itself and only reworked when they hold what these
// steps change.
class DocumentLineWriter final : public LineSink {
 public:
  DocumentLineWriter(const Settings& settings, const Document& doc, const PieceWriter& write)
      : settings_(settings), doc_(doc), write_(write) {}

  // A body line.
  std::string& StartLine() override {
    EndLine();
    lineStart_ = piece_.size();
    open_ = body_ = true;
    return piece_;
  }

  // A line of the head or the foot.
  void AddFrameLine(std::string_view line) {
    EndLine();
    lineStart_ = piece_.size();
    piece_.append(line);
    open_ = true;
    body_ = false;
    EndLine();
  }

  void Finish() {
    EndLine();
    if (!piece_.empty()) write_(piece_);
    piece_.clear();
  }

 private:
  // A "￣" or "＼": 0x81 and the far rarer second byte 0x50 or 0x5F.
  static bool HasAlternateChar(std::string_view line) {
    for (const char second : {'\x50', '\x5F'}) {
      std::size_t known = 0;
      for (std::size_t at = line.find(second, 1); at != std::string_view::npos;
           at = line.find(second, at + 1)) {
        if (line[at - 1] == '\x81' && sjis::StartsCharacter(line, known, at - 1)) return true;
      }
    }
    return false;
  }
  // Every placeholder is "@" and a letter; most "@" are the second byte of "　".
  static bool MayHoldPlaceholder(std::string_view line) {
    for (std::size_t at = line.find('@'); at != std::string_view::npos && at + 1 < line.size();
         at = line.find('@', at + 1)) {
      const char next = sjis::AsciiLower(line[at + 1]);
      if (next >= 'a' && next <= 'z') return true;
    }
    return false;
  }

  void EndLine() {
    if (!open_) return;
    open_ = false;
    const std::string_view line = std::string_view(piece_).substr(lineStart_);
    const bool alternates = HasAlternateChar(line);
    if (alternates || MayHoldPlaceholder(line) || line.find('%') != std::string_view::npos) {
      done_.clear();
      if (body_ && alternates) {
        AppendCleanAlternateChars(done_, line);
      } else {
        done_.assign(line);
      }
      // ChangeAttmark cleans the alternate characters too; without a
      // placeholder that is all it would do.
      if (MayHoldPlaceholder(done_)) {
        ChangeAttmarkInPlace(done_, settings_, doc_);
      } else if (!body_ && alternates) {
        CleanAlternateCharsInPlace(done_);
      }
      if (done_.find('%') != std::string::npos) DeleteLayoutMarkerInPlace(done_);
      piece_.resize(lineStart_);
      piece_.append(done_);
    }
    piece_.append("\r\n");
    if (piece_.size() >= kSavePieceSize) {
      write_(piece_);
      piece_.clear();
    }
  }

  const Settings& settings_;
  const Document& doc_;
  const PieceWriter& write_;
  std::string piece_, done_;
  std::size_t lineStart_ = 0;
  bool open_ = false, body_ = false;
};

}  // namespace

int MakeAndSaveHTMLInOnePass(Settings& settings, Document& doc, Ui& ui, RowConsumer* alsoRows) {
  StatusbarClearSaveMessage(doc, ui);
  // The lines are MinutesTextList's, or those of the text itself when it was
  // opened without them.
  const bool fromText = doc.MinutesTextList.empty();
  if ((fromText && doc.EditorMinutesText.empty()) || !CheckRootFolder(settings, ui)) {
    ui.Beep();
    return -1;
  }
  ui.SetWaitCursor(true);
  ui.ShowPage("PageControlGlobalTab01Main");
  StatusbarClearSaveMessage(doc, ui);
  // A text with lines always gives rows, so there is no empty table to refuse.
  if (!ShowBodyPageIfFoldersReady(settings, ui)) {
    ui.SetWaitCursor(false);
    return -1;
  }
  PrepareBodyConversion(settings, doc);
  TakeLineIdPrefix(settings, doc);
  if (TrimAllSpaces(settings.ComboBoxDOC_ID).empty()) settings.ComboBoxDOC_ID = "sentence";
  if (settings.BtnEditHTMLSaveFolder.empty()) {
    ui.SetWaitCursor(false);
    return -1;
  }
  doc.SavedDocumentPath =
      IncludeTrailingSeparator(settings.BtnEditHTMLSaveFolder) + SingleDocumentFileName(settings);
  StringList head, foot;
  AddHead(doc, head, doc.LocalHeadIncludeList, kHeadStandard);
  AddFoot(foot, kHeadStandard);
  const auto produce = [&](const PieceWriter& write) {
    DocumentLineWriter out(settings, doc, write);
    for (const std::string& line : head) out.AddFrameLine(line);
    BodyConverter body(settings, doc, out);
    std::vector<RowConsumer*> consumers = {&body};
    if (alsoRows) consumers.push_back(alsoRows);
    RowFanOut rows(std::move(consumers));
    if (fromText) {
      StreamMinutesAnalysis(settings, doc, doc.EditorMinutesText, rows, StreamLists::None);
    } else {
      StreamMinutesAnalysis(settings, doc, rows, StreamLists::None);
    }
    body.Finish();
    for (const std::string& line : foot) out.AddFrameLine(line);
    out.Finish();
  };
  const int saved = HTMLSaveInPieces(settings, doc, ui, doc.SavedDocumentPath, produce);
  if (saved == 0) StatusbarSaveHTML(ui, ExtractFileName(doc.SavedDocumentPath));
  ui.SetWaitCursor(false);
  return saved;
}

std::string SingleDocumentFileName(const Settings& settings) {
  const std::string& name = settings.ComboBoxHTMLFile;
  return TrimAllSpaces(name).empty() ? "dummy.html" : ChangeFileExt(name, ".html");
}

int SaveHTML(Settings& settings, Document& doc, Ui& ui, int kind) {
  if (settings.BtnEditHTMLSaveFolder.empty()) return -1;
  const std::string file = SingleDocumentFileName(settings);
  doc.SavedDocumentPath = IncludeTrailingSeparator(settings.BtnEditHTMLSaveFolder) + file;
  if (kind != kHeadStandard || doc.GeneratedHTMLText.empty()) return -1;
  // A saved file keeps no layout marker: style sheets address the plain class
  // names. A block of whole lines at a time, so that no second copy of the
  // document is held. Placeholders and layout markers never span a line
  // break, and a block starts where a character starts, so each block comes
  // out as it does within the whole text.
  const std::string_view generated = doc.GeneratedHTMLText;
  const auto produce = [&](const PieceWriter& write) {
    std::string piece;
    for (std::size_t from = 0; from < generated.size();) {
      std::size_t end = generated.find('\n', std::min(from + kSavePieceSize, generated.size()) - 1);
      end = end == std::string_view::npos ? generated.size() : end + 1;
      piece.assign(generated.substr(from, end - from));
      ChangeAttmarkInPlace(piece, settings, doc);
      DeleteLayoutMarkerInPlace(piece);
      write(piece);
      from = end;
    }
  };
  if (HTMLSaveInPieces(settings, doc, ui, doc.SavedDocumentPath, produce) != 0) return -1;
  StatusbarSaveHTML(ui, ExtractFileName(doc.SavedDocumentPath));
  return 0;
}

int HTMLSave(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
             const std::string& text) {
  if (text.empty()) return -1;
  return HTMLSaveInPieces(settings, doc, ui, path,
                          [&text](const PieceWriter& write) { write(text); });
}

int HTMLSaveInPieces(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
                     const std::function<void(const PieceWriter&)>& produce) {
  if (!NamesAFile(path)) return WarnNotSaved(ui, path, Sj("not a file name"));
  // In UTF-8 each piece has its declaration rewritten and is converted as it
  // comes; bytes that are not Shift_JIS become U+FFFD, and the first of them
  // is named by its offset in the rewritten text, as in the whole text.
  const bool utf8 = settings.RadioGroupSaveCharSet == 1;
  Utf8LabelRewriter labels;
  std::string relabelled, converted;
  std::size_t offset = 0, firstInvalid = std::string::npos;
  SavedBytesWatcher* watcher = SavedBytesWatcher::Current();
  const auto error = WriteFileAtomicallyInPieces(ToFsPath(path), [&](const PieceWriter& write) {
    std::size_t written = 0;
    if (watcher) watcher->Start(path);
    produce([&](std::string_view piece) {
      written += piece.size();
      if (!utf8) {
        if (watcher) watcher->Take(piece);
        return write(piece);
      }
      relabelled.assign(piece);
      labels.Rewrite(relabelled);
      converted.clear();
      const std::size_t invalid = AppendCp932AsUtf8Lossy(converted, relabelled);
      if (invalid != std::string::npos && firstInvalid == std::string::npos) {
        firstInvalid = offset + invalid;
      }
      offset += relabelled.size();
      if (watcher) watcher->Take(relabelled);
      write(converted);
    });
    // Like a whole text that comes out empty, nothing is saved.
    return written > 0;
  });
  if (firstInvalid != std::string::npos) {
    ui.Warning("【 "_sj + path + " 】"_sj + "\r\n" +
               Sj("bytes that are not Shift_JIS were replaced, the first at byte offset " +
                  std::to_string(firstInvalid)));
  }
  if (error)
    return error->reason == kNothingWritten ? -1 : WarnNotSaved(ui, path, Sj(error->reason));
  // A file of a set is saved when the whole set is.
  if (!FileSet::Collecting()) MessageFileSaved(doc, ui, path);
  return 0;
}

namespace {
thread_local SavedBytesWatcher* currentWatcher = nullptr;
}  // namespace

SavedBytesWatcher::SavedBytesWatcher() : outer_(currentWatcher) {
  currentWatcher = this;
}

SavedBytesWatcher::~SavedBytesWatcher() {
  currentWatcher = outer_;
}

SavedBytesWatcher* SavedBytesWatcher::Current() {
  return currentWatcher;
}

int SaveOverwrite(Settings& settings, Document& doc, Ui& ui) {
  if (doc.MinutesFileName.empty()) {
    ui.Beep();
    return -1;
  }
  if (doc.BodyHTMLList.empty()) {
    ui.ShowPage("PGLeftTab08HTMLBody");
    ui.Beep();
    return -1;
  }
  TakeLineIdPrefix(settings, doc);
  doc.DocumentHTMLList.clear();
  AddHead(doc, doc.DocumentHTMLList, doc.LocalHeadIncludeList, kHeadTrial);
  for (const auto& line : doc.BodyHTMLList) {
    doc.DocumentHTMLList.push_back(CleanAlternateChars(DeleteLayoutMarker(line)));
  }
  if (settings.CheckBoxBindCSS) {
    AddStyle(doc.DocumentHTMLList, doc.TryOutCSSList);
  } else {
    AddFoot(doc.DocumentHTMLList, kHeadTrial);
  }
  doc.GeneratedHTMLText = sjis::JoinLines(doc.DocumentHTMLList, true);
  // The save's own result: a trial copy that was not written is not reported done.
  return SaveHTML(settings, doc, ui, kHeadStandard);
}

int MenuFileSaveOverwriteClick(Settings& settings, Document& doc, Ui& ui) {
  StatusbarClearSaveMessage(doc, ui);
  if (doc.MinutesTextList.empty() || !CheckRootFolder(settings, ui)) return -1;
  ui.ShowPage("PageControlGlobalTab01Main");
  if (CheckSaveHTMLFolderAndFile(settings, ui) != 0) {
    ShowFolderSettings(ui);
    return -1;
  }
  if (CheckTryOutCSS(settings, doc, ui) == 0 && !settings.BtnEditLocalCSSFile.empty() &&
      FileExists(settings.LabelLocalCSSbsoluteRelativePath)) {
    LoadLines(settings.LabelLocalCSSbsoluteRelativePath, doc.LocalCSSList);
  }
  const int result = SaveOverwrite(settings, doc, ui);
  if (result == 0 && settings.CheckBoxOpenIEatSaved) ui.OpenInBrowser(doc.SavedDocumentPath);
  return result;
}

void AppendLines(StringList& list, std::initializer_list<std::string_view> lines) {
  for (auto line : lines) list.emplace_back(line);
}

void AppendPageEnd(const Settings& settings, const Document& doc, StringList& out) {
  if (settings.CheckBoxBindCSS) {
    AddStyle(out, doc.LocalCSSList);
  } else {
    AppendLines(out, {tags::kBodyClose, tags::kHtmlClose});
  }
}

void BuildNormalPage(const Settings& settings, const Document& doc,
                     const NormalPageIncludes& includes, int kind, LineSink& out) {
  // The short parts are assembled apart; the body goes straight to `out`.
  StringList part;
  AddHead(doc, part, includes.head, kind);
  AppendLines(part, {"<div id=\"wrapper\">", "<div id=\"container\">", "<div id=\"contents\">",
                     "<div id=\"toplink\">", "<div class=\"tf-main\">"});
  AddTopFrame(part, includes.topFrame, kind);
  AppendLines(part,
              {"</div><!--  //<div id=\"tf-main\"  -->", "</div><!--  //<div id=\"toplink\"  -->",
               "<div id=\"minutescontents-normal\">"});
  out.AddAll(part);
  std::string withMarker;
  const StringList& body = doc.BodyHTMLList;
  const bool plainKnown = doc.BodyPlainLines.size() == body.size();
  for (std::size_t i = 0; i < body.size(); ++i) {
    const std::string& line = body[i];
    // The marker is deleted only where it starts a character, so the other
    // characters stay as they were, and so does whether the line is plain.
    std::string& written =
        plainKnown && doc.BodyPlainLines[i] ? out.StartPlainLine() : out.StartLine();
    if (line.find('%') == std::string::npos) {
      written.append(line);
      continue;
    }
    withMarker.assign(line);
    DeleteLayoutMarkerInPlace(withMarker);
    written.append(withMarker);
  }
  part.clear();
  AppendLines(part, {"</div><!-- //div id=\"minutescontents\"  -->", "",
                     "<div id=\"minutescontents-normal-right-nav\">"});
  AddSidelink(part, includes.sidelink, includes.sidelinkKind);
  AppendLines(
      part, {"</div><!-- right-nav -->", "", "</div><!-- contents -->", "</div><!-- container -->",
             "<div id=\"leftnormallink\">", "<div class=\"lf-main\">"});
  out.AddAll(part);
  out.AddAll(doc.NavHTMLList);
  part.clear();
  AppendLines(part, {"</div><!-- // lf-main -->", "</div><!-- // leftnormallink -->",
                     "</div><!-- wrapper -->"});
  AppendPageEnd(settings, doc, part);
  out.AddAll(part);
}

void MakeNormalFile(const Settings& settings, const Document& doc, int kind, LineSink& out) {
  BuildNormalPage(
      settings, doc,
      {doc.LocalHeadIncludeList, doc.LocalTopFrameIncludeList, doc.LocalSidelinkIncludeList, kind},
      kind, out);
}

int MenuFileSaveAsClick(Ui& ui, const StringList& lines) {
  const auto name = ui.ChooseSaveFile(
      "名前を付けて保存"_sj, "一般ファイル（ *.* ）|*.*|すべてのファイル（*.*）|*.*"_sj, "");
  if (!name) return -1;
  if (auto error = WriteFileAtomically(ToFsPath(*name), sjis::JoinLines(lines, true))) {
    ui.Warning("【 "_sj + *name + " 】が 開けません！"_sj + "\r\n" + Sj(error->reason));
    return -1;
  }
  ui.SetStatusPanel(1, " 保存：[ "_sj + *name + " ]");
  return 0;
}

std::string BodyPaneText(const Document& doc) {
  return DeleteLayoutMarker(doc.GeneratedHTMLText);
}

}  // namespace korva
