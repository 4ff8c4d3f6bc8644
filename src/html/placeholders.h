// Placeholder substitution for local files, the clean-up of the program's own
// alternate characters, and the resets of the generation state.
#pragma once

#include <string>
#include <string_view>

#include "session/document.h"
#include "session/ui.h"
#include "settings/settings.h"

namespace korva {

// Replaces "@title@", "@t-caption@", "@domain@", "@filename@", "@topcaption@",
// "@home@", "@top@", "@list@", "@css@", "@n-html@", "@h-html@", "@v-html@" (in
// that order, letter case ignored) by their local values, then turns every "￣"
// into "　" and deletes every "＼". "%hol%" is left alone.
std::string ChangeAttmark(std::string_view text, const Settings& settings, const Document& doc);
// The same on `text` itself, for whole documents.
void ChangeAttmarkInPlace(std::string& text, const Settings& settings, const Document& doc);

// Deletes every "＼" (the forced-line-break mark).
std::string CleanupAlternatechar(std::string_view text);

// "￣" becomes "　" and "＼" is deleted: what no saved file may carry.
std::string CleanAlternateChars(std::string_view text);
void CleanAlternateCharsInPlace(std::string& text);
void AppendCleanAlternateChars(std::string& out, std::string_view text);

// Every occurrence of the layout marker "%hol%" deleted (letter case ignored).
std::string DeleteLayoutMarker(std::string_view text);
void DeleteLayoutMarkerInPlace(std::string& text);

// Resets the per-document generation state (names, saved paths, block counters).
void GlobalHTMLVarClear(Document& doc, Ui& ui);

// Empties the HTML lists and the speaker legend before a generation.
void HTMLStringListClear(Document& doc);

}  // namespace korva
