// Bringing minutes text in: opening a file, re-reading it, pasting it from a
// web page; and the side files (includes, CSS, try-out CSS) opening reloads.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// A command run after opening when the options ask for it (the HTML
// generation); the desktop delays it, the core just calls it.
using FollowUpCommand = std::function<void(Settings&, Document&, Ui&)>;

// Opens the minutes file `name` (CP932 path text): resets the document,
// loads and analyses the text, derives the names, reloads the include and
// CSS files and checks the try-out CSS. 0 on success, -1 when the try-out
// CSS check failed or the file could not be read (then nothing changed and
// a warning names the file).
int OpenFile(Settings& settings, Document& doc, Ui& ui, const std::string& name);

// What opening keeps of the text besides the editor pane's copy: its lines
// and their analysis (as the desktop program shows them), its lines only, or
// nothing more (for a batch that streams the analysis of the pane's text,
// StreamMinutesAnalysis, and needs neither).
enum class OpenKeeps { LinesAndAnalysis, Lines, TextOnly };

// OpenFile for text already read (the command line converts encodings first).
int OpenMinutesText(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                    std::string_view bytes);
// The same, taking over the text as the editor pane's instead of copying it.
int OpenMinutesText(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                    std::string&& bytes, OpenKeeps keeps = OpenKeeps::LinesAndAnalysis);

// The "開く" command: asks for a file, opens it, sets the HTML file names and,
// when the block marks balance and the option is on, runs `makeHTMLGo`.
void MenuFileOpenClick(Settings& settings, Document& doc, Ui& ui,
                       const FollowUpCommand& makeHTMLGo = {});

// The same for a file already chosen (dropped on the window, say).
void OpenChosenMinutesFile(Settings& settings, Document& doc, Ui& ui, const std::string& chosen,
                           const FollowUpCommand& makeHTMLGo = {});

// Re-reads MinutesFileName.
void tbOpenOldClick(Settings& settings, Document& doc, Ui& ui,
                    const FollowUpCommand& makeHTMLGo = {});

// Loads a side file into `memo` and shows "【 file 】" in `label`.
int LoadMemoFromFile(const std::string& file, StringList& memo, int mode, std::string& label);
// Loads a CSS file into an editor pane and shows its path in `label`.
int LoadCSSFromFile(const std::string& file, std::string& editor, int mode, std::string& label);

// "tryout.css" must be in the HTML save folder; loads it into TryOutCSSList.
// 0 when loaded; -1 with an information message when the folder is set but
// the file is missing, silently when the folder is empty.
int CheckTryOutCSS(const Settings& settings, Document& doc, Ui& ui);

// Pastes minutes copied from a web page (the clipboard must hold a meeting word).
void tbMainDocumePasteClick(Settings& settings, Document& doc, Ui& ui,
                            const FollowUpCommand& makeHTMLGo = {});
int PasteTextFromWebpage(Settings& settings, Document& doc, Ui& ui, const std::string& name,
                         std::string_view clipboardText);

// The clipboard text when it is at most maxLength bytes long, else "".
std::string GetFromClipboard(Ui& ui, std::size_t maxLength);

// Line count of a pane holding `text` (an empty pane has one line).
int PaneLineCount(std::string_view text);

}  // namespace korva
