// The document state: every list and scalar the commands share, created once
// and reset by the reset operations.
#pragma once

#include <string>
#include <vector>

#include "analysis/line_table.h"
#include "session/sorted_set.h"

namespace korva {

using StringList = std::vector<std::string>;

// Opening and closing counts of the block marks, incremented by the classifier.
struct BlockMarkCounts {
  int EnumStartCount = 0, EnumEndCount = 0;
  int HTMLStartCount = 0, HTMLEndCount = 0;
  int RosterStartCount = 0, RosterEndCount = 0;
  int CommentStartCount = 0, CommentEndCount = 0;
  int QuoteStartCount = 0, QuoteEndCount = 0;
  int ParagraphStartCount = 0, ParagraphEndCount = 0;
};

struct Document {
  // Lists (CP932 lines).
  StringList MinutesTextList;
  StringList ForcedBreakTextList;
  StringList ConvertedTextList;
  // Result of the last forced-break conversion; emptied once copied.
  std::string ConvertedText;
  // The same as the HTML-body pane shows it, until a reset empties the pane.
  std::string ConvertedPaneText;
  // Height of the tool panels of the text and HTML-body tabs: 0 the normal
  // 40 pixels, 1 the 97 the forced-break tool needs.
  int CRLFPanelMode = 0;
  StringList SearchWordList;
  SortedStringSet SpeakerNameSet;
  StringList SpeakerNavEntryList;
  SortedStringSet SpeakerSentenceSet;
  StringList ContentsWorkList1, ContentsWorkList2;
  StringList BodyHTMLList;
  // Which lines of BodyHTMLList hold no "@", "￣" or "＼", and so need no
  // placeholder substitution: found once for all the files that one set
  // command (or a batch of them) makes from the body; empty otherwise.
  std::vector<bool> BodyPlainLines;
  StringList DocumentHTMLList;
  StringList NavHTMLList, NavWorkList;
  StringList TwoPaneListHTMLList;
  StringList LocalHeadIncludeList, LocalTopFrameIncludeList, LocalSidelinkIncludeList;
  StringList WebHeadIncludeList, WebTopFrameIncludeList, WebSidelinkIncludeList;
  StringList LocalCSSList;
  StringList WebCSSList;
  StringList TryOutCSSList;
  StringList BrowseTempList1;

  // The analysed minutes (row 1 first) and the agenda-and-speaker list box.
  LineTable MinutesTextStringGrid;
  StringList ListBoxGidaiHatsugen;
  StringList ListBoxMunicipalRoster;  // copy of SpeakerNameSet
  BlockMarkCounts MarkCounts;

  // Pane texts and file-name labels that opening fills (CP932).
  std::string EditorMainText;
  std::string EditorMinutesText;
  std::string EditorCSSText;
  std::string LabelRightTab04CSSFilename;
  // "【 file 】" labels of the include memos: local head, local top frame,
  // local side link, web head, web top frame, web side link.
  std::string IncludeFileLabels[6];
  StringList ComboBoxHTMLFileItems;
  int LastOpenResult = 0;

  // Scalars. Paths are CP932 text like everything the rules handle.
  std::string MinutesFileName;
  std::string HTMLBaseName;
  std::string DocumentTitle;
  std::string TitleElement;
  std::string ProjectFileName;
  std::string AppFolder;
  std::string AppBaseName;
  std::string IniFileName;
  std::string DefaultFolder;
  std::string ShortTitle = "KORVA";
  std::string LongTitle = "Velkorin( KORVA )";
  std::string DroppedFileName;
  bool UIReady = false;
  bool MinutesLoaded = false;
  bool TextModified = false;
  int LoadedLineCount = 0;
  int CurrentLineCount = 0;
  bool TopPanelCollapsed = false;
  bool OptionPanelOpen = false;
  // Set by the new-project command; cleared when settings or a project are
  // read and when a project is saved under a new name.
  bool ProjectClearedFlag = false;

  // HTML generation: the last document and where it went, and the per-run
  // values taken from the settings.
  std::string GeneratedHTMLText;
  std::string SavedDocumentPath;
  std::string LineIdPrefix;
  // 26 ideographic spaces (0x81 0x40) until the first generation sets it.
  std::string AnnotationIndent = [] {
    std::string s;
    for (int i = 0; i < 26; ++i) s += "\x81\x40";
    return s;
  }();
  std::string QuotationLeadSpaces;
  // Never reset: the document-colour rotation continues across generations.
  long long DocumentColorCounter = 0;

  // Multi-file publishing: the paths of the last local and web sets, the bare
  // file names the "@n-html@" / "@v-html@" / "@h-html@" placeholders stand
  // for, and the last stand-alone navigation text and its path.
  std::string ThreeFileNormalPath, ThreeFileVerticalPath, ThreeFileHorizontalPath;
  std::string WebNormalPath, WebVerticalPath, WebHorizontalPath;
  std::string NormalFileName, VerticalFileName, HorizontalFileName;
  std::string NavOnePaneHTMLText;
  std::string SavedHTMLPath;

  // True while minutes are open: their lines are held, or a batch that
  // needed nothing more of them than their conversion has let them and
  // their text go.
  bool HasMinutes() const { return !MinutesTextList.empty() || MinutesReleased; }
  void ReleaseMinutes() {
    MinutesReleased = !MinutesTextList.empty() || !EditorMinutesText.empty();
    StringList().swap(MinutesTextList);
    std::string().swap(EditorMinutesText);
  }
  bool MinutesReleased = false;

  // Empties every list derived from the text: not the work lists of body
  // conversion, the include lists (read from the clerk's files, so a new
  // analysis must not lose them), the generated document, the three CSS
  // lists and the forced-break text.
  void StringListAllClear();
};

}  // namespace korva
