// Turns hard-wrapped text (minutes copied out of a PDF) back into paragraphs,
// or marks its forced breaks with "＼" for correction by hand. Lengths are
// CP932 byte counts, so a full-width character counts 2.
#pragma once

#include <string>
#include <vector>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

struct ForcedBreakOptions {
  int lowerLimit = 16;  // shorter lines are page-number lines and dropped
  int lineLimit = 60;   // lines at least this long end in a forced break
  bool removeHalfSpaces = false;
  bool changeHalfSpaces = false;
};

ForcedBreakOptions ForcedBreakOptionsFrom(const Settings& settings);

// The paragraph conversion: a forced-broken line is joined to the next one,
// so the result ends without CR LF when its last line was joined.
std::string ConvertForcedBreaks(const std::vector<std::string>& lines,
                                const ForcedBreakOptions& options);

// The back-slash marking: fills `marked` with the kept lines (forced-broken
// ones followed by "＼") and returns them as text, every line ending in CR LF.
std::string MarkForcedBreaks(const std::vector<std::string>& lines,
                             const ForcedBreakOptions& options, std::vector<std::string>& marked);

// The pasted text becomes the tool's input, one entry per line.
void LoadForcedBreakText(Document& doc, const std::string& text);

// "強制改行のテキストをテキスト・ペインに貼り付ける": a new file whose
// minutes-text pane shows the clipboard text, which becomes the tool's input;
// the tool panels open.
void MenuTextPaste2TextPaneClick(Document& doc, Ui& ui);

// The run commands: beep when nothing was pasted, else fill ConvertedText.
void DoProcessing(const Settings& settings, Document& doc);
void DoAddBackSlash(const Settings& settings, Document& doc, Ui& ui);
void tbDoWordWrapClick(const Settings& settings, Document& doc, Ui& ui);
void tbDoAddBackSlashClick(const Settings& settings, Document& doc, Ui& ui);
// Puts ConvertedText on the clipboard once; a second copy without a new
// conversion only beeps. The tool panels close either way.
void tbDoWordWrapCOPYClick(Document& doc, Ui& ui);

}  // namespace korva
