// Assembly of complete documents (head, body, foot, embedded style) and the
// single-document commands: generate, save, trial save, save as.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "html/body.h"
#include "session/document.h"
#include "session/files.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// Head kinds: 0 local (include file or standard), 1 and 2 web, 8 trial
// (links "tryout.css"), 9 standard (links "@css@").
inline constexpr int kHeadLocal = 0;
inline constexpr int kHeadWeb = 1;
inline constexpr int kHeadWebTwoPane = 2;
inline constexpr int kHeadTrial = 8;
inline constexpr int kHeadStandard = 9;

// Appends the head of `kind` to `list`. Kind 0 with include lines empties
// `list` and copies them; kinds 1 and 2 append the include lines when there
// are any; otherwise the nine-line standard head. Returns 0.
int AddHead(const Document& doc, StringList& list, const StringList& includeList, int kind);

// Appends every line of `source`. Returns 0.
int LoadHeadFromFile(StringList& list, const StringList& source);

// Kind 0: "</div>", "</body>", "</html>"; kinds 8 and 9: "</body>", "</html>";
// kinds 1 and 2: nothing. Returns 0.
int AddFoot(StringList& list, int kind);

// The CSS lines inside "<style type=\"text/css\">" ... "</style>" when there
// are any, then "</body>", "</html>". Returns 0.
int AddStyle(StringList& list, const StringList& css);

// Wraps BodyHTMLList (freshly converted) into DocumentHTMLList and
// GeneratedHTMLText. Returns 0.
int BuildHTML(Settings& settings, Document& doc, int kind);

// The generation command: checks, converts, builds and, with
// CheckBoxSaveAtBuild, saves. Returns 0 when a document was generated (and,
// when asked, saved), -1 when it stopped or the save failed.
int MakeHTMLBody(Settings& settings, Document& doc, Ui& ui);
int MenuTextMakeBodyOnlyClick(Settings& settings, Document& doc, Ui& ui);
int tbMakeHTMLGoClick(Settings& settings, Document& doc, Ui& ui);

// The body of MakeHTMLBody made in advance, right after a document was
// opened without its analysis (OpenKeeps::Lines or TextOnly), for a batch
// that goes on to publish: the analysis of MinutesTextList (or, when no
// lines are held, of EditorMinutesText) runs row by row straight into the
// body conversion, so that the table is never held. Fills the lists of
// the analysis and BodyHTMLList; GeneratedHTMLText stays empty. `alsoRows`,
// when given, sees every row too. Returns the number of rows.
std::size_t ConvertBodyInOnePass(Settings& settings, Document& doc,
                                 RowConsumer* alsoRows = nullptr);

// MakeHTMLBody (without CheckBoxSaveAtBuild) for a body ConvertBodyInOnePass
// made: the same checks and messages, without converting again. 0 when the
// body may be used, else -1.
int AcceptConvertedBody(Settings& settings, Document& doc, Ui& ui);

// MenuTextMakeBodyOnlyClick with CheckBoxSaveAtBuild, for a batch that only
// saves, with a document opened without its analysis (OpenKeeps::Lines or
// TextOnly): the same checks, messages and saved file, but the analysis of
// the lines (MinutesTextList's, else those of EditorMinutesText) runs row by
// row straight through the body conversion into the file being written, so
// that neither the table, nor the body, nor the document is held. The lists
// of the analysis stay empty, as do BodyHTMLList and GeneratedHTMLText.
// `alsoRows`, when given, sees every row too. 0 when the document was
// saved, else -1.
int MakeAndSaveHTMLInOnePass(Settings& settings, Document& doc, Ui& ui,
                             RowConsumer* alsoRows = nullptr);

// The file name of the single document: ComboBoxHTMLFile with ".html" as its
// extension ("dummy.html" when the name is empty).
std::string SingleDocumentFileName(const Settings& settings);

// Saves GeneratedHTMLText (kind 9) into the HTML save folder with the
// placeholders resolved and "%hol%" removed. 0 when written, else -1.
int SaveHTML(Settings& settings, Document& doc, Ui& ui, int kind);
// Documents larger than this are saved a block of lines at a time.
inline constexpr std::size_t kSavePieceSize = 1 << 18;

// Writes one file atomically in the chosen character set (UTF-8: declaration
// rewritten, no byte-order mark) and reports it as saved. A failure is shown
// with the path and the system's reason and gives -1.
int HTMLSave(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
             const std::string& text);

// HTMLSave for a text made piece by piece: `produce` hands the pieces in order
// to the writer it is given. In Shift_JIS they go straight to the file, so the
// whole text is never held. Nothing produced means nothing saved: -1.
int HTMLSaveInPieces(const Settings& settings, const Document& doc, Ui& ui, const std::string& path,
                     const std::function<void(const PieceWriter&)>& produce);

// Sees the text of every file HTMLSaveInPieces writes on this thread while
// it lives (the innermost one, when they nest), as it goes into the file, so
// that a check of what was written needs no second reading of it. The text
// is Shift_JIS even when the file is UTF-8 (converted character for
// character), as every reader of this system's text expects.
class SavedBytesWatcher {
 public:
  SavedBytesWatcher();
  virtual ~SavedBytesWatcher();
  SavedBytesWatcher(const SavedBytesWatcher&) = delete;
  SavedBytesWatcher& operator=(const SavedBytesWatcher&) = delete;

  // A file at `path` is being written from its start.
  virtual void Start(const std::string& path) = 0;
  // Its next bytes.
  virtual void Take(std::string_view bytes) = 0;

  static SavedBytesWatcher* Current();

 private:
  SavedBytesWatcher* outer_;
};

// The trial save: the stored body in a document that links "tryout.css".
int SaveOverwrite(Settings& settings, Document& doc, Ui& ui);
int MenuFileSaveOverwriteClick(Settings& settings, Document& doc, Ui& ui);
inline int tbFileSaveHTMLClick(Settings& settings, Document& doc, Ui& ui) {
  return MenuFileSaveOverwriteClick(settings, doc, ui);
}

// Appends each line to the list.
void AppendLines(StringList& list, std::initializer_list<std::string_view> lines);

// The end of every page after its last pane: the bound style sheet when the
// option says so, then the closing body and html tags.
void AppendPageEnd(const Settings& settings, const Document& doc, StringList& out);

// The include files a normal page is built from: the local or the web set's.
struct NormalPageIncludes {
  const StringList& head;
  const StringList& topFrame;
  const StringList& sidelink;
  int sidelinkKind;
};

// A normal (one-pane) page around BodyHTMLList and NavHTMLList, line by
// line into `out`; placeholders stay for the caller's save.
void BuildNormalPage(const Settings& settings, const Document& doc,
                     const NormalPageIncludes& includes, int kind, LineSink& out);

// The normal file of the local set.
void MakeNormalFile(const Settings& settings, const Document& doc, int kind, LineSink& out);

// Saves `lines` (the active pane) under a name chosen in the save dialog.
// 0 when written, -1 when cancelled or the write failed.
int MenuFileSaveAsClick(Ui& ui, const StringList& lines);

// The on-screen body pane: the generated document without "%hol%".
std::string BodyPaneText(const Document& doc);

}  // namespace korva
