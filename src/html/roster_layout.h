// The fixed-column layout of an attendance roster inside a pre-formatted block.
#pragma once

#include <string>
#include <vector>

#include "session/document.h"
#include "session/line_sink.h"
#include "settings/settings.h"

namespace korva {

// Column positions in half-width columns (one ideographic space is two).
struct RosterColumns {
  int Title1 = 4;   // SpinEditYakushokuPos
  int Name1 = 32;   // SpinEditShimeiPos
  int Title2 = 56;  // SpinEditYakushokuPos2
  int Name2 = 68;   // SpinEditShimeiPos2
};

RosterColumns RosterColumnsFrom(const Settings& settings);

// Lays out lines as the roster-line conversion left them ("title｝name",
// "title｝name／title￥name", "■department", "title●", headings...).
std::vector<std::string> LayoutRosterLines(const std::vector<std::string>& lines,
                                           const RosterColumns& columns);

// Lays out ContentsWorkList1 and appends the result to BodyHTMLList, or
// gives it to `out`.
void CleanupMeiboLine(const Settings& settings, Document& doc);
void CleanupMeiboLine(const Settings& settings, const Document& doc, LineSink& out);

}  // namespace korva
